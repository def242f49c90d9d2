// gelvant-cli: the design form without a display, driven by a script.

#include "form/program.h"
#include "library/library_file.h"
#include "script/script.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>

namespace {

constexpr std::string_view kUsage =
    "Usage: gelvant-cli [--no-startup] [--library FILE] [SCRIPT]\n"
    "  or:  gelvant-cli --help\n"
    "  or:  gelvant-cli --version\n"
    "\n"
    "Builds the design form, opens it as the desktop program does (unless\n"
    "--no-startup), then carries out SCRIPT (standard input when absent or -),\n"
    "one command per line.\n"
    "\n"
    "Options:\n"
    "  --no-startup        leave the form as built: no start-up sequence\n"
    "  --library FILE      start with the entries of a personal library file\n"
    "                      (the designer's own sites, products, insulation and\n"
    "                      goods kinds); they complete every design opened\n"
    "\n"
    "Commands:\n"
    "  type FIELD TEXT     the user replaces FIELD's text; its rule runs\n"
    "  set FIELD TEXT      puts TEXT into FIELD's box; no rule runs\n"
    "  choose LIST INDEX   the user picks item INDEX (0-based) of LIST\n"
    "  clear LIST          LIST loses its current item; nothing runs\n"
    "  click compute|apply\n"
    "                      presses a button\n"
    "  dump                prints the whole form as one line of JSON\n"
    "  items LIST          prints LIST's items as one line of JSON\n"
    "  save PATH           writes the design (every room) to a design file\n"
    "  open PATH           replaces the design with the one in PATH\n"
    "  undo / redo         steps back / forward through whole actions\n"
    "  room add [NAME]     adds a room as the program opens it, made current\n"
    "  room copy           adds a copy of the current room after it\n"
    "  room select INDEX   makes room INDEX (0-based) current\n"
    "  room rename NAME    renames the current room\n"
    "  room delete         deletes the current room (not the last one)\n"
    "  room move up|down   moves the current room one place\n"
    "  room equipment aircooler|coil\n"
    "                      which compressor line the plant summary takes\n"
    "  room use USE        the room's use for the machine load (auto, chilling,\n"
    "                      freezing, chilled, frozen, ice, anteroom, processing)\n"
    "  plant system direct|indirect\n"
    "                      the project's cooling system\n"
    "  plant n1 X / plant n3 X / plant n2 chilled|frozen X\n"
    "                      a coefficient of the machine load\n"
    "  compute all         presses compute in every room\n"
    "  summary             prints the project summary as one line of JSON\n"
    "  library add KIND NAME KEY=VALUE ...\n"
    "                      adds the designer's own entry to the list of KIND\n"
    "                      (site, product, insulation or goods) in every room\n"
    "  library remove KIND NAME\n"
    "                      removes the entry from every room's list\n"
    "  library list KIND   prints the entries of KIND as one line of JSON\n"
    "FIELD and LIST are names (storeLength, siteChoice) or control IDs.\n"
    "Exit status: 0 done; 2 a line that cannot be carried out, a script that\n"
    "cannot be read or output that cannot be written; 70 an internal error.\n";

int usageError(std::string_view what) {
    std::cerr << "gelvant-cli: " << what << '\n' << "Try 'gelvant-cli --help'.\n";
    return gelvant::kUsageError;
}

// A library file that cannot be read: one line, naming it and the reason.
int unreadableLibrary(std::string_view path, std::string_view why) {
    std::cerr << "gelvant-cli: cannot read library " << gelvant::quoteForMessage(path) << ": "
              << why << '\n';
    return gelvant::kUsageError;
}

// A script that cannot be opened: one line, naming it and the reason.
int unreadableScript(std::string_view path, int error) {
    std::cerr << "gelvant-cli: cannot open script " << gelvant::quoteForMessage(path) << ": "
              << std::strerror(error) << '\n';
    return gelvant::kUsageError;
}

} // namespace

int main(int argc, char** argv) {
    gelvant::ScriptOptions options;
    std::string_view scriptPath;
    bool haveScript = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            std::cout << kUsage;
            return gelvant::kScriptOk;
        }
        if (arg == "--version") {
            std::cout << "gelvant-cli " << gelvant::kProgramVersion << '\n';
            return gelvant::kScriptOk;
        }
        if (arg == "--no-startup") {
            options.runStartup = false;
        } else if (arg == "--library") {
            if (i + 1 >= argc) {
                return usageError("--library needs a file");
            }
            const std::string_view path = argv[++i];
            const gelvant::LibraryReadResult read = gelvant::readLibraryFile(std::string(path));
            if (read.error) {
                return unreadableLibrary(path, gelvant::describeInEnglish(*read.error));
            }
            auto combined = gelvant::withEntriesOf(options.library, *read.library);
            if (const auto* clash = std::get_if<gelvant::LibraryProblem>(&combined)) {
                return unreadableLibrary(path, gelvant::describeInEnglish(*clash));
            }
            options.library = std::move(std::get<gelvant::Library>(combined));
        } else if (arg.size() > 1 && arg.front() == '-' && arg != "-") {
            return usageError("unknown option " + gelvant::quoteForMessage(arg));
        } else if (haveScript) {
            return usageError("more than one script given");
        } else {
            scriptPath = arg;
            haveScript = true;
        }
    }

    std::ios::sync_with_stdio(false);
    if (!haveScript || scriptPath == "-") {
        return gelvant::runScript(std::cin, std::cout, std::cerr, options);
    }
    errno = 0;
    std::ifstream script{std::string(scriptPath), std::ios::binary};
    if (!script) {
        return unreadableScript(scriptPath, errno != 0 ? errno : ENOENT);
    }
    std::error_code ec;
    if (std::filesystem::is_directory(std::string(scriptPath), ec)) {
        return unreadableScript(scriptPath, EISDIR);
    }
    return gelvant::runScript(script, std::cout, std::cerr, options);
}
