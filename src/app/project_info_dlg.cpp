#include "app/project_info_dlg.h"

#include "app/qt_text.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace gelvant {
namespace {

QLineEdit* lineFor(const std::string& text, QWidget& owner) {
    auto* line = new QLineEdit(qtext(text), &owner);
    line->setMinimumWidth(24 * owner.fontMetrics().horizontalAdvance(QChar(0x56FD)));
    return line;
}

} // namespace

CProjectInfoDlg::CProjectInfoDlg(const ProjectInfo& info, QWidget* parent)
    : QDialog(parent), name_(lineFor(info.name, *this)), company_(lineFor(info.company, *this)),
      designer_(lineFor(info.designer, *this)), date_(lineFor(info.date, *this)),
      notes_(new QPlainTextEdit(qtext(info.notes), this)) {
    setWindowTitle(QStringLiteral("项目信息"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    // The date is free text, as the title block shows it; today's is offered.
    date_->setPlaceholderText(QDate::currentDate().toString(Qt::ISODate));
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(5 * fontMetrics().lineSpacing());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("项目名称(&N):"), name_);
    form->addRow(QStringLiteral("设计单位(&C):"), company_);
    form->addRow(QStringLiteral("设计人(&D):"), designer_);
    form->addRow(QStringLiteral("日期(&T):"), date_);
    form->addRow(QStringLiteral("备注(&M):"), notes_);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

ProjectInfo CProjectInfoDlg::info() const {
    return ProjectInfo{name_->text().toStdString(), company_->text().toStdString(),
                       designer_->text().toStdString(), date_->text().toStdString(),
                       notes_->toPlainText().toStdString()};
}

} // namespace gelvant
