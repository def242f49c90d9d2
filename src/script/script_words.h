#pragma once

#include <string_view>
#include <utility>

namespace gelvant {

// Splits off a script line's first word: the text up to the first blank,
// and the rest after that blank (verbatim). Words are separated by single
// blanks.
inline std::pair<std::string_view, std::string_view> splitWord(std::string_view line) {
    const auto blank = line.find(' ');
    if (blank == std::string_view::npos) {
        return {line, {}};
    }
    return {line.substr(0, blank), line.substr(blank + 1)};
}

} // namespace gelvant
