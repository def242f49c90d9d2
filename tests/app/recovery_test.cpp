// Unsaved changes kept safe from a real crash: the test runs itself as the
// program in a child, makes a change, kills it, starts again.

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
    DesignSession session(messages);
    MainWindow window(session, messages, prompts);
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
    prompts.unsaved = Answer::Discard;
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
        QCOMPARE(QDir(stateHome + "/gelvant").entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

int gelvant::testing_window::runRecoveryTests(int argc, char** argv) {
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_test.moc"
