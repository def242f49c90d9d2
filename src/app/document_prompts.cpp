#include "app/document_prompts.h"

#include "app/project_info_dlg.h"
#include "sheet/program.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace gelvant {
namespace {

const QString kFileFilter = QStringLiteral("Gelvant 设计文件 (*.gelvant);;所有文件 (*)");

} // namespace

QWidget* DialogPrompts::owner() const {
    // Before the window is first shown (the recovery offer) a box stands alone.
    return window_ != nullptr && window_->isVisible() ? window_.data() : nullptr;
}

UnsavedChoice DialogPrompts::askUnsaved(const QString& designName) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProgramName),
                    QStringLiteral("设计“%1”已修改。\n要保存修改吗？").arg(designName),
                    QMessageBox::NoButton, owner());
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton(QStringLiteral("保存(&S)"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("不保存(&N)"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return UnsavedChoice::Save;
    }
    return box.clickedButton() == discard ? UnsavedChoice::Discard : UnsavedChoice::Cancel;
}

bool DialogPrompts::askRestore(const QString& question) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kProgramName), question,
                    QMessageBox::NoButton, owner());
    box.setTextFormat(Qt::PlainText);
    QPushButton* restore = box.addButton(QStringLiteral("恢复(&R)"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("放弃(&D)"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(discard);
    box.exec();
    return box.clickedButton() == restore;
}

QString DialogPrompts::askOpenFile(const QString& folder) {
    return QFileDialog::getOpenFileName(owner(), QStringLiteral("打开设计"), folder, kFileFilter);
}

QString DialogPrompts::askSaveFile(const QString& suggested) {
    return QFileDialog::getSaveFileName(owner(), QStringLiteral("另存为"), suggested, kFileFilter);
}

std::optional<ProjectInfo> DialogPrompts::askProjectInfo(const ProjectInfo& info) {
    CProjectInfoDlg dialog(info, owner());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.info();
}

} // namespace gelvant
