#pragma once

#include "project/project.h"
#include "session/document_workflow.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

namespace gelvant {

// The questions the file commands put to the designer. The program asks
// them in modal boxes and file dialogs; the window tests answer them.
class DocumentPrompts {
public:
    DocumentPrompts() = default;
    DocumentPrompts(const DocumentPrompts&) = delete;
    DocumentPrompts& operator=(const DocumentPrompts&) = delete;
    virtual ~DocumentPrompts() = default;

    // A question of the file workflow; the answer of the button pressed.
    virtual Answer ask(const Question& question) = 0;
    // The design file to open, or the file to save to; empty when cancelled.
    virtual QString askOpenFile(const QString& folder) = 0;
    virtual QString askSaveFile(const QString& suggested) = 0;
    // The project information as edited; nothing when cancelled.
    virtual std::optional<ProjectInfo> askProjectInfo(const ProjectInfo& info) = 0;
};

// The questions as the designer sees them: modal boxes over the window.
class DialogPrompts final : public DocumentPrompts {
public:
    void setWindow(QWidget* window) { window_ = window; }

    Answer ask(const Question& question) override;
    QString askOpenFile(const QString& folder) override;
    QString askSaveFile(const QString& suggested) override;
    std::optional<ProjectInfo> askProjectInfo(const ProjectInfo& info) override;

private:
    QWidget* owner() const;

    QPointer<QWidget> window_;
};

} // namespace gelvant
