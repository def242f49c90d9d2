// gelvant-cli: the design form without a display, driven by a script.

#include "cli/script.h"
#include "sheet/program.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "Usage: gelvant-cli [--no-startup] [SCRIPT]\n"
    "  or:  gelvant-cli --help\n"
    "  or:  gelvant-cli --version\n"
    "\n"
    "Builds the design form, opens it as the desktop program does (unless\n"
    "--no-startup), then carries out SCRIPT (standard input when absent or -),\n"
    "one command per line:\n"
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
    "  compute all         presses compute in every room\n"
    "  summary             prints the project summary as one line of JSON\n"
    "FIELD and LIST are names (storeLength, siteChoice) or control IDs.\n"
    "Exit status: 0 done; 2 a line that cannot be carried out, a script that\n"
    "cannot be read or output that cannot be written; 70 an internal error.\n";

int usageError(std::string_view what) {
    std::cerr << "gelvant-cli: " << what << '\n' << "Try 'gelvant-cli --help'.\n";
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
