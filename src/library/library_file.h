#pragma once

#include "library/library.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace gelvant {

// The file a designer's library is exported to and imported from, by the
// window, the page and the driver (--library): one JSON object
// {"format": "gelvant-library", "version": 1, "site": [...], "product": [...],
// "insulation": [...], "goods": [...]}, each entry {"name": ..., "<key>": n}.
inline constexpr std::string_view kLibraryFormat = "gelvant-library";
inline constexpr int kLibraryFormatVersion = 1;
// Thousands of entries stay far below this.
inline constexpr std::size_t kMaxLibraryFileBytes = std::size_t{16} * 1024 * 1024;

// Why a library file, or the library inside a design file, cannot be read.
enum class LibraryFileProblem : std::uint8_t {
    Unreadable,   // cannot be opened or read (detail: the system's reason)
    IsDirectory,  // a folder, not a file
    Empty,        // no bytes at all
    TooLarge,     // over kMaxLibraryFileBytes
    NotJson,      // line and column say where it breaks
    NotLibrary,   // JSON, but not a Gelvant library (detail: why)
    NewerVersion, // written by a newer program (detail: its version)
    WrongType,    // detail: where, and what was expected
    BadEntry,     // detail: where; entry: what is wrong with it
};

struct LibraryFileError {
    LibraryFileProblem problem;
    std::string detail;
    std::size_t line = 0;
    std::size_t column = 0;
    std::optional<LibraryProblem> entry;
};

struct LibraryReadResult {
    std::optional<Library> library;
    std::optional<LibraryFileError> error;
};

// The file's text: pretty-printed UTF-8 JSON, every kind, entries in the
// order added.
std::string libraryFileText(const Library& library);
// The entries of one kind as one line of JSON, as the file holds them.
std::string libraryEntriesLine(const Library& library, LibraryKind kind);

// Either the whole library or the reason it cannot be read, never part of
// one: every entry obeys the rules of an entry added by hand, and no two
// entries of a kind share a name.
LibraryReadResult readLibraryText(std::string_view bytes);
// The same from a file; folders, unreadable files and files over 16 MiB are
// refused before anything is parsed.
LibraryReadResult readLibraryFile(const std::filesystem::path& path);

std::string describeInEnglish(const LibraryFileError& error);
std::string describeInChinese(const LibraryFileError& error);

} // namespace gelvant
