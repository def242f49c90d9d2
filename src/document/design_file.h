#pragma once

#include "document/design_file_error.h"
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

// The file's text: pretty-printed UTF-8 JSON. A recovery file also names the
// design file it keeps safe.
std::string designFileText(const Project& project, std::string_view recoveredFrom = {});

// Reads a design from the bytes of a file. Either the whole design or an
// error: never part of one. Missing parts keep the start-up form's values;
// unknown keys are ignored.
DesignReadResult readDesignText(std::string_view bytes);

} // namespace gelvant
