#pragma once

#include "project/project.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gelvant {

inline constexpr std::string_view kDesignFormat = "gelvant-design";
inline constexpr int kDesignFormatVersion = 1;
inline constexpr std::string_view kDesignExtension = ".gelvant";
// A design of a few hundred rooms stays far below this.
inline constexpr std::size_t kMaxDesignFileBytes = 16U * 1024U * 1024U;

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
};

struct DesignFileError {
    DesignFileProblem problem;
    std::string detail;
    std::size_t line = 0;
    std::size_t column = 0;
};

// One line for the driver's usage errors, in English.
std::string describeInEnglish(const DesignFileError& error);
// The text of the window's message box.
std::string describeInChinese(const DesignFileError& error);

// A design read from a file.
struct OpenedDesign {
    Project project;
    // Lists whose saved item could not be found (their name and room).
    std::vector<std::string> unrestoredLists;
    // A recovery file names the design file it stood in for (empty if none).
    std::string recoveredFrom;
};

struct DesignReadResult {
    std::optional<OpenedDesign> design;
    std::optional<DesignFileError> error;
};

// The message box after an open that could not restore some lists.
std::string unrestoredListsText(const std::vector<std::string>& lists);

// The file's text: pretty-printed UTF-8 JSON. A recovery file also names the
// design file it keeps safe.
std::string designFileText(const Project& project, std::string_view recoveredFrom = {});

// Reads a design from the bytes of a file. Either the whole design or an
// error: never part of one. Missing parts keep the start-up form's values;
// unknown keys are ignored.
DesignReadResult readDesignText(std::string_view bytes);

} // namespace gelvant
