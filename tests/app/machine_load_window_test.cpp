// The plant's machine load in the program's window: the 机械负荷系数 dialog,
// the room's use and p beside its equipment and the summary's section follow
// one another, each change one undo step; the summary window shows a project
// of ten rooms whole and passes the main window's keys on.

#include "app/plant_dialog.h"
#include "app/room_selector.h"
#include "app/summary_window.h"
#include "plant/plant_settings.h"
#include "report/machine_load_table.h"
#include "window_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <functional>

using namespace gelvant;
using namespace gelvant::testing_window;

namespace {

const char* const kRooms = "库房(&R)";
const char* const kPlantEntry = "机械负荷系数(&L)...";

// The summary's section shows exactly the texts of the document's machine load.
void checkMachineLoadShowsTheDocument(const MainWindow& window) {
    const SummaryWindow& summary = window.summaryWindow();
    const Project& project = window.session().project();
    const ProjectSummary projectSummary = summarizeProject(project);
    const MachineLoadTable expected =
        machineLoadTable(projectSummary, machineLoad(project, projectSummary), project.loadUnit);
    tableShowsRows(*summary.machineRoomsTable(), expected.rooms);
    std::vector<MachineGroupRow> groups = expected.groups;
    groups.push_back(expected.total);
    tableShowsRows(*summary.machineGroupsTable(), groups);
    QVERIFY(summary.coefficients()->text().contains(qs(expected.coefficients.front().value)));
}

// A key pressed in the summary window, which has the focus.
void keyInSummary(SummaryWindow& summary, QKeyCombination keys) {
    summary.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&summary));
    QTest::keyClick(&summary, keys.key(), keys.keyboardModifiers());
}

} // namespace

class MachineLoadWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theDialogTheUseAndTheSummaryFollowOneAnother() {
        Session s;
        QVERIFY(s.start());
        s.key(Qt::CTRL | Qt::Key_T);
        SummaryWindow& summary = s.window.summaryWindow();
        const Project& project = s.window.session().project();
        checkMachineLoadShowsTheDocument(s.window);
        const std::size_t steps = s.steps();

        QComboBox& use = *s.window.roomSelector().use();
        QCOMPARE(use.currentIndex(), 0);
        QVERIFY(use.itemText(0).startsWith(QStringLiteral("自动（")));
        pick(use, 5);
        QCOMPARE(project.currentRoom().use, RoomUse::Ice);
        QCOMPARE(summary.machineRoomsTable()->item(0, 1)->text(), QStringLiteral("冰库"));
        QCOMPARE(s.steps(), steps + 1);

        answerNextDialog<PlantDialog>([](PlantDialog& dialog) {
            dialog.system()->setCurrentIndex(1);
            dialog.coefficientBox(0)->setText(QStringLiteral("1.2"));
            dialog.accept();
        });
        s.trigger(kRooms, kPlantEntry);
        QVERIFY(project.plant == (PlantSettings{CoolingSystem::Indirect, 1.2, 1.0, 0.6, 0.8}));
        QCOMPARE(s.steps(), steps + 2);
        QVERIFY(s.window.isWindowModified());
        checkMachineLoadShowsTheDocument(s.window);

        // A value outside its range is refused naming the range; nothing changes.
        QString refusal;
        answerNextDialog<PlantDialog>([&refusal](PlantDialog& dialog) {
            dialog.coefficientBox(1)->setText(QStringLiteral("0.2"));
            QTimer::singleShot(0, [&refusal] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                refusal = box->text();
                box->accept();
            });
            dialog.accept();
            QVERIFY(dialog.isVisible());
            dialog.reject();
        });
        s.trigger(kRooms, kPlantEntry);
        QCOMPARE(refusal, qs(outOfRangeMessage(PlantCoefficient::N3)));
        QCOMPARE(s.steps(), steps + 2);

        // Undo from the summary window takes back the dialog, then the use.
        keyInSummary(summary, Qt::CTRL | Qt::Key_Z);
        QVERIFY(project.plant == PlantSettings{});
        checkMachineLoadShowsTheDocument(s.window);
        keyInSummary(summary, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(use.currentIndex(), 0);
        checkMachineLoadShowsTheDocument(s.window);
    }

    // p typed beside the use: a number within 1～1.3 is one step, anything
    // else is refused naming the range, and an empty box follows the use.
    void theRoomsPBesideItsUse() {
        Session s;
        QVERIFY(s.start());
        s.key(Qt::CTRL | Qt::Key_T);
        const SummaryWindow& summary = s.window.summaryWindow();
        const Project& project = s.window.session().project();
        QLineEdit& p = *s.window.roomSelector().goodsLoadFactor();
        const auto enter = [&p](const char* text) {
            p.setFocus();
            p.selectAll();
            QTest::keyClick(&p, Qt::Key_Backspace);
            QTest::keyClicks(&p, QString::fromUtf8(text));
            QTest::keyClick(&p, Qt::Key_Return);
        };
        QCOMPARE(p.text(), QString());
        QCOMPARE(p.placeholderText(), QStringLiteral("自动 1")); // a chilled store
        const std::size_t steps = s.steps();

        enter("1.20");
        QCOMPARE(project.currentRoom().goodsLoadFactor, std::optional<double>(1.2));
        QCOMPARE(p.text(), QStringLiteral("1.2"));
        QCOMPARE(s.steps(), steps + 1);
        QCOMPARE(summary.machineRoomsTable()->item(0, 8)->text(), QStringLiteral("1.2"));
        checkMachineLoadShowsTheDocument(s.window);

        QString refusal;
        answerNextDialog<QMessageBox>([&refusal](QMessageBox& box) {
            refusal = box.text();
            box.accept();
        });
        enter("1.4");
        QCOMPARE(refusal, qs(goodsLoadFactorRangeMessage()));
        QCOMPARE(p.text(), QStringLiteral("1.2"));
        QCOMPARE(s.steps(), steps + 1);

        enter("");
        QCOMPARE(project.currentRoom().goodsLoadFactor, std::nullopt);
        QCOMPARE(s.steps(), steps + 2);
        pick(*s.window.roomSelector().use(), 2); // 冻结间
        QCOMPARE(p.placeholderText(), QStringLiteral("自动 1.3"));
        QCOMPARE(summary.machineRoomsTable()->item(0, 8)->text(), QStringLiteral("1.3"));

        // Ctrl+Z in the box is the window's: the use, then p, come back.
        s.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        p.setFocus();
        QTest::keyClick(&p, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&p, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(project.currentRoom().use, RoomUse::Auto);
        QCOMPARE(project.currentRoom().goodsLoadFactor, std::optional<double>(1.2));
        QCOMPARE(p.text(), QStringLiteral("1.2"));
    }

    // kW chosen in the summary: every table and its headers at once, one
    // undo step; Ctrl+Z there brings W back.
    void theLoadUnitChosenInTheSummary() {
        Session s;
        QVERIFY(s.start());
        s.key(Qt::CTRL | Qt::Key_T);
        SummaryWindow& summary = s.window.summaryWindow();
        const Project& project = s.window.session().project();
        const std::size_t steps = s.steps();
        QComboBox& unit = *summary.loadUnitList();
        QCOMPARE(unit.count(), static_cast<int>(kLoadUnits.size()));
        QCOMPARE(unit.currentText(), QStringLiteral("W"));
        pick(unit, 1);
        QCOMPARE(project.loadUnit, LoadUnit::KW);
        QCOMPARE(s.steps(), steps + 1);
        QVERIFY(s.window.isWindowModified());
        const ProjectSummary sums = summarizeProject(project);
        const SummaryTable expected = summaryTable(sums, LoadUnit::KW);
        tableShowsRows(*summary.roomsTable(), expected.rooms);
        QCOMPARE(summary.totalsTable()->item(0, 4)->text(), qs(expected.groups.front()[4]));
        QCOMPARE(summary.roomsTable()->horizontalHeaderItem(4)->text(),
                 QStringLiteral("总冷负荷(kW)"));
        QCOMPARE(summary.machineGroupsTable()->horizontalHeaderItem(7)->text(),
                 QStringLiteral("机械负荷(kW)"));
        checkMachineLoadShowsTheDocument(s.window);

        keyInSummary(summary, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(project.loadUnit, LoadUnit::W);
        QCOMPARE(unit.currentIndex(), 0);
        QCOMPARE(summary.roomsTable()->horizontalHeaderItem(4)->text(),
                 QStringLiteral("总冷负荷(W)"));
        checkMachineLoadShowsTheDocument(s.window);
    }

    // Ten rooms: every table of the summary is seen whole at the opening
    // size, and Ctrl+PgDown goes to the next room from there.
    void tenRoomsAreSeenWholeAndTheKeysWork() {
        Session s;
        QVERIFY(s.start());
        for (int i = 1; i < 10; ++i) {
            s.trigger(kRooms, "复制库房(&C)");
        }
        s.trigger(kRooms, "全部重新计算(&A)");
        pick(*s.window.roomSelector().rooms(), 0);
        s.key(Qt::CTRL | Qt::Key_T);
        SummaryWindow& summary = s.window.summaryWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        for (QTableWidget* table : {summary.roomsTable(), summary.totalsTable(),
                                    summary.machineRoomsTable(), summary.machineGroupsTable()}) {
            QVERIFY(table->isVisible());
            QCOMPARE(table->verticalScrollBar()->maximum(), 0);
            QVERIFY(summary.rect().contains(table->geometry()));
        }
        QCOMPARE(summary.roomsTable()->rowCount(), 10);
        keyInSummary(summary, Qt::CTRL | Qt::Key_PageDown);
        QCOMPARE(s.window.session().project().current, std::size_t{1});
    }
};

int gelvant::testing_window::runMachineLoadWindowTests(int argc, char** argv) {
    MachineLoadWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "machine_load_window_test.moc"
