// gelvant: the design form of a cold store on the desktop.

#include "app/headless_export.h"
#include "app/load_calc_app.h"
#include "app/program_options.h"
#include "form/program.h"

#include <iostream>

namespace {

constexpr int kUsageError = 2;

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    using Action = gelvant::CommandLine::Action;
    const gelvant::CommandLine command = gelvant::readCommandLine(argumentList(argc, argv));
    switch (command.action) {
    case Action::ShowHelp:
        std::cout << gelvant::usageText().toStdString();
        return 0;
    case Action::ShowVersion:
        std::cout << "gelvant " << gelvant::kProgramVersion << '\n';
        return 0;
    case Action::Refuse:
        std::cerr << "gelvant: " << command.error.toStdString() << '\n'
                  << gelvant::usageText().toStdString();
        return kUsageError;
    case Action::WriteReport:
    case Action::WriteCsv:
        return gelvant::runHeadlessExport(argc, argv, command);
    case Action::OpenWindow:
        break;
    }
    gelvant::CLoadCalcApp app(argc, argv);
    return app.run(command.designFile, command.language);
}
