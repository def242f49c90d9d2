// Unsaved changes kept safe from a crash: the recovery file follows the
// changes, leaves with a save, an undo back to the saved design or a close,
// and is offered back at the next start. The crash is real: the test runs
// itself as the program in a child, makes a change, kills it, starts again.

#include "app/recovery_store.h"
#include "window_test_support.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <csignal>

using namespace gelvant;
using namespace gelvant::testing_window;

namespace {

const QString kEnd = QStringLiteral("-- end --");

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

QStringList recoveryFiles(const QString& stateHome) {
    return QDir(stateHome + "/gelvant")
        .entryList({QStringLiteral("recovery-*.gelvant")}, QDir::Files);
}

} // namespace

// The program as it starts, with this test's answers: "change" opens the
// file given, types into a box, picks a site, shows the design and waits to
// be killed; "restore" starts with no file, restores what it is offered,
// shows the design and the question, and closes without saving.
int gelvant::testing_window::runRecoveryChild(const QByteArray& mode,
                                              const QStringList& arguments) {
    RecordingPresenter messages;
    ScriptedPrompts prompts;
    RecoveryStore store;
    CMainWindow window(messages, prompts);
    window.setRecoveryStore(&store);
    window.start(arguments.value(1));
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) {
        return 3;
    }
    QTextStream out(stdout);
    if (mode == "change") {
        typeInto(*window.form().box(fieldNamed("storeLength")), QStringLiteral("8"));
        pick(*window.form().list(ctl::siteChoice), 3);
        out << shownDesign(window).join('\n') << '\n' << kEnd << Qt::endl;
        return QApplication::exec();
    }
    out << prompts.restoreAsked.join('|').replace('\n', ' ') << '\n'
        << shownDesign(window).join('\n') << '\n'
        << kEnd << Qt::endl;
    prompts.unsaved = UnsavedChoice::Discard;
    window.close();
    return prompts.unsavedAsked.size() == 1 ? 0 : 4;
}

namespace {

// What a child showed, line by line, once it has shown all of it.
QStringList shownBy(QProcess& child) {
    QByteArray output;
    while (!output.contains(kEnd.toUtf8()) && child.waitForReadyRead(30000)) {
        output += child.readAllStandardOutput();
    }
    QStringList lines = QString::fromUtf8(output).split('\n');
    return lines.mid(0, lines.indexOf(kEnd));
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void theRecoveryFileFollowsUnsavedChanges() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("state"));
        RecoveryStore store(folder);
        Session s;
        s.window.setRecoveryStore(&store);
        QVERIFY(s.start());
        QLineEdit& length = s.box("storeLength");

        typeInto(length, QStringLiteral("8"));
        QVERIFY(!QFile::exists(store.file())); // a pause after the change
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store.file()), 4000);
        auto kept = openDesignFile(QFile::encodeName(store.file()).toStdString());
        QVERIFY(kept.design.has_value());
        QVERIFY(kept.design->project.currentRoom().form->sameForm(
            s.window.form().model().captureState()));
        QCOMPARE(qs(kept.design->recoveredFrom), QString());

        // A save takes it away; the next change names the saved file.
        s.prompts.savePath = dir.filePath(QStringLiteral("冷库.gelvant"));
        QVERIFY(s.window.saveAs());
        QVERIFY(!QFile::exists(store.file()));
        typeInto(length, QStringLiteral("9"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store.file()), 4000);
        kept = openDesignFile(QFile::encodeName(store.file()).toStdString());
        QCOMPARE(qs(kept.design->recoveredFrom), s.prompts.savePath);

        // Undone back to the saved design, or closed without saving: gone,
        // and its lock with it.
        s.window.form().undoAction()->trigger();
        QVERIFY(!QFile::exists(store.file()));
        typeInto(length, QStringLiteral("7"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store.file()), 4000);
        s.prompts.unsaved = UnsavedChoice::Discard;
        QVERIFY(s.window.close());
        QCOMPARE(filesIn(folder), QStringList());
    }

    // The program, killed after its recovery write, started again: the
    // design comes back as it was, unsaved, under its file's name.
    void aCrashLosesNothing() {
        QTemporaryDir dir;
        const QString stateHome = dir.filePath(QStringLiteral("state"));
        const QString design = writeDesign(dir.filePath(QStringLiteral("冷库.gelvant")));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

        QProcess first;
        env.insert(QString::fromLatin1(kRecoveryChild), QStringLiteral("change"));
        first.setProcessEnvironment(env);
        first.start(QCoreApplication::applicationFilePath(), {design});
        const QStringList changed = shownBy(first);
        QVERIFY2(changed.contains(QStringLiteral("storeLength=8")), qPrintable(changed.join('\n')));
        QCOMPARE(changed.front(), QStringLiteral("冷库.gelvant[*] modified"));
        QTRY_VERIFY_WITH_TIMEOUT(!recoveryFiles(stateHome).isEmpty(), 20000);
        ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished());
        QCOMPARE(first.exitStatus(), QProcess::CrashExit);

        QProcess second;
        env.insert(QString::fromLatin1(kRecoveryChild), QStringLiteral("restore"));
        second.setProcessEnvironment(env);
        second.start(QCoreApplication::applicationFilePath(), QStringList{});
        const QStringList restored = shownBy(second);
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(!restored.isEmpty() && restored.front().contains(QStringLiteral("“冷库.gelvant”")),
                 qPrintable(restored.join('\n')));
        QCOMPARE(restored.mid(1), changed);
        QCOMPARE(filesIn(stateHome + "/gelvant"), QStringList());
    }
};

int gelvant::testing_window::runRecoveryTests(int argc, char** argv) {
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_test.moc"
