#pragma once

#include <QApplication>

namespace gelvant {

// The program: one design form; closing it ends the program.
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

    // Builds the form, runs its start-up sequence, shows it and runs the
    // event loop until the form is closed. Returns the exit status.
    int run();
};

} // namespace gelvant
