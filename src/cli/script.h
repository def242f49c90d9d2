#pragma once

#include <iosfwd>

namespace gelvant {

struct ScriptOptions {
    bool runStartup = true;
};

// Exit statuses of the driver.
inline constexpr int kScriptOk = 0;
inline constexpr int kUsageError = 2;

// Builds the form exactly as the desktop program does (and opens it, unless
// told not to), then carries out the script's commands one line at a time.
// JSON goes to out, usage errors to err. Returns the exit status.
int runScript(std::istream& script, std::ostream& out, std::ostream& err, ScriptOptions options);

} // namespace gelvant
