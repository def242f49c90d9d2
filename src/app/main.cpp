// gelvant: the design form of a cold store on the desktop.

#include "app/headless_export.h"
#include "app/load_calc_app.h"
#include "app/program_options.h"

#include <iostream>

int main(int argc, char** argv) {
    if (const auto status = gelvant::answerInformationalOption(argc, argv, std::cout)) {
        return *status;
    }
    if (const auto status = gelvant::runHeadlessExport(argc, argv)) {
        return *status;
    }
    gelvant::CLoadCalcApp app(argc, argv);
    return app.run();
}
