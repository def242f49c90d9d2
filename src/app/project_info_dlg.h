#pragma once

#include "project/project.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace gelvant {

// 项目信息: what the title block of the calculation names (项目名称,
// 设计单位, 设计人, 日期, 备注), with OK and Cancel.
class CProjectInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CProjectInfoDlg(const ProjectInfo& info, QWidget* parent = nullptr);

    // What the boxes hold now.
    ProjectInfo info() const;

private:
    QLineEdit* name_;
    QLineEdit* company_;
    QLineEdit* designer_;
    QLineEdit* date_;
    QPlainTextEdit* notes_;
};

} // namespace gelvant
