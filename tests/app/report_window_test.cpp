// The report commands: the PDF export with its question for a project of
// several rooms, answered by the test, and 复制结果 on the clipboard.

#include "app/report_commands.h"
#include "core/report_forms.h"
#include "report/report_export.h"
#include "window_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>

using namespace gelvant;
using namespace gelvant::testing_report;
using namespace gelvant::testing_window;

namespace {

// Four rooms, the second one current, one with a division by zero in its results.
Project fourRooms() {
    Project p = singleRoomProject(startupForm());
    p.rooms.push_back(room("冻结间", referenceRoomForm(6)));
    p.rooms.push_back(room("冷藏间", referenceRoomForm(12), CoolingEquipment::Coil));
    p.rooms.push_back(room("坏库", computedWith("coolingHours", "0")));
    p.current = 1;
    return p;
}

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    // One room is exported at once; for several the designer is asked, the
    // current room's file named after it, and a cancel writes nothing.
    void thePdfExportAsksForTheScopeOfSeveralRooms() {
        const struct {
            const char* name;
            bool severalRooms;
            std::optional<ReportScope> answer;
            const char* offered;
        } cases[] = {
            {"one room", false, std::nullopt, "cold.pdf"},
            {"whole project", true, ReportScope::WholeProject, "cold.pdf"},
            {"current room", true, ReportScope::CurrentRoom, "cold-冻结间.pdf"},
            {"cancelled", true, std::nullopt, ""},
        };
        for (const auto& c : cases) {
            const Project project = c.severalRooms ? fourRooms() : singleRoomProject(startupForm());
            const QString out = dir_.filePath(QStringLiteral("%1.pdf").arg(c.name));
            ReportCommands commands(
                nullptr, [&]() -> const Project& { return project; },
                [this] { return dir_.filePath(QStringLiteral("cold.gelvant")); });
            bool asked = false;
            QString offered;
            ReportCommands::Dialogs dialogs;
            dialogs.scope = [&](const QString&) {
                asked = true;
                return c.answer;
            };
            dialogs.saveFileName = [&](const QString&, const QString& suggested, const QString&) {
                offered = QFileInfo(suggested).fileName();
                return out;
            };
            dialogs.failure = [](const QString&, const QString& text) { QFAIL(qPrintable(text)); };
            commands.setDialogs(dialogs);
            commands.action(Command::ExportPdf)->trigger();
            QVERIFY2(asked == c.severalRooms, c.name);
            QCOMPARE(offered, QString::fromUtf8(c.offered));
            QFile pdf(out);
            QCOMPARE(pdf.open(QIODevice::ReadOnly), !offered.isEmpty());
            QVERIFY2(offered.isEmpty() || pdf.read(5) == "%PDF-", c.name);
        }
    }

    // A room whose inputs changed since its compute: the sheet waits for the
    // designer's answer, and 计算全部 computes before the sheet is written.
    void resultsNotCurrentAreAskedAboutBeforeTheSheet() {
        const struct {
            Answer answer;
            bool computed;
            bool written;
        } cases[] = {{Answer::ComputeAll, true, true},
                     {Answer::Anyway, false, true},
                     {Answer::Cancel, false, false}};
        for (const auto& c : cases) {
            Project project = singleRoomProject(startupForm());
            project.rooms[0].computedInputs = 0; // inputs other than those now shown
            const QString out = dir_.filePath(QStringLiteral("stale.csv"));
            QFile::remove(out);
            ReportCommands commands(
                nullptr, [&]() -> const Project& { return project; }, [] { return QString(); });
            bool computed = false;
            commands.setComputeAll([&] { computed = true; });
            ReportCommands::Dialogs dialogs;
            std::size_t buttons = 0;
            dialogs.ask = [&](const Question& question) {
                buttons = question.buttons.size();
                return c.answer;
            };
            dialogs.saveFileName = [&](const QString&, const QString&, const QString&) {
                return out;
            };
            dialogs.failure = [](const QString&, const QString& text) { QFAIL(qPrintable(text)); };
            commands.setDialogs(dialogs);
            commands.action(Command::ExportCsv)->trigger();
            QCOMPARE(buttons, std::size_t{3}); // 计算全部 / 仍然打印 / 取消
            QCOMPARE(computed, c.computed);
            QCOMPARE(QFile::exists(out), c.written);
        }
    }

    void copyResultsPutsTheCurrentRoomsLoadTableOnTheClipboard() {
        const Project project = fourRooms();
        ReportCommands commands(
            nullptr, [&]() -> const Project& { return project; }, [] { return QString(); });
        commands.action(Command::CopyResults)->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 qs(loadTableTsv(buildRoomReport(project.rooms[1]))));
    }

private:
    QTemporaryDir dir_;
};

int gelvant::testing_window::runReportWindowTests(int argc, char** argv) {
    ReportWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_window_test.moc"
