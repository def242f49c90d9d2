#include "app/program_options.h"

#include "sheet/program.h"

#include <ostream>
#include <string_view>

namespace gelvant {
namespace {

constexpr std::string_view kUsage =
    "Usage: gelvant [FILE]\n"
    "  or:  gelvant --report OUT.pdf DESIGN.gelvant\n"
    "  or:  gelvant --csv OUT.csv DESIGN.gelvant\n"
    "  or:  gelvant --help\n"
    "  or:  gelvant --version\n"
    "\n"
    "Opens the design form of a cold store on the design FILE (a .gelvant file),\n"
    "or on the worked example, already computed, when no FILE is given.\n"
    "  --report OUT.pdf   writes the calculation report of DESIGN.gelvant to\n"
    "                     OUT.pdf and exits; needs no display\n"
    "  --csv OUT.csv      writes the results of DESIGN.gelvant to OUT.csv and\n"
    "                     exits; needs no display\n"
    "  --help             prints this help and exits\n"
    "  --version          prints the version and exits\n"
    "Exit status: 0 done; 2 a design file that cannot be read or an output that\n"
    "cannot be written, with one line on standard error.\n";

} // namespace

std::optional<int> answerInformationalOption(int argc, char** argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            break;
        }
        if (arg == "--report" || arg == "--csv") {
            ++i; // its output file
        } else if (arg == "--help") {
            out << kUsage;
            return 0;
        } else if (arg == "--version") {
            out << "gelvant " << kProgramVersion << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace gelvant
