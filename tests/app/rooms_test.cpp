// The rooms in the program's window: the 库房 menu's operations as undo
// steps, the selector and the summary, and 全部重新计算 with its one box.

#include "app/room_selector.h"
#include "app/summary_window.h"
#include "report/summary_table.h"
#include "window_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>

using namespace gelvant;
using namespace gelvant::testing_window;

namespace {

const char* const kRooms = "库房(&R)";

// The summary window shows exactly the texts of the document's summary table.
void checkSummaryShowsTheDocument(const MainWindow& window) {
    const SummaryWindow& summary = window.summaryWindow();
    const Project& project = window.session().project();
    const SummaryTable expected = summaryTable(summarizeProject(project));
    tableShowsRows(*summary.roomsTable(), expected.rooms);
    std::vector<SummaryGroupRow> totals = expected.groups;
    totals.push_back(expected.total);
    tableShowsRows(*summary.totalsTable(), totals);
    QStringList notes;
    for (const std::string& note : expected.notes) {
        notes << qs(note);
    }
    QCOMPARE(summary.notes()->toPlainText(), notes.join('\n'));
    QCOMPARE(summary.notes()->isHidden(), notes.isEmpty());
    QCOMPARE(summary.roomsTable()->currentRow(), static_cast<int>(project.current));
}

// The rooms as the selector and the form show them: the names, the current
// room, its equipment and its load.
QStringList roomsShown(const MainWindow& window) {
    const RoomSelector& selector = window.roomSelector();
    QStringList shown;
    for (int i = 0; i < selector.rooms()->count(); ++i) {
        shown << selector.rooms()->itemText(i);
    }
    shown << QString::number(selector.rooms()->currentIndex())
          << selector.equipment()->currentText()
          << window.form().box(fieldNamed("totalCoolingLoadW"))->text();
    return shown;
}

void typeAndLeave(Session& s, const char* name, const char* text) {
    typeInto(s.box(name), QString::fromUtf8(text));
    s.box(name).clearFocus(); // leaving the box ends the typing
}

} // namespace

class RoomsTest : public QObject {
    Q_OBJECT

private slots:
    // The selector shows each room's form and takes no step; the summary
    // follows the typing and goes to a room on a double click.
    void theSelectorAndTheSummaryShowEachRoom() {
        Session s;
        QVERIFY(s.start());
        s.trigger(kRooms, "新增库房(&N)");
        s.key(Qt::CTRL | Qt::Key_T);
        SummaryWindow& summary = s.window.summaryWindow();
        QVERIFY(summary.isVisible());
        typeAndLeave(s, "storeLength", "8");
        QCOMPARE(s.box("innerVolume").text(), QStringLiteral("212"));
        QCOMPARE(summary.roomsTable()->item(1, 2)->text(), QStringLiteral("212"));
        checkSummaryShowsTheDocument(s.window);

        const std::size_t steps = s.steps();
        QComboBox& rooms = *s.window.roomSelector().rooms();
        pick(rooms, 0);
        QCOMPARE(s.box("innerVolume").text(), QStringLiteral("1355"));
        QCOMPARE(summary.roomsTable()->currentRow(), 0);
        QTableWidget& table = *summary.roomsTable();
        const QRect cell = table.visualRect(table.model()->index(1, 0));
        // The test mouse's double click counts as one only after a click.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(rooms.currentIndex(), 1);
        QCOMPARE(s.box("innerVolume").text(), QStringLiteral("212"));
        QCOMPARE(s.steps(), steps);
    }

    // Every room operation from the menu is one undo step, shown in the
    // selector and the summary; undo, from another room, brings the rooms
    // back as they were with the step's room current, and redo does it again.
    void eachRoomOperationIsOneStep() {
        Session s;
        QVERIFY(s.start());
        s.window.summaryWindow().show();
        s.trigger(kRooms, "新增库房(&N)");
        s.trigger(kRooms, "新增库房(&N)");
        const struct {
            const char* entry;
            std::function<void()> answer; // the question it asks, if any
        } operations[] = {
            {"复制库房(&C)", {}},
            {"上移(&U)", {}},
            {"下移(&W)", {}},
            {"排管(&P)", {}},
            {"冷风机(&F)", {}},
            {"全部重新计算(&A)", {}},
            {"重命名(&M)...",
             [] {
                 answerNextDialog<QInputDialog>([](QInputDialog& dialog) {
                     dialog.setTextValue(QStringLiteral("冻结间"));
                     dialog.accept();
                 });
             }},
            {"删除库房(&D)",
             [] {
                 answerNextDialog<QMessageBox>(
                     [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
             }},
        };
        typeAndLeave(s, "storeLength", "8"); // something for 全部重新计算 to compute
        QComboBox& rooms = *s.window.roomSelector().rooms();
        for (const auto& op : operations) {
            const QStringList before = roomsShown(s.window);
            const std::size_t steps = s.steps();
            if (op.answer) {
                op.answer();
            }
            s.trigger(kRooms, op.entry);
            const QStringList after = roomsShown(s.window);
            QVERIFY2(after != before, op.entry);
            QVERIFY2(s.steps() == steps + 1, op.entry);
            checkSummaryShowsTheDocument(s.window);
            pick(rooms, rooms.currentIndex() == 0 ? 1 : 0);
            s.key(Qt::CTRL | Qt::Key_Z);
            QCOMPARE(roomsShown(s.window), before);
            checkSummaryShowsTheDocument(s.window);
            s.key(Qt::CTRL | Qt::Key_Y);
            QCOMPARE(roomsShown(s.window), after);
        }
    }

    // 全部重新计算 computes every room and shows what they said in one box,
    // over the form already showing the current room's results; one undo
    // takes it back in every room.
    void computeAllGathersTheMessagesIntoOneBox() {
        Session s;
        QVERIFY(s.start());
        s.trigger(kRooms, "新增库房(&N)");
        typeAndLeave(s, "airCoolerCount", "0"); // fans with power but none counted
        s.key(Qt::CTRL | Qt::Key_PageUp);
        typeAndLeave(s, "airCoolerCount", "0");
        const QString loadBefore = s.box("totalCoolingLoadW").text();
        s.messages.messages.clear();
        int boxes = 0;
        QString shown;
        QString loadUnderTheBox;
        answerNextDialog<QDialog>([&](QDialog& box) {
            ++boxes;
            shown = box.findChild<QPlainTextEdit*>()->toPlainText();
            loadUnderTheBox = s.box("totalCoolingLoadW").text();
            box.accept();
            QTimer::singleShot(0, [&] { // a second box would be counted and closed
                if (QWidget* more = QApplication::activeModalWidget()) {
                    ++boxes;
                    more->close();
                }
            });
        });
        s.trigger(kRooms, "全部重新计算(&A)");
        QTest::qWait(0);
        QCOMPARE(boxes, 1);
        QVERIFY(s.messages.messages.empty()); // no box one at a time
        QCOMPARE(shown, QStringLiteral("库房1\n    注意：冷风机有功率但台数为0\n\n"
                                       "库房2\n    注意：冷风机有功率但台数为0\n"));
        QVERIFY(loadUnderTheBox != loadBefore);
        QCOMPARE(s.box("totalCoolingLoadW").text(), loadUnderTheBox);
        s.key(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(s.box("totalCoolingLoadW").text(), loadBefore);
    }
};

int gelvant::testing_window::runRoomsTests(int argc, char** argv) {
    RoomsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "rooms_test.moc"
