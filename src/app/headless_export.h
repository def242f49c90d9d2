#pragma once

#include <optional>

namespace gelvant {

// `gelvant --report OUT.pdf DESIGN` writes the calculation sheet of a design
// file as a PDF, `gelvant --csv OUT.csv DESIGN` its results for spreadsheets,
// both without a window or a display. Returns the exit status when the
// command line asks for one of them: 0 when written; 2, with one line on
// standard error, for a design file that cannot be opened, an output that
// cannot be written or a command line that lacks a file. Returns nothing
// when the program is to start as usual.
std::optional<int> runHeadlessExport(int& argc, char** argv);

} // namespace gelvant
