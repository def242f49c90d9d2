#pragma once

#include <iosfwd>
#include <optional>

namespace gelvant {

// The options that only inform: --help prints the usage, --version the
// program's version, both to out, and the exit status comes back. They are
// answered before the toolkit starts, so they work without a display.
// Any other command line gives nothing back and the program goes on; the
// operand of --report and --csv is a file name, never an option.
std::optional<int> answerInformationalOption(int argc, char** argv, std::ostream& out);

} // namespace gelvant
