#pragma once

#include "language/language.h"

#include <QApplication>
#include <optional>

namespace gelvant {

// The program: one window with the design form; closing it ends the
// program. `gelvant FILE` opens that design file.
//
// Two environment variables serve unattended runs (the start-up benchmark
// and the screenshot): GELVANT_EXIT_AFTER_FIRST_FRAME=1 ends the program as
// soon as the form has first been painted, and GELVANT_SCREENSHOT=FILE saves
// a picture of the form to FILE at that moment and ends. In both, message
// boxes are written to standard error instead of waiting for a click.
class CLoadCalcApp : public QApplication {
    Q_OBJECT
public:
    CLoadCalcApp(int& argc, char** argv);

    // Builds the window, offers back a design a crash left unsaved, opens
    // designFile (when not empty) or runs the start-up sequence, shows the
    // window and runs the event loop until it is closed. Returns the exit
    // status. language, when given, is the window's for this run.
    int run(const QString& designFile, std::optional<Language> language = std::nullopt);
};

} // namespace gelvant
