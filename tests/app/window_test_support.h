#pragma once

// What the window tests share: answers to the file commands' questions, the
// program's window on screen, the form as text, and a designer who types.

#include "app/design_window.h"
#include "app/document_prompts.h"
#include "app/main_window.h"
#include "document/design_file_io.h"
#include "form/controls.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>

namespace gelvant::testing_window {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Answers every question as told, and records what was asked.
class ScriptedPrompts final : public DocumentPrompts {
public:
    // The recovery offer is always taken; unsaved changes are answered as told.
    Answer ask(const Question& question) override {
        const bool recovery = question.buttons.front().answer == Answer::Restore;
        (recovery ? restoreAsked : unsavedAsked) << qs(question.text);
        return recovery ? Answer::Restore : unsaved;
    }
    QString askOpenFile(const QString&) override { return openPath; }
    QString askSaveFile(const QString&) override { return savePath; }
    std::optional<ProjectInfo> askProjectInfo(const ProjectInfo&) override { return info; }

    Answer unsaved = Answer::Cancel;
    QString openPath;
    QString savePath;
    std::optional<ProjectInfo> info;
    QStringList unsavedAsked;
    QStringList restoreAsked;
};

// The table holds exactly the rows' texts, cell for cell.
template <class Rows> void tableShowsRows(const QTableWidget& table, const Rows& rows) {
    QCOMPARE(table.rowCount(), static_cast<int>(rows.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            QCOMPARE(table.item(row, column)->text(),
                     qs(rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]));
        }
    }
}

inline std::size_t fieldNamed(const char* name) {
    return *fieldIndexByName(name);
}

// Runs `answer` on the modal dialog that the test's next action opens.
template <typename Dialog> void answerNextDialog(const std::function<void(Dialog&)>& answer) {
    QTimer::singleShot(0, [answer] {
        auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(modal != nullptr);
        answer(*modal);
    });
}

// An entry of the menu bar, by the menu's title and its own text.
inline QAction* menuEntry(QMainWindow& window, const QString& menu, const QString& entry) {
    for (QAction* title : window.menuBar()->actions()) {
        for (QAction* action :
             title->text() == menu ? title->menu()->actions() : QList<QAction*>{}) {
            if (action->text() == entry) {
                return action;
            }
        }
    }
    return nullptr;
}

// The designer replaces a box's text, key by key.
inline void typeInto(QLineEdit& line, const QString& text) {
    line.setFocus();
    line.selectAll();
    QTest::keyClicks(&line, text);
}

// A pick from a drop-down, as QComboBox reports it.
inline void pick(QComboBox& combo, int index) {
    combo.setCurrentIndex(index);
    emit combo.activated(index);
}

// Everything the window shows of the design, one line a control: the title
// with its mark, every box, list and note.
inline QStringList shownDesign(MainWindow& window) {
    DesignWindow& form = window.form();
    QStringList lines{window.windowTitle() +
                      (window.isWindowModified() ? QStringLiteral(" modified") : QString())};
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        lines << qs(kFields[field].name) + "=" + form.box(field)->text();
    }
    for (const ListDef& def : form.model().listDefs()) {
        const QComboBox* list = form.list(def.controlId);
        lines << qs(def.name) + "=" + QString::number(list->currentIndex()) + "|" +
                     list->currentText();
    }
    for (const StaticTextDef& def : kStaticTexts) {
        lines << qs(def.name) + "=" + form.text(def.controlId)->text();
    }
    return lines;
}

// A design file of the start-up form with the room length typed as given;
// its path, or empty when it could not be written.
inline QString writeDesign(const QString& path, const char* length = "9") {
    RecordingPresenter unshown;
    CDesignDlg dlg(designFormListsAndEvents(), unshown);
    OnInitDialog(dlg);
    dlg.userEdits(fieldNamed("storeLength"), length);
    const Project project =
        singleRoomProject(std::make_shared<const FormState>(dlg.captureState()));
    return saveDesignFile(QFile::encodeName(path).toStdString(), project) ? QString() : path;
}

// The program's window as it starts, on screen, its questions answered by
// the test and its message boxes recorded.
struct Session {
    RecordingPresenter messages;
    ScriptedPrompts prompts;
    DesignSession design{messages};
    MainWindow window{design, messages, prompts};

    bool start(const QString& file = {}) {
        window.start(file);
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
    DesignWindow& form() { return window.form(); }
    QLineEdit& box(const char* name) { return *window.form().box(fieldNamed(name)); }
    void type(const char* name, const char* text) { typeInto(box(name), QString::fromUtf8(text)); }
    void trigger(const char* menu, const char* entry) {
        QAction* action = menuEntry(window, QString::fromUtf8(menu), QString::fromUtf8(entry));
        QVERIFY2(action != nullptr, entry);
        action->trigger();
    }
    // A key pressed wherever the window's focus is, the window active again
    // if a box over it has just closed.
    void key(QKeyCombination keys) {
        if (!window.isActiveWindow()) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        QWidget* focus = window.focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &window, keys.key(), keys.keyboardModifiers());
    }
    std::size_t steps() const { return window.session().history().position(); }
};

// The suites, run one after the other by one program; the recovery test runs
// that program as a child, this variable of its environment naming the mode.
int runDesignWindowTests(int argc, char** argv);
int runMainWindowTests(int argc, char** argv);
int runRoomsTests(int argc, char** argv);
int runRecoveryTests(int argc, char** argv);
int runReportWindowTests(int argc, char** argv);
int runMachineLoadWindowTests(int argc, char** argv);
int runLanguageWindowTests(int argc, char** argv);
constexpr const char* kRecoveryChild = "GELVANT_RECOVERY_CHILD";
int runRecoveryChild(const QByteArray& mode, const QStringList& arguments);

} // namespace gelvant::testing_window
