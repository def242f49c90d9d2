#include "app/project_info_dialog.h"

#include "app/command_actions.h"
#include "app/qt_text.h"
#include "app/view_language.h"
#include "project/project_info_fields.h"
#include "session/view_texts.h"

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

ProjectInfoDialog::ProjectInfoDialog(const ProjectInfo& info, QWidget* parent) : QDialog(parent) {
    setWindowTitle(shown(view_text::kProjectInfoTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(shown(view_text::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(shown(view_text::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    for (const ProjectInfoField& field : kProjectInfoFields) {
        const QString label =
            windowLabel(field.label, field.accessKey) + shown(view_text::kLabelColon);
        const QString text = qtext(info.*field.member);
        if (field.multiline) {
            auto* box = new QPlainTextEdit(text, this);
            box->setTabChangesFocus(true);
            box->setFixedHeight(5 * fontMetrics().lineSpacing());
            form->addRow(label, box);
            boxes_.emplace_back([box] { return box->toPlainText().toStdString(); });
        } else {
            QLineEdit* line = lineFor(info.*field.member, *this);
            // The date is free text, as the title block shows it; today's is offered.
            if (field.member == &ProjectInfo::date) {
                line->setPlaceholderText(QDate::currentDate().toString(Qt::ISODate));
            }
            form->addRow(label, line);
            boxes_.emplace_back([line] { return line->text().toStdString(); });
        }
    }
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

ProjectInfo ProjectInfoDialog::info() const {
    ProjectInfo edited;
    for (std::size_t i = 0; i < kProjectInfoFields.size(); ++i) {
        edited.*kProjectInfoFields[i].member = boxes_[i]();
    }
    return edited;
}

} // namespace gelvant
