// The program's window: menus, title and size, undo of whole user actions,
// the file commands with their questions, bad files, failed saves, files
// given or dropped; and the window tests' program, which runs every suite.

#include "app/command_actions.h"
#include "app/form_look.h"
#include "app/recovery_store.h"
#include "app/room_selector.h"
#include "project/startup_form.h"
#include "session/view_texts.h"
#include "window_test_support.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <cerrno>
#include <functional>

using namespace gelvant;
using namespace gelvant::testing_window;

namespace {

const char* const kFile = "文件(&F)";

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

long fullDiskWrite(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The menus carry the commands with their keys; the title names the
    // design with a mark for unsaved changes; the window with its menu and
    // a title bar fits a 1280x800 screen above a 40-pixel panel.
    void menusTitleAndSize() {
        Session s;
        QVERIFY(s.start());
        // Every menu of the table and every entry the window offers, with its keys.
        QList<QAction*> titles = s.window.menuBar()->actions();
        // 语言, the window's own, stands before 帮助.
        QCOMPARE(titles.takeAt(titles.size() - 2)->text(),
                 windowLabel(view_text::kLanguageMenu, view_text::kLanguageMenuKey));
        QCOMPARE(titles.size(), static_cast<qsizetype>(kMenus.size()));
        for (std::size_t m = 0; m < kMenus.size(); ++m) {
            QCOMPARE(titles[m]->text(), windowLabel(kMenus[m].title, kMenus[m].accessKey));
            for (const MenuItem& item : menuItemsIn(kMenus[m], kInWindow)) {
                if (item.kind != MenuItem::Kind::Entry) {
                    continue;
                }
                const CommandDef& def = commandDef(item.command);
                const QAction* action =
                    menuEntry(s.window, titles[m]->text(), windowLabel(def.label, def.accessKey));
                QVERIFY2(action != nullptr, def.name.data());
                QCOMPARE(QKeySequence::listToString(action->shortcuts()),
                         qs(def.windowKeys).replace(QStringLiteral(", "), QStringLiteral("; ")));
            }
        }
        QVERIFY(menuEntry(s.window, "文件(&F)", "打开(&O)...") != nullptr);
        QCOMPARE(s.window.menuBar()->cornerWidget(), &s.window.roomSelector());
        QTest::keyClick(&s.window, Qt::Key_F1); // one About, though the form offers it too
        QCOMPARE(s.messages.aboutBoxes, 1);

        QCOMPARE(s.window.windowHandle()->title(), QStringLiteral("无标题"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Gelvant"));
        s.type("storeLength", "9");
        QCOMPARE(s.window.windowHandle()->title(), QStringLiteral("无标题*"));

        QCOMPARE(s.window.minimumSize(), s.window.maximumSize());
        QVERIFY(s.window.menuBar()->isVisible());
        // Offscreen reports a thin frame: at least a 38-pixel title bar and 1-pixel borders.
        const QRect f = s.window.frameGeometry(), g = s.window.geometry();
        const int w =
            g.width() + std::max(g.left() - f.left(), 1) + std::max(f.right() - g.right(), 1);
        const int h =
            g.height() + std::max(g.top() - f.top(), 38) + std::max(f.bottom() - g.bottom(), 1);
        QVERIFY2(w <= 1280 && h <= 800 - 40, qPrintable(QStringLiteral("%1x%2").arg(w).arg(h)));
    }

    // Each user action is one step; undo gives back the whole form as it
    // was, and redo the form after it. Ctrl+Z and Ctrl+Y act on the form
    // while a box has the focus, even the box being typed into.
    void eachUserActionIsOneUndoStep() {
        using Act = std::function<void(Session&)>;
        const Act nothing = [](Session&) {};
        const struct {
            const char* name;
            Act prepare;
            Act act;
        } cases[] = {
            {"keys typed into one box", nothing, [](Session& s) { s.type("storeLength", "81"); }},
            {"a list pick", nothing, [](Session& s) { pick(*s.form().list(ctl::siteChoice), 3); }},
            {"keys typed over a list", nothing,
             [](Session& s) { typeInto(*s.form().list(ctl::siteChoice)->lineEdit(), "xy"); }},
            {"the compute button", [](Session& s) { s.type("storeLength", "9"); },
             [](Session& s) { s.form().button(ctl::computeButton)->click(); }},
            {"the reference apply", [](Session& s) { pick(*s.form().list(ctl::referenceList), 5); },
             [](Session& s) { s.form().button(ctl::applyReferenceButton)->click(); }},
            {"the project information", nothing,
             [](Session& s) {
                 s.prompts.info = ProjectInfo{};
                 s.prompts.info->name = "冷库一期";
                 s.prompts.info->company = "某设计院";
                 s.prompts.info->designer = "李工";
                 s.prompts.info->date = "2026-12-07";
                 s.trigger(kFile, "项目信息(&I)...");
             }},
        };
        for (const auto& c : cases) {
            Session s;
            QVERIFY(s.start());
            c.prepare(s);
            s.box("storeWidth").setFocus(); // ends a typing run of the preparation
            const Project before = s.window.session().project();
            const QStringList shownBefore = shownDesign(s.window);
            const std::size_t steps = s.steps();
            c.act(s);
            QVERIFY2(s.steps() == steps + 1, c.name);
            const QStringList shownAfter = shownDesign(s.window);
            const ProjectInfo infoAfter = s.window.session().project().info;

            auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            if (focused == nullptr || !focused->isVisible()) {
                focused = &s.box("storeWidth");
                focused->setFocus();
            }
            QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(s.form().model().captureState().sameForm(*before.currentRoom().form), c.name);
            QVERIFY2(s.window.session().project().info == before.info, c.name);
            QCOMPARE(shownDesign(s.window), shownBefore);
            QTest::keyClick(focused, Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(shownDesign(s.window), shownAfter);
            QVERIFY2(s.window.session().project().info == infoAfter, c.name);
        }
    }

    // 新建, 打开 and 退出 with unsaved changes ask first: 取消 keeps
    // everything, 不保存 goes on, 保存 saves and goes on.
    void unsavedChangesAreAskedAbout() {
        const Answer answers[] = {Answer::Cancel, Answer::Discard, Answer::Save};
        for (const char* command : {"新建(&N)", "打开(&O)...", "退出(&X)"}) {
            for (const Answer answer : answers) {
                QTemporaryDir dir;
                Session s;
                QVERIFY(s.start());
                const std::size_t messages = s.messages.messages.size();
                s.type("storeLength", "7");
                const QStringList before = shownDesign(s.window);
                s.prompts.unsaved = answer;
                s.prompts.openPath = writeDesign(dir.filePath(QStringLiteral("其他.gelvant")));
                s.prompts.savePath = dir.filePath(QStringLiteral("保存.gelvant"));
                s.trigger(kFile, command);
                QCOMPARE(s.prompts.unsavedAsked,
                         QStringList{QStringLiteral("设计“无标题”已修改。\n要保存修改吗？")});
                QCOMPARE(QFile::exists(s.prompts.savePath), answer == Answer::Save);
                const QString name = QString::fromUtf8(command);
                if (answer == Answer::Cancel) {
                    QCOMPARE(shownDesign(s.window), before);
                    QVERIFY(s.window.isVisible());
                } else if (name.startsWith(QStringLiteral("新建"))) {
                    QVERIFY(s.form().model().captureState().sameForm(*startupForm()));
                    QVERIFY(!s.window.session().isModified());
                    QCOMPARE(s.messages.messages.size(), messages); // no welcome box again
                } else if (name.startsWith(QStringLiteral("打开"))) {
                    QCOMPARE(s.window.filePath(), s.prompts.openPath);
                    QCOMPARE(s.box("storeLength").text(), QStringLiteral("9"));
                } else {
                    QVERIFY(!s.window.isVisible());
                }
            }
        }
    }

    // The last eight files, a missing one greyed and removable, an entry
    // reopening its file.
    void recentFiles() {
        QSettings(QStringLiteral("gelvant"), QStringLiteral("gelvant")).clear();
        QTemporaryDir dir;
        RecoveryStore store(dir.filePath(QStringLiteral("state")));
        Session s;
        QVERIFY(s.start());
        QStringList saved;
        for (int i = 0; i < 10; ++i) {
            s.prompts.savePath = dir.filePath(QStringLiteral("f%1").arg(i)); // suffix added
            s.trigger(kFile, "另存为(&A)...");
            saved.prepend(s.prompts.savePath + ".gelvant");
        }
        QCOMPARE(s.window.recentFiles(), saved.mid(0, 8));
        QVERIFY(QFile::remove(saved[3]));
        emit s.window.recentMenu()->aboutToShow();
        const QList<QAction*> entries = s.window.recentMenu()->actions();
        for (int i = 0; i < 8; ++i) {
            QVERIFY(entries[i]->text().endsWith(saved[i]));
            QCOMPARE(entries[i]->isEnabled(), i != 3);
        }
        entries.back()->trigger(); // 移除找不到的文件
        QCOMPARE(s.window.recentFiles().size(), 7);
        QVERIFY(!s.window.recentFiles().contains(saved[3]));
        emit s.window.recentMenu()->aboutToShow();
        s.window.recentMenu()->actions()[5]->trigger();
        QCOMPARE(s.window.filePath(), saved[6]);
        QCOMPARE(s.window.recentFiles().front(), saved[6]);

        // The recovery file follows a change and goes with the save.
        s.window.setRecoveryStore(&store);
        s.type("storeLength", "8");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store.file()), 4000);
        QVERIFY(s.window.save());
        QVERIFY(!QFile::exists(store.file()));
    }

    // `gelvant FILE` shows the file without the welcome box; without a file
    // the welcome box comes first; a file dropped on a box opens too.
    void aFileGivenOrDroppedOpens() {
        QTemporaryDir dir;
        const QString file = writeDesign(dir.filePath(QStringLiteral("冷库.gelvant")));
        for (const QString& given : {QString(), file}) {
            Session s;
            QVERIFY(s.start(given));
            const bool welcomed =
                std::any_of(s.messages.messages.begin(), s.messages.messages.end(),
                            [](const Message& m) { return m.caption == caption::welcome; });
            QCOMPARE(welcomed, given.isEmpty());
            QCOMPARE(s.window.filePath(), given);
            QCOMPARE(s.window.windowTitle(), given.isEmpty() ? QStringLiteral("无标题[*]")
                                                             : QStringLiteral("冷库.gelvant[*]"));
            QVERIFY(!s.window.session().isModified());
            QCOMPARE(s.box("storeLength").text(), given.isEmpty() ? "50" : "9");
        }

        const QString dropped = writeDesign(dir.filePath(QStringLiteral("拖放.gelvant")), "11");
        Session s;
        QVERIFY(s.start());
        QLineEdit& box = s.box("storeWidth");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dropped)});
        const QPoint at = box.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &enter);
        QVERIFY(enter.isAccepted()); // the window's to open, not text for the box
        QDropEvent drop(s.window.mapFromGlobal(box.mapToGlobal(at)), Qt::CopyAction, &data,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&s.window, &drop);
        QTRY_COMPARE(s.window.filePath(), dropped);
        QCOMPARE(s.box("storeLength").text(), QStringLiteral("11"));
    }

    // A file that cannot be opened, or saved for a full disk, is named with
    // its reason and changes nothing, asking nothing: the design as it was
    // and unsaved, the old file as it was, no temporary beside it (the core
    // tests every kind of bad file and failed save).
    void filesThatCannotBeReadOrWrittenChangeNothing() {
        static const FileSystemCalls fullDisk{fullDiskWrite, systemFileCalls().sync,
                                              systemFileCalls().rename};
        QTemporaryDir dir;
        const QString old = writeDesign(dir.filePath(QStringLiteral("old.gelvant")));
        const QByteArray oldBytes = bytesOf(old);
        Session s;
        QVERIFY(s.start());
        s.window.setFileSystemCalls(fullDisk);
        s.type("storeLength", "7");
        const QStringList before = shownDesign(s.window);
        const QString missing = dir.filePath(QStringLiteral("不存在.gelvant"));
        const auto missingError = openDesignFile(QFile::encodeName(missing).toStdString()).error;
        QVERIFY(missingError.has_value());
        const struct {
            const char* name;
            std::function<void()> act;
            QString reason;
        } cases[] = {
            {"missing file", [&] { QVERIFY(!s.window.openFile(missing)); },
             qs(describeInChinese(*missingError))},
            {"full disk",
             [&] {
                 s.prompts.savePath = old;
                 s.trigger(kFile, "另存为(&A)...");
             },
             QStringLiteral("磁盘空间不足")},
        };
        for (const auto& c : cases) {
            s.messages.messages.clear();
            c.act();
            QCOMPARE(s.messages.messages.size(), std::size_t{1});
            QVERIFY2(qs(s.messages.messages.front().text).contains(c.reason), c.name);
            QCOMPARE(shownDesign(s.window), before);
            QVERIFY(s.prompts.unsavedAsked.isEmpty());
            QCOMPARE(bytesOf(old), oldBytes);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files),
                     QStringList{"old.gelvant"});
            QVERIFY(s.window.session().isModified());
            QCOMPARE(s.window.filePath(), QString());
        }
    }
};

int gelvant::testing_window::runMainWindowTests(int argc, char** argv) {
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

int main(int argc, char** argv) {
    const QByteArray child = qgetenv(kRecoveryChild);
    // Recent and recovery files go to folders of the test's own (a child has
    // them from its parent).
    QTemporaryDir config;
    QTemporaryDir state;
    if (child.isEmpty()) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    applyFormLook();
    if (!child.isEmpty()) {
        return runRecoveryChild(child, QApplication::arguments());
    }
    int failed = 0;
    for (const auto suite :
         {runDesignWindowTests, runMainWindowTests, runRoomsTests, runRecoveryTests,
          runReportWindowTests, runMachineLoadWindowTests, runLanguageWindowTests}) {
        failed += suite(argc, argv);
    }
    return failed;
}

#include "main_window_test.moc"
