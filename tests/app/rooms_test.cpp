// The rooms in the window, on the offscreen platform: the 库房 commands, the
// room selector and the project summary around one design document follow
// every change, whoever made it (questions answered in code, except where the
// real boxes are clicked); then the same pieces in the program's window,
// driven by its menus and keys, with undo.

#include "app/form_look.h"
#include "app/room_commands.h"
#include "app/room_selector.h"
#include "app/summary_window.h"
#include "report/summary_table.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <optional>
#include <string>
#include <vector>

using namespace gelvant;
using namespace gelvant::testing_window;

namespace {

// Answers the room commands' questions as the test sets them up.
class ScriptedDialogs final : public RoomDialogs {
public:
    std::optional<std::string> askRoomName(const std::string& current) override {
        askedName = current;
        return nameAnswer;
    }
    bool confirmDelete(const std::string& /*room*/) override { return true; }
    void showGatheredMessages(const std::vector<RoomMessages>& rooms) override {
        boxes.push_back(rooms);
    }

    std::optional<std::string> nameAnswer;
    std::string askedName;
    std::vector<std::vector<RoomMessages>> boxes;
};

DesignDocument& opened(CDesignWindow& form) {
    form.initialise();
    return form.document();
}

// The form window with the room pieces around its document, wired as the
// main window wires them: a piece's change is shown by the form, whose
// documentChanged brings the commands, the selector and the summary up to date.
struct Desk {
    explicit Desk(RoomDialogs* realDialogs = nullptr)
        : commands(document, realDialogs != nullptr ? *realDialogs : dialogs, changed) {
        QObject::connect(&form, &CDesignWindow::documentChanged, &form, [this] {
            commands.refresh();
            selector.refresh();
            summary.refresh();
        });
    }

    // After a change made straight on the document.
    void showAgain() { form.showDocument(); }
    // The designer types into a box, as the form hands it on.
    void type(const char* field, const char* text) {
        form.act([&](DesignDocument& d) { d.typeInto(fieldNamed(field), text); });
    }
    void undo() { form.act(&DesignDocument::undo); }
    QString box(const char* field) const { return form.box(fieldNamed(field))->text(); }
    QStringList selectorNames() const {
        QStringList names;
        for (int i = 0; i < selector.rooms()->count(); ++i) {
            names << selector.rooms()->itemText(i);
        }
        return names;
    }

    RecordingPresenter presenter;
    CDesignWindow form{presenter};
    DesignDocument& document = opened(form);
    ScriptedDialogs dialogs;
    std::function<void()> changed = [this] { showAgain(); };
    RoomCommands commands;
    RoomSelector selector{document, changed};
    SummaryWindow summary{document, changed};
};

// The summary window shows exactly the texts of the document's summary table.
void checkSummaryShowsTheDocument(Desk& desk) {
    const SummaryTable expected = summaryTable(summarizeProject(desk.document.project()));
    const QTableWidget& rooms = *desk.summary.roomsTable();
    QCOMPARE(rooms.rowCount(), static_cast<int>(expected.rooms.size()));
    for (int row = 0; row < rooms.rowCount(); ++row) {
        for (int column = 0; column < rooms.columnCount(); ++column) {
            QCOMPARE(rooms.item(row, column)->text(), qs(expected.rooms[static_cast<std::size_t>(
                                                          row)][static_cast<std::size_t>(column)]));
        }
    }
    const QTableWidget& totals = *desk.summary.totalsTable();
    QCOMPARE(totals.rowCount(), static_cast<int>(expected.groups.size() + 1));
    for (int row = 0; row < totals.rowCount(); ++row) {
        const SummaryGroupRow& texts = static_cast<std::size_t>(row) < expected.groups.size()
                                           ? expected.groups[static_cast<std::size_t>(row)]
                                           : expected.total;
        for (int column = 0; column < totals.columnCount(); ++column) {
            QCOMPARE(totals.item(row, column)->text(), qs(texts[static_cast<std::size_t>(column)]));
        }
    }
    QString notes;
    for (const std::string& note : expected.notes) {
        notes += (notes.isEmpty() ? "" : "\n") + qs(note);
    }
    QCOMPARE(desk.summary.notes()->toPlainText(), notes);
    QCOMPARE(desk.summary.notes()->isHidden(), expected.notes.empty());
    QCOMPARE(rooms.currentRow(), static_cast<int>(desk.document.project().current));
}

void checkSelectorShowsTheDocument(Desk& desk) {
    const Project& project = desk.document.project();
    QStringList names;
    for (const Room& room : project.rooms) {
        names << qs(room.name);
    }
    QCOMPARE(desk.selectorNames(), names);
    QCOMPARE(desk.selector.rooms()->currentIndex(), static_cast<int>(project.current));
    QCOMPARE(desk.selector.equipment()->currentText(),
             qs(equipmentLabel(project.currentRoom().equipment)));
}

// A form that was never computed: the toolkit's form before its start-up.
std::shared_ptr<const FormState> uncomputedForm() {
    RecordingPresenter quiet;
    const CDesignDlg blank(designFormLayout(), quiet);
    return std::make_shared<const FormState>(blank.captureState());
}

// Runs `answer` on the modal dialog that the test's next action opens.
template <typename Dialog> void answerNextDialog(const std::function<void(Dialog&)>& answer) {
    QTimer::singleShot(0, [answer] {
        auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(modal != nullptr);
        answer(*modal);
    });
}

// The program's window as it starts, on screen, its questions answered by
// the test, the room questions asked in real boxes.
struct Program {
    RecordingPresenter messages;
    ScriptedPrompts prompts;
    CMainWindow window{messages, prompts};

    bool start() {
        window.start();
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
    bool activate() {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
    QAction* entry(const char* text) {
        return menuEntry(window, QStringLiteral("库房(&R)"), QString::fromUtf8(text));
    }
    QLineEdit& box(const char* name) { return *window.form().box(fieldNamed(name)); }
    // A key pressed wherever the window's focus is.
    void key(QKeyCombination keys) {
        if (!window.isActiveWindow()) {
            QVERIFY(activate()); // a box over it has just closed
        }
        QWidget* focus = window.focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &window, keys.key(), keys.keyboardModifiers());
    }
    void typeAnd(const char* name, const char* text) {
        typeInto(box(name), QString::fromUtf8(text));
        box(name).clearFocus(); // leaving the box ends the typing
    }
    // The rooms as the window shows them: the selector's names and current
    // room, the equipment, the form's load, the summary's rows.
    QStringList roomsShown() const {
        const RoomSelector& selector = window.roomSelector();
        QStringList shown;
        for (int i = 0; i < selector.rooms()->count(); ++i) {
            shown << selector.rooms()->itemText(i);
        }
        shown << QString::number(selector.rooms()->currentIndex())
              << selector.equipment()->currentText()
              << window.form().box(fieldNamed("totalCoolingLoadW"))->text();
        const QTableWidget& table = *window.summaryWindow().roomsTable();
        for (int row = 0; row < table.rowCount(); ++row) {
            for (int column = 0; column < table.columnCount(); ++column) {
                shown << table.item(row, column)->text();
            }
        }
        return shown;
    }
};

} // namespace

class RoomsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyFormLook(*qApp); }

    // Only what can be done is enabled: deleting needs a second room,
    // moving and stepping need a room on that side.
    void enabledCommandsFollowTheCurrentRoom() {
        Desk desk;
        struct Enabled {
            std::size_t rooms, current;
            bool remove, up, down;
        };
        const Enabled cases[] = {{1, 0, false, false, false},
                                 {3, 0, true, false, true},
                                 {3, 1, true, true, true},
                                 {3, 2, true, true, false}};
        for (const Enabled& c : cases) {
            while (desk.document.project().rooms.size() < c.rooms) {
                desk.commands.addRoomAction()->trigger();
            }
            desk.document.selectRoom(c.current);
            desk.showAgain();
            const QString at = QStringLiteral("%1 of %2").arg(c.current).arg(c.rooms);
            QVERIFY2(desk.commands.deleteRoomAction()->isEnabled() == c.remove, qPrintable(at));
            QVERIFY2(desk.commands.moveUpAction()->isEnabled() == c.up, qPrintable(at));
            QVERIFY2(desk.commands.previousRoomAction()->isEnabled() == c.up, qPrintable(at));
            QVERIFY2(desk.commands.moveDownAction()->isEnabled() == c.down, qPrintable(at));
            QVERIFY2(desk.commands.nextRoomAction()->isEnabled() == c.down, qPrintable(at));
        }
    }

    // A rename is one step; cancelling, an empty name or the same name is none.
    void renameTakesATrimmedNewName() {
        struct Rename {
            std::optional<std::string> answer;
            const char* name;
            std::size_t steps;
        };
        const Rename cases[] = {{std::nullopt, "库房1", 0},
                                {"", "库房1", 0},
                                {"   ", "库房1", 0},
                                {"库房1", "库房1", 0},
                                {" 冷藏间 ", "冷藏间", 1}};
        for (const Rename& c : cases) {
            Desk desk;
            desk.summary.show();
            desk.dialogs.nameAnswer = c.answer;
            desk.commands.renameRoomAction()->trigger();
            QCOMPARE(desk.dialogs.askedName, std::string("库房1"));
            QCOMPARE(desk.document.project().currentRoom().name, std::string(c.name));
            QCOMPARE(desk.document.history().position(), c.steps);
            QCOMPARE(desk.selector.rooms()->itemText(0), qs(c.name));
            QCOMPARE(desk.summary.roomsTable()->item(0, 0)->text(), qs(c.name));
        }
    }

    // Copies land after their room, moves carry the room along, and the
    // equipment choice is the same in the menu, the selector and the summary.
    void copyMoveAndEquipmentShowEverywhere() {
        Desk desk;
        desk.summary.show();
        desk.commands.copyRoomAction()->trigger();
        QCOMPARE(desk.selectorNames(), QStringList({"库房1", "库房1 副本"}));
        desk.commands.moveUpAction()->trigger();
        QCOMPARE(desk.selectorNames(), QStringList({"库房1 副本", "库房1"}));
        QCOMPARE(desk.selector.rooms()->currentIndex(), 0);
        QVERIFY(!desk.commands.moveUpAction()->isEnabled());

        QVERIFY(desk.commands.airCoolerAction()->isChecked());
        desk.commands.coilAction()->trigger();
        QVERIFY(desk.commands.coilAction()->isChecked());
        QVERIFY(!desk.commands.airCoolerAction()->isChecked());
        QCOMPARE(desk.summary.roomsTable()->item(0, 5)->text(), QStringLiteral("排管"));
        checkSelectorShowsTheDocument(desk);

        desk.commands.moveDownAction()->trigger(); // the room takes its choice along
        QCOMPARE(desk.selectorNames(), QStringList({"库房1", "库房1 副本"}));
        QVERIFY(desk.commands.coilAction()->isChecked());
        desk.commands.previousRoomAction()->trigger();
        QVERIFY(desk.commands.airCoolerAction()->isChecked());
        pick(*desk.selector.equipment(), 1);
        QVERIFY(desk.commands.coilAction()->isChecked());
        QCOMPARE(desk.document.project().rooms[0].equipment, CoolingEquipment::Coil);
        checkSummaryShowsTheDocument(desk);
        QCOMPARE(desk.document.history().position(), 5U);
    }

    // The summary of rooms never computed: 未计算, out of every total, with
    // a note; a double click on a row goes to that room.
    void summaryShowsUncomputedRoomsAndGoesToARoom() {
        Desk desk;
        Project project = desk.document.project();
        project.rooms.push_back(Room{"未算", CoolingEquipment::AirCooler, uncomputedForm()});
        project.rooms.push_back(Room{"排管间", CoolingEquipment::Coil, project.rooms[0].form});
        desk.document.replaceProject(project);
        desk.showAgain();
        QVERIFY(!desk.summary.isVisible());
        desk.summary.showAction()->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&desk.summary));
        checkSummaryShowsTheDocument(desk);
        QCOMPARE(desk.summary.roomsTable()->item(1, 4)->text(), qs(kNotComputed));
        QCOMPARE(
            desk.summary.totalsTable()->item(desk.summary.totalsTable()->rowCount() - 1, 2)->text(),
            QStringLiteral("2"));
        QVERIFY(!desk.summary.notes()->isHidden());

        QTableWidget& rooms = *desk.summary.roomsTable();
        const QRect cell = rooms.visualRect(rooms.model()->index(2, 0));
        // The test mouse's double click counts as one only after a click.
        QTest::mouseClick(rooms.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(rooms.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(desk.document.project().current, 2U);
        QCOMPARE(rooms.currentRow(), 2);
        checkSelectorShowsTheDocument(desk);
        QVERIFY(!desk.document.canUndo());
    }

    // 全部重新计算 computes every room and shows what they said in one box,
    // by room, after the form shows the current room's results.
    void computeAllGathersTheMessagesIntoOneBox() {
        Desk desk;
        desk.summary.show();
        desk.commands.addRoomAction()->trigger();
        desk.document.renameRoom("冻结间");
        desk.type("airCoolerCount", "0"); // fans with power but none counted
        desk.commands.addRoomAction()->trigger();
        desk.type("storeLength", "8");
        const QString loadBefore = desk.box("totalCoolingLoadW");
        desk.presenter.messages.clear();

        desk.commands.computeAllAction()->trigger();
        QVERIFY(desk.presenter.messages.empty()); // no box one at a time
        QCOMPARE(desk.dialogs.boxes.size(), 1U);
        const std::vector<RoomMessages>& box = desk.dialogs.boxes.front();
        QVERIFY(std::any_of(box.begin(), box.end(), [](const RoomMessages& room) {
            return room.room == "冻结间" &&
                   std::count(room.messages.begin(), room.messages.end(),
                              Message{"注意", "冷风机有功率但台数为0"}) == 1;
        }));
        QVERIFY(desk.box("totalCoolingLoadW") != loadBefore);
        checkSummaryShowsTheDocument(desk);

        desk.undo(); // one step for every room
        QCOMPARE(desk.box("totalCoolingLoadW"), loadBefore);
        checkSummaryShowsTheDocument(desk);
    }

    // The real boxes: the deletion asks 是 / 否 (否 keeps the room), and
    // compute-all's messages come in one box.
    void theRealDialogsAskAndShowOnce() {
        QWidget owner;
        WindowRoomDialogs real(&owner);
        Desk desk(&real);
        desk.commands.addRoomAction()->trigger();

        QStringList buttons;
        answerNextDialog<QMessageBox>([&](QMessageBox& box) {
            for (QAbstractButton* button : box.buttons()) {
                buttons << button->text();
            }
            box.button(QMessageBox::No)->click();
        });
        desk.commands.deleteRoomAction()->trigger();
        buttons.sort();
        QCOMPARE(buttons, QStringList({"否", "是"}));
        QCOMPARE(desk.document.project().rooms.size(), 2U);

        desk.type("airCoolerCount", "0"); // 库房2
        desk.document.selectRoom(0);
        desk.type("airCoolerCount", "0");
        int boxes = 0;
        QString shown;
        answerNextDialog<QDialog>([&](QDialog& box) {
            ++boxes;
            shown = box.findChild<QPlainTextEdit*>()->toPlainText();
            box.accept();
            // A second box would find no answer and fail the count below.
            QTimer::singleShot(0, [&] {
                if (QWidget* more = QApplication::activeModalWidget()) {
                    ++boxes;
                    more->close();
                }
            });
        });
        desk.commands.computeAllAction()->trigger();
        QTest::qWait(0);
        QCOMPARE(boxes, 1);
        QCOMPARE(shown, QStringLiteral("库房1\n    注意：冷风机有功率但台数为0\n\n"
                                       "库房2\n    注意：冷风机有功率但台数为0\n"));
    }

    // The program's window: the 库房 menu between 编辑 and 帮助, the selector
    // in the menu bar's corner; keys switch rooms and open the summary, which
    // follows the designer's typing; Ctrl+Z takes back a step of another
    // room by going to it.
    void theProgramsWindowShowsTheRooms() {
        Program p;
        QVERIFY(p.start());
        QStringList menus;
        for (const QAction* title : p.window.menuBar()->actions()) {
            menus << title->text();
        }
        QCOMPARE(menus, QStringList({"文件(&F)", "编辑(&E)", "库房(&R)", "帮助(&H)"}));
        QCOMPARE(p.window.menuBar()->cornerWidget(), &p.window.roomSelector());
        const QAction* summaryEntry = p.entry("项目汇总(&T)...");
        QVERIFY(summaryEntry != nullptr);
        QCOMPARE(summaryEntry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));

        p.entry("新增库房(&N)")->trigger();
        QVERIFY(p.window.isWindowModified());
        p.typeAnd("storeLength", "8");
        QCOMPARE(p.box("innerVolume").text(), QStringLiteral("212"));
        p.key(Qt::CTRL | Qt::Key_T);
        SummaryWindow& summary = p.window.summaryWindow();
        QVERIFY(summary.isVisible());
        QCOMPARE(summary.roomsTable()->item(1, 2)->text(), QStringLiteral("212"));
        p.typeAnd("storeLength", "9");
        const QString nineVolume = p.box("innerVolume").text();
        QCOMPARE(summary.roomsTable()->item(1, 2)->text(), nineVolume);

        const std::size_t steps = p.window.form().document().history().position();
        pick(*p.window.roomSelector().rooms(), 0);
        QCOMPARE(p.box("innerVolume").text(), QStringLiteral("1355"));
        QCOMPARE(summary.roomsTable()->currentRow(), 0);
        QVERIFY(p.activate());
        p.box("storeWidth").setFocus(); // the keys work from inside a box
        p.key(Qt::CTRL | Qt::Key_PageDown);
        QCOMPARE(p.box("innerVolume").text(), nineVolume);
        p.key(Qt::CTRL | Qt::Key_PageUp);
        QCOMPARE(p.window.roomSelector().rooms()->currentIndex(), 0);
        QCOMPARE(p.box("innerVolume").text(), QStringLiteral("1355"));
        QVERIFY(!p.entry("上一库房(&V)")->isEnabled());
        QCOMPARE(p.window.form().document().history().position(), steps); // no steps

        p.key(Qt::CTRL | Qt::Key_Z); // the 9 typed in 库房2: back there, as before it
        QCOMPARE(p.window.roomSelector().rooms()->currentText(), QStringLiteral("库房2"));
        QCOMPARE(p.box("innerVolume").text(), QStringLiteral("212"));
        QCOMPARE(summary.roomsTable()->item(1, 2)->text(), QStringLiteral("212"));
        QCOMPARE(summary.roomsTable()->currentRow(), 1);
        p.key(Qt::CTRL | Qt::Key_Z);
        p.key(Qt::CTRL | Qt::Key_Z); // the new room goes
        QCOMPARE(p.window.roomSelector().rooms()->count(), 1);
        QVERIFY(!p.window.isWindowModified());
        QCOMPARE(summary.roomsTable()->rowCount(), 1);
        for (int step = 0; step < 3; ++step) {
            p.key(Qt::CTRL | Qt::Key_Y);
        }
        QCOMPARE(p.window.roomSelector().rooms()->currentText(), QStringLiteral("库房2"));
        QCOMPARE(p.box("innerVolume").text(), nineVolume);
        QCOMPARE(summary.roomsTable()->item(1, 2)->text(), nineVolume);
    }

    // Every room operation from the menu is one undo step; undo brings the
    // rooms back as they were, a deleted room into the selector and the
    // summary at its place, and redo does it again.
    void eachRoomOperationIsOneStep() {
        Program p;
        QVERIFY(p.start());
        p.window.summaryWindow().show();
        QVERIFY(p.activate());
        p.entry("新增库房(&N)")->trigger();
        p.entry("新增库房(&N)")->trigger();
        struct Operation {
            const char* entry;
            std::function<void()> answer; // the question it asks, if any
        };
        const Operation operations[] = {
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
        p.typeAnd("storeLength", "8"); // something for 全部重新计算 to compute
        for (const Operation& op : operations) {
            const QStringList before = p.roomsShown();
            const std::size_t position = p.window.form().document().history().position();
            if (op.answer) {
                op.answer();
            }
            p.entry(op.entry)->trigger();
            const QStringList after = p.roomsShown();
            QVERIFY2(after != before, op.entry);
            QVERIFY2(p.window.form().document().history().position() == position + 1, op.entry);
            p.key(Qt::CTRL | Qt::Key_Z);
            QCOMPARE(p.roomsShown(), before);
            p.key(Qt::CTRL | Qt::Key_Y);
            QCOMPARE(p.roomsShown(), after);
        }
    }
};

QTEST_MAIN(RoomsTest)
#include "rooms_test.moc"
