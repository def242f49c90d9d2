#pragma once

#include "project/project.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

namespace gelvant {

enum class UnsavedChoice { Save, Discard, Cancel };

// The questions the file commands put to the designer. The program asks
// them in modal boxes and file dialogs; the window tests answer them.
class DocumentPrompts {
public:
    DocumentPrompts() = default;
    DocumentPrompts(const DocumentPrompts&) = delete;
    DocumentPrompts& operator=(const DocumentPrompts&) = delete;
    virtual ~DocumentPrompts() = default;

    // 保存 / 不保存 / 取消 for the design shown under that name.
    virtual UnsavedChoice askUnsaved(const QString& designName) = 0;
    // 恢复 / 放弃 for a design the program kept when it last ended unexpectedly.
    virtual bool askRestore(const QString& question) = 0;
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

    UnsavedChoice askUnsaved(const QString& designName) override;
    bool askRestore(const QString& question) override;
    QString askOpenFile(const QString& folder) override;
    QString askSaveFile(const QString& suggested) override;
    std::optional<ProjectInfo> askProjectInfo(const ProjectInfo& info) override;

private:
    QWidget* owner() const;

    QPointer<QWidget> window_;
};

} // namespace gelvant
