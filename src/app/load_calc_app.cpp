#include "app/load_calc_app.h"

#include "app/design_window.h"
#include "app/dialog_presenter.h"
#include "app/form_look.h"

#include <QPixmap>
#include <QTimer>
#include <iostream>
#include <memory>

namespace gelvant {
namespace {

// Message boxes of an unattended run: written out, nothing waits.
class LoggingPresenter final : public MessagePresenter {
public:
    void showMessage(const Message& message) override {
        std::cerr << "[" << message.caption << "] " << message.text << '\n';
    }
};

} // namespace

CLoadCalcApp::CLoadCalcApp(int& argc, char** argv) : QApplication(argc, argv) {
    applyFormLook(*this);
}

int CLoadCalcApp::run() {
    const bool exitAfterFirstFrame =
        qEnvironmentVariableIntValue("GELVANT_EXIT_AFTER_FIRST_FRAME") != 0;
    const QString screenshot = qEnvironmentVariable("GELVANT_SCREENSHOT");
    const bool unattended = exitAfterFirstFrame || !screenshot.isEmpty();

    DialogPresenter dialogs;
    LoggingPresenter log;
    MessagePresenter& presenter = unattended ? static_cast<MessagePresenter&>(log) : dialogs;
    CDesignWindow form(presenter);
    dialogs.setWindow(&form);

    form.initialise();
    if (unattended) {
        connect(&form, &CDesignWindow::firstFramePainted, this, [&form, screenshot] {
            // Leave once this paint has reached the screen.
            QTimer::singleShot(0, &form, [&form, screenshot] {
                if (!screenshot.isEmpty() && !form.grab().save(screenshot)) {
                    std::cerr << "gelvant: cannot write " << screenshot.toStdString() << '\n';
                    QApplication::exit(1);
                    return;
                }
                QApplication::quit();
            });
        });
    }
    form.show();
    return exec();
}

} // namespace gelvant
