// The program's window on the offscreen platform: its menus and title, undo
// and redo of whole user actions, the file commands with their questions,
// bad files and failed saves, recent files and dropped files. The questions
// are answered by the test; message boxes are recorded.

#include "app/form_look.h"
#include "project/startup_form.h"
#include "window_test_support.h"

#include <unistd.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <cerrno>
#include <functional>

using namespace gelvant;
using namespace gelvant::testing_window;

namespace {

const QString kFile = QStringLiteral("文件(&F)");
const QString kEdit = QStringLiteral("编辑(&E)");

// A window as the program starts it, on screen, without a recovery store.
struct Session {
    RecordingPresenter messages;
    ScriptedPrompts prompts;
    CMainWindow window{messages, prompts};

    bool start(const QString& file = {}) {
        window.start(file);
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
    QLineEdit& box(const char* name) { return *window.form().box(fieldNamed(name)); }
    void trigger(const QString& menu, const char* entry) {
        QAction* action = menuEntry(window, menu, QString::fromUtf8(entry));
        QVERIFY2(action != nullptr, entry);
        action->trigger();
    }
    bool modified() const { return window.form().document().isModified(); }
};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
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
    // design; the window with its menu and a title bar fits a 1280x800
    // screen above a 40-pixel panel.
    void menusTitleAndSize() {
        Session s;
        QVERIFY(s.start());
        struct Entry {
            const QString& menu;
            const char* text;
            QList<QKeySequence> keys;
        };
        const QString help = QStringLiteral("帮助(&H)");
        const Entry entries[] = {
            {kFile, "新建(&N)", {QKeySequence(Qt::CTRL | Qt::Key_N)}},
            {kFile, "打开(&O)...", {QKeySequence(Qt::CTRL | Qt::Key_O)}},
            {kFile, "最近打开的文件(&R)", {}},
            {kFile, "保存(&S)", {QKeySequence(Qt::CTRL | Qt::Key_S)}},
            {kFile, "另存为(&A)...", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
            {kFile, "导出计算书(PDF)...", {QKeySequence(Qt::CTRL | Qt::Key_E)}},
            {kFile, "打印预览...", {}},
            {kFile, "打印...", {QKeySequence(Qt::CTRL | Qt::Key_P)}},
            {kFile, "导出结果(CSV)...", {}},
            {kFile, "项目信息(&I)...", {}},
            {kFile, "退出(&X)", {QKeySequence(Qt::CTRL | Qt::Key_Q)}},
            {kEdit, "撤销(&U)", {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
            {kEdit,
             "重做(&R)",
             {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
            {kEdit, "复制结果", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}},
            {help, "关于 Gelvant(&A)...", {QKeySequence(Qt::Key_F1)}},
        };
        for (const Entry& entry : entries) {
            const QAction* action = menuEntry(s.window, entry.menu, QString::fromUtf8(entry.text));
            QVERIFY2(action != nullptr, entry.text);
            QCOMPARE(action->shortcuts(), entry.keys);
        }
        QTest::keyClick(&s.window, Qt::Key_F1); // one About, though the form offers it too
        QCOMPARE(s.messages.aboutBoxes, 1);

        QCOMPARE(s.window.windowTitle(), QStringLiteral("无标题[*]"));
        QCOMPARE(s.window.windowHandle()->title(), QStringLiteral("无标题"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Gelvant"));
        typeInto(s.box("storeLength"), QStringLiteral("9"));
        QCOMPARE(s.window.windowHandle()->title(), QStringLiteral("无标题*"));

        QCOMPARE(s.window.minimumSize(), s.window.maximumSize());
        QVERIFY(s.window.menuBar()->isVisible());
        // The frame as the platform reports it, and at least a 38-pixel title
        // bar and 1-pixel borders (offscreen reports a thin frame only).
        const QRect framed = s.window.frameGeometry();
        const QRect inner = s.window.geometry();
        const QSize outer = inner.size().grownBy(QMargins(
            std::max(inner.left() - framed.left(), 1), std::max(inner.top() - framed.top(), 38),
            std::max(framed.right() - inner.right(), 1),
            std::max(framed.bottom() - inner.bottom(), 1)));
        QVERIFY2(outer.width() <= 1280 && outer.height() <= 800 - 40,
                 qPrintable(QStringLiteral("%1x%2").arg(outer.width()).arg(outer.height())));
    }

    // Each user action is one step; undo gives back the whole form as it
    // was, and redo the form after it. Ctrl+Z and Ctrl+Y act on the form
    // while a box has the focus, even the box being typed into.
    void eachUserActionIsOneUndoStep() {
        using Act = std::function<void(Session&)>;
        struct Case {
            const char* name;
            Act prepare;
            Act act;
        };
        const Act nothing = [](Session&) {};
        const Case cases[] = {
            {"keys typed into one box", nothing,
             [](Session& s) { typeInto(s.box("storeLength"), QStringLiteral("81")); }},
            {"a list pick", nothing,
             [](Session& s) { pick(*s.window.form().list(ctl::siteChoice), 3); }},
            {"keys typed over a list", nothing,
             [](Session& s) {
                 typeInto(*s.window.form().list(ctl::siteChoice)->lineEdit(), QStringLiteral("xy"));
             }},
            {"the compute button",
             [](Session& s) { typeInto(s.box("storeLength"), QStringLiteral("9")); },
             [](Session& s) { s.window.form().button(ctl::computeButton)->click(); }},
            {"the reference apply",
             [](Session& s) { pick(*s.window.form().list(ctl::referenceList), 5); },
             [](Session& s) { s.window.form().button(ctl::applyReferenceButton)->click(); }},
            {"the project information", nothing,
             [](Session& s) {
                 s.prompts.info = ProjectInfo{"冷库一期", "某设计院", "李工", "2026-12-07", ""};
                 s.trigger(kFile, "项目信息(&I)...");
             }},
        };
        for (const Case& c : cases) {
            Session s;
            QVERIFY(s.start());
            c.prepare(s);
            s.box("storeWidth").setFocus(); // ends a typing run of the preparation
            const Project before = s.window.form().document().project();
            const QStringList shownBefore = shownDesign(s.window);
            const std::size_t steps = s.window.form().document().history().size();
            c.act(s);
            QVERIFY2(s.window.form().document().history().size() == steps + 1, c.name);
            const QStringList shownAfter = shownDesign(s.window);
            const ProjectInfo infoAfter = s.window.form().document().project().info;

            auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            if (focused == nullptr || !focused->isVisible()) {
                focused = &s.box("storeWidth");
                focused->setFocus();
            }
            QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(s.window.form().model().captureState().sameForm(*before.currentRoom().form),
                     c.name);
            QVERIFY2(s.window.form().document().project().info == before.info, c.name);
            QCOMPARE(shownDesign(s.window), shownBefore);
            QTest::keyClick(focused, Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(shownDesign(s.window), shownAfter);
            QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(shownDesign(s.window), shownAfter);
            QVERIFY2(s.window.form().document().project().info == infoAfter, c.name);
        }
    }

    // Keys in one box are one step until the designer leaves it; 200 steps
    // and more can be undone; a new action after undo drops the redo steps.
    void typingRunsAndTheDepthOfTheHistory() {
        Session s;
        QVERIFY(s.start());
        QLineEdit& length = s.box("storeLength");
        typeInto(length, QStringLiteral("12"));
        s.box("storeWidth").setFocus();
        typeInto(length, QStringLiteral("34"));
        QCOMPARE(s.window.form().document().history().size(), std::size_t{2});

        for (int i = 0; i < 210; ++i) {
            typeInto(i % 2 == 0 ? s.box("storeWidth") : length, QString::number(10 + i));
        }
        QAction* undo = s.window.form().undoAction();
        for (int i = 0; i < 200; ++i) {
            QVERIFY(undo->isEnabled());
            undo->trigger();
        }
        QCOMPARE(length.text(), QStringLiteral("19")); // as typed in the tenth step
        QCOMPARE(s.box("storeWidth").text(), QStringLiteral("18"));
        QVERIFY(s.window.form().redoAction()->isEnabled());
        pick(*s.window.form().list(ctl::siteChoice), 3);
        QVERIFY(!s.window.form().redoAction()->isEnabled());
    }

    // 新建, 打开 and 退出 with unsaved changes ask first: 取消 keeps
    // everything, 不保存 goes on, 保存 saves and goes on. A design undone
    // back to what was saved asks nothing.
    void unsavedChangesAreAskedAbout() {
        const char* commands[] = {"新建(&N)", "打开(&O)...", "退出(&X)"};
        const UnsavedChoice answers[] = {UnsavedChoice::Cancel, UnsavedChoice::Discard,
                                         UnsavedChoice::Save};
        for (const char* command : commands) {
            for (const UnsavedChoice answer : answers) {
                QTemporaryDir dir;
                Session s;
                QVERIFY(s.start());
                const std::size_t messages = s.messages.messages.size();
                typeInto(s.box("storeLength"), QStringLiteral("7"));
                const QStringList before = shownDesign(s.window);
                s.prompts.unsaved = answer;
                s.prompts.openPath = writeDesign(dir.filePath(QStringLiteral("其他.gelvant")));
                s.prompts.savePath = dir.filePath(QStringLiteral("保存.gelvant"));
                s.trigger(kFile, command);
                QCOMPARE(s.prompts.unsavedAsked, QStringList{QStringLiteral("无标题")});
                QCOMPARE(QFile::exists(s.prompts.savePath), answer == UnsavedChoice::Save);
                if (answer == UnsavedChoice::Cancel) {
                    QCOMPARE(shownDesign(s.window), before);
                    QVERIFY(s.window.isVisible());
                    continue;
                }
                const QString name = QString::fromUtf8(command);
                if (name.startsWith(QStringLiteral("新建"))) {
                    QVERIFY(s.window.form().model().captureState().sameForm(*startupForm()));
                    QVERIFY(!s.modified());
                    QCOMPARE(s.messages.messages.size(), messages); // no welcome box again
                } else if (name.startsWith(QStringLiteral("打开"))) {
                    QCOMPARE(s.window.filePath(), s.prompts.openPath);
                    QCOMPARE(s.box("storeLength").text(), QStringLiteral("9"));
                } else {
                    QVERIFY(!s.window.isVisible());
                }
            }
        }

        Session s;
        QVERIFY(s.start());
        QTemporaryDir dir;
        s.prompts.savePath = dir.filePath(QStringLiteral("a.gelvant"));
        typeInto(s.box("storeLength"), QStringLiteral("7"));
        s.trigger(kFile, "保存(&S)");
        typeInto(s.box("storeLength"), QStringLiteral("8"));
        QVERIFY(s.modified());
        s.window.form().undoAction()->trigger();
        QVERIFY(!s.modified());
        QVERIFY(s.window.close());
        QVERIFY(s.prompts.unsavedAsked.isEmpty());
    }

    // Started with a file, the program shows it without the welcome box;
    // started without, the welcome box comes first.
    void startUpWithAndWithoutAFile() {
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
            QVERIFY(!s.modified());
            QCOMPARE(s.box("storeLength").text(),
                     given.isEmpty() ? QStringLiteral("50") : QStringLiteral("9"));
        }
    }

    // A file that cannot be opened is named with its reason and changes
    // nothing, asking nothing; a file with lists that cannot be restored
    // opens and says which, in one box.
    void badFilesChangeNothing() {
        QTemporaryDir dir;
        const auto file = [&](const char* name, const QByteArray& bytes) {
            const QString path = dir.filePath(QString::fromUtf8(name));
            writeBytes(path, bytes);
            return path;
        };
        const QString files[] = {
            dir.filePath(QStringLiteral("不存在.gelvant")),
            dir.path(),
            file("empty.gelvant", ""),
            file("broken.gelvant", "{\"format\": \"gelvant-design\",\n  \"version\": "),
            file("other.gelvant", "{\"format\": \"table\"}"),
            file("newer.gelvant", "{\"format\": \"gelvant-design\", \"version\": 99}"),
        };
        Session s;
        QVERIFY(s.start());
        typeInto(s.box("storeLength"), QStringLiteral("7"));
        const QStringList before = shownDesign(s.window);
        for (const QString& path : files) {
            s.messages.messages.clear();
            QVERIFY(!s.window.openFile(path));
            const auto error = openDesignFile(QFile::encodeName(path).toStdString()).error;
            QVERIFY(error.has_value());
            QCOMPARE(s.messages.messages.size(), std::size_t{1});
            QVERIFY2(qs(s.messages.messages.front().text).endsWith(qs(describeInChinese(*error))),
                     qPrintable(path));
            QCOMPARE(shownDesign(s.window), before);
            QVERIFY(s.prompts.unsavedAsked.isEmpty());
        }

        const QString moved = writeDesign(dir.filePath(QStringLiteral("moved.gelvant")));
        QJsonObject top = QJsonDocument::fromJson(bytesOf(moved)).object();
        QJsonObject room = top[QStringLiteral("rooms")].toArray()[0].toObject();
        QJsonObject lists = room[QStringLiteral("lists")].toObject();
        lists[QStringLiteral("siteChoice")] = QJsonObject{
            {QStringLiteral("index"), 999}, {QStringLiteral("text"), QStringLiteral("火星")}};
        room[QStringLiteral("lists")] = lists;
        top[QStringLiteral("rooms")] = QJsonArray{room};
        writeBytes(moved, QJsonDocument(top).toJson());
        s.messages.messages.clear();
        s.prompts.unsaved = UnsavedChoice::Discard;
        QVERIFY(s.window.openFile(moved));
        const auto opened = openDesignFile(QFile::encodeName(moved).toStdString()).design;
        QCOMPARE(s.messages.messages.size(), std::size_t{1});
        QCOMPARE(s.messages.messages.front().text, unrestoredListsText(opened->unrestoredLists));
        QCOMPARE(s.window.form().model().currentIndex(ctl::siteChoice), -1);
    }

    // A save that fails says why, leaves the old file as it was and the
    // design unsaved.
    void failedSavesSayWhyAndKeepTheOldFile() {
        static const FileSystemCalls fullDisk{fullDiskWrite, systemFileCalls().sync,
                                              systemFileCalls().rename};
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ro")));
        QFile::setPermissions(dir.filePath(QStringLiteral("ro")),
                              QFile::ReadOwner | QFile::ExeOwner);
        struct Case {
            const char* name;
            QString path;
            const FileSystemCalls& calls;
            const char* reason;
        };
        const Case cases[] = {
            {"full disk", writeDesign(dir.filePath(QStringLiteral("old.gelvant"))), fullDisk,
             "磁盘空间不足"},
            {"path too long", dir.filePath(QString(300, QChar(0x957F)) + ".gelvant"),
             systemFileCalls(), "太长"},
            {"read-only folder", dir.filePath(QStringLiteral("ro/new.gelvant")), systemFileCalls(),
             "只读"},
        };
        for (const Case& c : cases) {
            if (QByteArray(c.name) == "read-only folder" && ::geteuid() == 0) {
                qInfo("read-only folder: the super-user writes anywhere, not checked");
                continue;
            }
            const QByteArray old = bytesOf(c.path);
            Session s;
            QVERIFY(s.start());
            s.window.setFileSystemCalls(c.calls);
            typeInto(s.box("storeLength"), QStringLiteral("7"));
            s.prompts.savePath = c.path;
            s.messages.messages.clear();
            s.trigger(kFile, "另存为(&A)...");
            QCOMPARE(s.messages.messages.size(), std::size_t{1});
            QVERIFY2(qs(s.messages.messages.front().text).contains(QString::fromUtf8(c.reason)),
                     c.name);
            QCOMPARE(bytesOf(c.path), old);
            QVERIFY(s.modified());
            QVERIFY(s.window.isWindowModified());
            QCOMPARE(s.window.filePath(), QString());
        }
        QVERIFY(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).size() ==
                1); // no temporaries
    }

    // The last eight files, newest first; missing ones greyed and removable.
    void recentFiles() {
        QSettings(QStringLiteral("gelvant"), QStringLiteral("gelvant")).clear();
        QTemporaryDir dir;
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
    }

    // A design file dragged over a box is the window's to open, not text.
    void aDroppedFileOpens() {
        QTemporaryDir dir;
        const QString file = writeDesign(dir.filePath(QStringLiteral("拖放.gelvant")), "11");
        Session s;
        QVERIFY(s.start());
        QLineEdit& box = s.box("storeWidth");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPoint at = box.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(s.window.mapFromGlobal(box.mapToGlobal(at)), Qt::CopyAction, &data,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&s.window, &drop);
        QTRY_COMPARE(s.window.filePath(), file);
        QCOMPARE(s.box("storeLength").text(), QStringLiteral("11"));
    }

    // The program's questions are modal boxes whose buttons give the answers.
    void theQuestionsAreModalBoxes() {
        const auto clickWhenShown = [](const char* button) {
            QTimer::singleShot(0, [button] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                for (QAbstractButton* shown : box->buttons()) {
                    if (shown->text() == QString::fromUtf8(button)) {
                        shown->click();
                    }
                }
            });
        };
        DialogPrompts prompts;
        const std::pair<const char*, UnsavedChoice> unsaved[] = {
            {"保存(&S)", UnsavedChoice::Save},
            {"不保存(&N)", UnsavedChoice::Discard},
            {"取消", UnsavedChoice::Cancel}};
        for (const auto& [button, choice] : unsaved) {
            clickWhenShown(button);
            QCOMPARE(prompts.askUnsaved(QStringLiteral("冷库.gelvant")), choice);
        }
        for (const auto& [button, restore] : {std::pair{"恢复(&R)", true}, {"放弃(&D)", false}}) {
            clickWhenShown(button);
            QCOMPARE(prompts.askRestore(QStringLiteral("恢复吗？")), restore);
        }
    }
};

int main(int argc, char** argv) {
    // Recent files go to a settings folder of the test's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    applyFormLook(app);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
