#pragma once

#include "library/library.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace gelvant {

// Why a design file cannot be opened.
enum class DesignFileProblem {
    Unreadable,   // cannot be opened or read (detail: the system's reason)
    IsDirectory,  // a folder, not a file
    Empty,        // no bytes at all
    TooLarge,     // over kMaxDesignFileBytes
    NotJson,      // detail, line and column say where it breaks
    NotDesign,    // JSON, but not a Gelvant design
    NewerVersion, // written by a newer program (detail: its version)
    WrongType,    // detail: where, and what was expected
    BadValue,     // a field value that is not a number of its field (detail: where)
    BadEntry,     // an entry of the designer's library breaks its rules (detail: where)
};

struct DesignFileError {
    DesignFileProblem problem;
    std::string detail;
    std::size_t line = 0;
    std::size_t column = 0;
    std::optional<LibraryProblem> entry{}; // BadEntry: what is wrong with it
};

// One line for the driver's usage errors, in English.
std::string describeInEnglish(const DesignFileError& error);
// The text of the window's message box.
std::string describeInChinese(const DesignFileError& error);

// The message box after an open that could not restore some lists.
std::string unrestoredListsText(const std::vector<std::string>& lists);

} // namespace gelvant
