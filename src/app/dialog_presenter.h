#pragma once

#include "form/messages.h"

#include <QPointer>
#include <QWidget>

namespace gelvant {

// Shows the form's messages as modal boxes with one OK button, one after the
// other as the rules raise them, and the About box.
class DialogPresenter final : public MessagePresenter {
public:
    // The boxes are centred on this window once it is on screen.
    void setWindow(QWidget* window) { window_ = window; }

    void showMessage(const Message& message) override;
    void showAbout() override;

private:
    QWidget* owner() const;

    QPointer<QWidget> window_;
};

} // namespace gelvant
