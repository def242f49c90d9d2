#pragma once

#include "form/library_entries.h"
#include "form/utf8.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace gelvant {

struct ScriptOptions {
    bool runStartup = true;
    // The personal library (--library): its entries are the session's from
    // the start, and complete every design opened.
    Library library;
};

// Exit statuses of the driver: done; a line that cannot be carried out, a
// script that cannot be read or output that cannot be written; a fault of
// the program itself (a handler that threw), reported instead of a crash.
inline constexpr int kScriptOk = 0;
inline constexpr int kUsageError = 2;
inline constexpr int kInternalError = 70;

// Builds the form exactly as the desktop program does (and opens it, unless
// told not to), then carries out the script's commands one line at a time.
// JSON goes to out, usage errors to err. Returns the exit status.
// Every JSON line is flushed whole before the next command runs.
int runScript(std::istream& script, std::ostream& out, std::ostream& err, ScriptOptions options);

} // namespace gelvant
