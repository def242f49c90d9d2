#include "app/document_prompts.h"

#include "app/command_actions.h"
#include "app/project_info_dialog.h"
#include "app/qt_text.h"
#include "app/view_language.h"
#include "session/document_texts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace gelvant {
namespace {

QString fileFilter() {
    return shown(document_text::kDesignFilesFilter) + QStringLiteral(";;") +
           shown(document_text::kAllFilesFilter);
}

// The platform lays the buttons out by their role.
QMessageBox::ButtonRole roleOf(Answer answer) {
    switch (answer) {
    case Answer::Save:
    case Answer::Restore:
    case Answer::ComputeAll:
        return QMessageBox::AcceptRole;
    case Answer::Anyway:
        return QMessageBox::ApplyRole;
    case Answer::Discard:
        return QMessageBox::DestructiveRole;
    case Answer::Cancel:
        break;
    }
    return QMessageBox::RejectRole;
}

} // namespace

QWidget* DialogPrompts::owner() const {
    // Before the window is first shown (the recovery offer) a box stands alone.
    return window_ != nullptr && window_->isVisible() ? window_.data() : nullptr;
}

// A modal box with the question's buttons, the first the default and the
// last the one Esc presses.
Answer DialogPrompts::ask(const Question& question) {
    const QMessageBox::Icon icon =
        question.kind == Question::Kind::Warning ? QMessageBox::Warning : QMessageBox::Question;
    QMessageBox box(icon, shown(question.caption), shown(question.text), QMessageBox::NoButton,
                    owner());
    box.setTextFormat(Qt::PlainText);
    std::vector<std::pair<QAbstractButton*, Answer>> pressed;
    for (const QuestionButton& button : question.buttons) {
        const QString label = windowLabel(button.label, button.accessKey);
        pressed.emplace_back(box.addButton(label, roleOf(button.answer)), button.answer);
    }
    if (pressed.empty()) {
        return Answer::Cancel;
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(pressed.front().first));
    box.setEscapeButton(pressed.back().first);
    box.exec();
    for (const auto& [button, answer] : pressed) {
        if (box.clickedButton() == button) {
            return answer;
        }
    }
    return pressed.back().second;
}

QString DialogPrompts::askOpenFile(const QString& folder) {
    return QFileDialog::getOpenFileName(owner(), shown(document_text::kOpenDialogTitle), folder,
                                        fileFilter());
}

QString DialogPrompts::askSaveFile(const QString& suggested) {
    return QFileDialog::getSaveFileName(owner(), shown(document_text::kSaveDialogTitle), suggested,
                                        fileFilter());
}

std::optional<ProjectInfo> DialogPrompts::askProjectInfo(const ProjectInfo& info) {
    ProjectInfoDialog dialog(info, owner());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.info();
}

} // namespace gelvant
