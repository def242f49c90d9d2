// The session's verbs on the designer's own data: the personal library
// every new design starts with, and the design's entries, each change one
// undo step.

#include "session/design_session.h"

#include <utility>
#include <variant>

namespace gelvant {

void DesignSession::setPersonalLibrary(Library library) {
    personal_ = sharedLibrary(std::move(library));
}

std::optional<LibraryProblem>
DesignSession::addEntry(LibraryKind kind, std::variant<LibraryEntry, LibraryProblem> made) {
    return run(false, [&]() -> std::optional<LibraryProblem> {
        if (const auto* problem = std::get_if<LibraryProblem>(&made)) {
            return *problem;
        }
        Library longer = library();
        longer.of(kind).push_back(std::move(std::get<LibraryEntry>(made)));
        document_.extendLibrary(std::move(longer));
        return std::nullopt;
    });
}

std::optional<LibraryProblem> DesignSession::addLibraryEntry(LibraryKind kind,
                                                             std::string_view name,
                                                             std::span<const KeyText> values) {
    return addEntry(kind, makeEntry(library(), kind, name, values));
}

std::optional<LibraryProblem> DesignSession::addLibraryEntry(LibraryKind kind,
                                                             std::string_view name,
                                                             std::span<const double> values) {
    return addEntry(kind, makeEntry(library(), kind, name, values));
}

std::optional<LibraryProblem> DesignSession::removeLibraryEntry(LibraryKind kind,
                                                                std::string_view name) {
    return run(false, [&]() -> std::optional<LibraryProblem> {
        const auto index = findEntry(library(), kind, name);
        if (!index) {
            return LibraryProblem{
                LibraryProblemKind::NoSuchEntry, kind, std::string(name), nullptr, {}};
        }
        document_.removeLibraryEntry(kind, *index);
        return std::nullopt;
    });
}

std::optional<LibraryProblem> DesignSession::changeEntry(LibraryKind kind, std::string_view name,
                                                         const EntryMaker& make) {
    return run(false, [&]() -> std::optional<LibraryProblem> {
        const auto index = findEntry(library(), kind, name);
        if (!index) {
            return LibraryProblem{
                LibraryProblemKind::NoSuchEntry, kind, std::string(name), nullptr, {}};
        }
        auto made = make(*index);
        if (const auto* problem = std::get_if<LibraryProblem>(&made)) {
            return *problem;
        }
        auto& entry = std::get<LibraryEntry>(made);
        const LibraryEntry& now = library().of(kind)[*index];
        if (entry.name != now.name || !sameRecord(entry.values, now.values)) {
            document_.changeLibraryEntry(kind, *index, std::move(entry));
        }
        return std::nullopt;
    });
}

std::optional<LibraryProblem> DesignSession::changeLibraryEntry(LibraryKind kind,
                                                                std::string_view name,
                                                                std::string_view newName,
                                                                std::span<const double> values) {
    return changeEntry(kind, name, [&](std::size_t index) {
        return makeEntry(library(), kind, newName, values, index);
    });
}

std::optional<LibraryProblem> DesignSession::changeLibraryEntry(LibraryKind kind,
                                                                std::string_view name,
                                                                std::string_view newName,
                                                                std::span<const KeyText> values) {
    return changeEntry(kind, name, [&](std::size_t index) {
        return makeEntry(library(), kind, newName, values, index);
    });
}

std::optional<LibraryFileError> DesignSession::importLibrary(std::string_view bytes) {
    return run(false, [&]() -> std::optional<LibraryFileError> {
        auto read = readLibraryText(bytes);
        if (read.error) {
            return read.error;
        }
        auto combined = withEntriesOf(library(), *read.library);
        if (auto* clash = std::get_if<LibraryProblem>(&combined)) {
            return LibraryFileError{LibraryFileProblem::BadEntry,
                                    std::string(libraryKindDef(clash->kind).key), 0, 0,
                                    std::move(*clash)};
        }
        auto& longer = std::get<Library>(combined);
        if (!longer.sameAs(library())) {
            document_.extendLibrary(std::move(longer));
        }
        return std::nullopt;
    });
}

std::string DesignSession::exportLibrary() const {
    return libraryFileText(library());
}

// --- Rooms ---------------------------------------------------------------------------------

} // namespace gelvant
