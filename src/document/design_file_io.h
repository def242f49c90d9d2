#pragma once

#include "document/atomic_file.h"
#include "document/design_file.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace gelvant {

// Reads and checks a design file. Folders, unreadable files, empty files and
// files over 16 MiB are refused before anything is parsed.
DesignReadResult openDesignFile(const std::filesystem::path& path);

// Saves a project with the safe write: the previous file survives a failure.
std::error_code saveDesignFile(const std::filesystem::path& path, const Project& project,
                               std::string_view recoveredFrom = {},
                               const FileSystemCalls& calls = systemFileCalls());

// Why a save failed, for the window's message box: the usual reasons in
// the designer's words, any other with the system's own text.
std::string describeSaveFailureInChinese(std::error_code error);

} // namespace gelvant
