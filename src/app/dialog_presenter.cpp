#include "app/dialog_presenter.h"

#include "app/about_dlg.h"
#include "app/qt_text.h"
#include "app/view_language.h"
#include "session/view_texts.h"

#include <QMessageBox>
#include <QPushButton>

namespace gelvant {

QWidget* DialogPresenter::owner() const {
    // Before the form is first shown (the start-up messages) a box stands alone.
    return window_ != nullptr && window_->isVisible() ? window_.data() : nullptr;
}

void DialogPresenter::showMessage(const Message& message) {
    QMessageBox box(QMessageBox::NoIcon, shown(message.caption), shown(message.text),
                    QMessageBox::Ok, owner());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(shown(view_text::kOk));
    box.exec();
}

void DialogPresenter::showAbout() {
    CAboutDlg about(owner());
    about.exec();
}

} // namespace gelvant
