#pragma once

// What the main-window tests share: answers to the file commands' questions,
// the form as text, the menu's entries, and a designer who types.

#include "app/design_window.h"
#include "app/document_prompts.h"
#include "app/main_window.h"
#include "document/design_file_io.h"
#include "sheet/controls.h"
#include "window/design_form.h"
#include "window/startup.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QtTest>
#include <optional>

namespace gelvant::testing_window {

// Answers every question as told, and counts what was asked.
class ScriptedPrompts final : public DocumentPrompts {
public:
    UnsavedChoice askUnsaved(const QString& name) override {
        unsavedAsked << name;
        return unsaved;
    }
    bool askRestore(const QString& question) override {
        restoreAsked << question;
        return restore;
    }
    QString askOpenFile(const QString&) override { return openPath; }
    QString askSaveFile(const QString&) override { return savePath; }
    std::optional<ProjectInfo> askProjectInfo(const ProjectInfo&) override { return info; }

    UnsavedChoice unsaved = UnsavedChoice::Cancel;
    bool restore = true;
    QString openPath;
    QString savePath;
    std::optional<ProjectInfo> info;
    QStringList unsavedAsked;
    QStringList restoreAsked;
};

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::size_t fieldNamed(const char* name) {
    return *fieldIndexByName(name);
}

// Everything the window shows of the design, one line a control, as the
// designer reads it: the title with its mark, every box, list and note.
inline QStringList shownDesign(CMainWindow& window) {
    CDesignWindow& form = window.form();
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

// An entry of the menu bar, by the menu's title and its own text.
inline QAction* menuEntry(QMainWindow& window, const QString& menu, const QString& entry) {
    for (QAction* title : window.menuBar()->actions()) {
        if (title->text() == menu) {
            for (QAction* action : title->menu()->actions()) {
                if (action->text() == entry) {
                    return action;
                }
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

// A design file of the start-up form with the room length typed as given;
// its path, or empty when it could not be written.
inline QString writeDesign(const QString& path, const char* length = "9") {
    RecordingPresenter unshown;
    CDesignDlg dlg(designFormLayout(), unshown);
    OnInitDialog(dlg);
    dlg.userEdits(fieldNamed("storeLength"), length);
    const Project project =
        singleRoomProject(std::make_shared<const FormState>(dlg.captureState()));
    return saveDesignFile(QFile::encodeName(path).toStdString(), project) ? QString() : path;
}

// A pick from a drop-down, as QComboBox reports it.
inline void pick(QComboBox& combo, int index) {
    combo.setCurrentIndex(index);
    emit combo.activated(index);
}

} // namespace gelvant::testing_window
