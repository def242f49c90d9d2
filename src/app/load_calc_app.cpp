#include "app/load_calc_app.h"

#include "app/design_window.h"
#include "app/dialog_presenter.h"
#include "app/document_prompts.h"
#include "app/form_look.h"
#include "app/main_window.h"
#include "app/personal_library.h"
#include "app/recovery_store.h"
#include "app/view_language.h"
#include "form/program.h"

#include <QPixmap>
#include <QTimer>
#include <iostream>
#include <memory>
#include <optional>

namespace gelvant {
namespace {

// Message boxes of an unattended run: written out in the run's language,
// nothing waits.
class LoggingPresenter final : public MessagePresenter {
public:
    void showMessage(const Message& message) override {
        std::cerr << "[" << shown(message.caption).toStdString() << "] "
                  << shown(message.text).toStdString() << '\n';
    }
};

} // namespace

CLoadCalcApp::CLoadCalcApp(int& argc, char** argv) : QApplication(argc, argv) {
    applyFormLook();
}

int CLoadCalcApp::run(const QString& designFile, std::optional<Language> language) {
    const bool exitAfterFirstFrame =
        qEnvironmentVariableIntValue("GELVANT_EXIT_AFTER_FIRST_FRAME") != 0;
    const QString screenshot = qEnvironmentVariable("GELVANT_SCREENSHOT");
    const bool unattended = exitAfterFirstFrame || !screenshot.isEmpty();

    // The language asked on the command line, else the one chosen last, else
    // the system's. An unattended run (a screenshot, a benchmark) shows Chinese
    // unless GELVANT_LANGUAGE names another, so that what it makes does not
    // depend on the machine.
    if (language) {
        setViewLanguage(*language);
    } else {
        setViewLanguage(
            unattended ? languageFromCode(qEnvironmentVariable("GELVANT_LANGUAGE").toStdString())
                       : storedLanguage());
    }
    showToolkitWordsIn(viewLanguage());
    DialogPresenter dialogs;
    LoggingPresenter log;
    MessagePresenter& presenter = unattended ? static_cast<MessagePresenter&>(log) : dialogs;
    DialogPrompts prompts;
    // An unattended run changes nothing and leaves the user's recovery files alone.
    std::optional<RecoveryStore> recovery;
    if (!unattended) {
        recovery.emplace();
    }
    // The session outlives the windows that show it.
    FormFirstPresenter formFirst(presenter);
    // The personal library every new design starts with; an unattended run
    // leaves it alone. A file that cannot be read is named and never written over.
    const QString personalFile = unattended ? QString() : personalLibraryPath();
    PersonalLibrary personal =
        personalFile.isEmpty() ? PersonalLibrary{} : readPersonalLibrary(personalFile);
    DesignSession session(formFirst, std::move(personal.library));
    MainWindow window(session, presenter, prompts);
    if (!personal.error) {
        window.setPersonalLibraryFile(personalFile);
    }
    formFirst.setForm(&window.form());
    dialogs.setWindow(&window);
    prompts.setWindow(&window);
    window.setRecoveryStore(recovery ? &*recovery : nullptr);

    window.start(designFile);
    if (personal.error) {
        presenter.showMessage({std::string(kProgramName), personalFile.toStdString() + "\n" +
                                                              describeInChinese(*personal.error)});
    }
    if (unattended) {
        connect(&window.form(), &DesignWindow::firstFramePainted, this, [&window, screenshot] {
            // Leave once this paint has reached the screen.
            QTimer::singleShot(0, &window, [&window, screenshot] {
                if (!screenshot.isEmpty() && !window.grab().save(screenshot)) {
                    std::cerr << "gelvant: cannot write " << screenshot.toStdString() << '\n';
                    QApplication::exit(1);
                    return;
                }
                QApplication::quit();
            });
        });
    }
    window.show();
    return exec();
}

} // namespace gelvant
