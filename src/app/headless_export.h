#pragma once

#include "app/program_options.h"

namespace gelvant {

// `gelvant --report OUT.pdf DESIGN` writes the calculation sheet of a design
// file as a PDF, `gelvant --csv OUT.csv DESIGN` its results for spreadsheets,
// both without a window or a display. Returns the exit status: 0 when
// written; 2, with one line on standard error, for a design file that cannot
// be opened or an output that cannot be written.
int runHeadlessExport(int& argc, char** argv, const CommandLine& command);

} // namespace gelvant
