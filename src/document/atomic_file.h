#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace gelvant {

// The few system calls a safe save makes, so that a test can make one of
// them fail (a full disk, a failing device) without a real one.
struct FileSystemCalls {
    long (*write)(int fd, const void* data, std::size_t size);
    int (*sync)(int fd);
    int (*rename)(const char* from, const char* to);
};

// The operating system's own calls.
const FileSystemCalls& systemFileCalls();

// Writes bytes to the requested path so that the previous file is never destroyed: a new
// file is written beside it in the same folder, flushed and synced to the
// disk, given the old file's permissions, then renamed over the old one.
// On any failure the temporary file is removed, the old file is untouched,
// and the reason is returned. This is the only place that touches the
// operating system's files for writing.
std::error_code writeFileAtomically(const std::filesystem::path& requested, std::string_view bytes,
                                    const FileSystemCalls& calls = systemFileCalls());

} // namespace gelvant
