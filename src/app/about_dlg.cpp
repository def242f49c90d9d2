#include "app/about_dlg.h"

#include "app/form_look.h"
#include "app/qt_text.h"
#include "app/view_language.h"
#include "form/program.h"
#include "session/view_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gelvant {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(shown(view_text::kAboutTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* icon = new QLabel(this);
    const int side = 2 * fontMetrics().height();
    icon->setPixmap(programIcon().pixmap(QSize(side, side), devicePixelRatioF()));
    auto* name = new QLabel(QString::fromUtf8(kProgramName), this);
    name->setTextFormat(Qt::PlainText);
    name->setMinimumWidth(12 * fontMetrics().horizontalAdvance(QChar(0x56FD)));
    auto* ok = new QPushButton(shown(view_text::kOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(20, 16, 20, 16);
    row->setSpacing(16);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(name, 1, Qt::AlignVCenter);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addStretch(1);
    row->addLayout(buttons);
    row->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace gelvant
