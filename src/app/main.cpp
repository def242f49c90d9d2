// gelvant: the design form of a cold store on the desktop.

#include "app/load_calc_app.h"

int main(int argc, char** argv) {
    gelvant::CLoadCalcApp app(argc, argv);
    return app.run();
}
