#pragma once

#include <string>
#include <string_view>

namespace gelvant {

class DesignSession;

// What a `library ...` line gave: the JSON line it prints (`library list`),
// or the reason it cannot be carried out, in which case nothing changed.
struct LibraryCommandOutcome {
    std::string printed;
    std::string problem;
};

// Carries out `library add KIND NAME KEY=VALUE ...`, `library remove KIND
// NAME` or `library list KIND` (args: what follows "library ").
LibraryCommandOutcome libraryCommand(DesignSession& session, std::string_view args);

} // namespace gelvant
