#include "script/library_commands.h"

#include "form/utf8.h"
#include "library/library_file.h"
#include "script/script_words.h"
#include "session/design_session.h"

#include <optional>
#include <vector>

namespace gelvant {
namespace {

LibraryCommandOutcome refused(std::string problem) {
    return {{}, std::move(problem)};
}

LibraryCommandOutcome refused(const LibraryProblem& problem) {
    return refused(describeInEnglish(problem));
}

// KEY=VALUE words, split at their first '='.
std::optional<std::vector<KeyText>> keyTexts(std::string_view words, std::string& problem) {
    std::vector<KeyText> values;
    while (!words.empty()) {
        const auto [word, rest] = splitWord(words);
        const auto equals = word.find('=');
        if (equals == std::string_view::npos) {
            problem = quoteForMessage(word) + " is not KEY=VALUE";
            return std::nullopt;
        }
        values.push_back(
            {std::string(word.substr(0, equals)), std::string(word.substr(equals + 1))});
        words = rest;
    }
    return values;
}

LibraryCommandOutcome add(DesignSession& session, LibraryKind kind, std::string_view args) {
    const auto [name, rest] = splitWord(args);
    std::string problem;
    const auto values = keyTexts(rest, problem);
    if (!values) {
        return refused(problem);
    }
    if (const auto wrong = session.addLibraryEntry(kind, name, *values)) {
        return refused(*wrong);
    }
    return {};
}

} // namespace

LibraryCommandOutcome libraryCommand(DesignSession& session, std::string_view args) {
    const auto [verb, rest] = splitWord(args);
    if (verb != "add" && verb != "remove" && verb != "list") {
        return refused("unknown library command " + quoteForMessage(verb) +
                       " (library add, library remove, library list)");
    }
    const auto [kindWord, afterKind] = splitWord(rest);
    const auto kind = libraryKindFromKey(kindWord);
    if (!kind) {
        return refused(LibraryProblem{LibraryProblemKind::UnknownKind,
                                      LibraryKind::Site,
                                      {},
                                      nullptr,
                                      std::string(kindWord)});
    }
    if (verb == "add") {
        return add(session, *kind, afterKind);
    }
    if (verb == "remove") {
        if (afterKind.empty()) {
            return refused("library remove needs KIND NAME");
        }
        if (const auto wrong = session.removeLibraryEntry(*kind, afterKind)) {
            return refused(*wrong);
        }
        return {};
    }
    if (!afterKind.empty()) {
        return refused("library list takes KIND only");
    }
    return {libraryEntriesLine(session.library(), *kind), {}};
}

} // namespace gelvant
