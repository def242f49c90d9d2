#pragma once

// Test names made from a case's text or number: gtest takes only letters,
// digits and underscores, so signs, points and blanks are spelt out.

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

namespace gelvant::testing_names {

inline std::string spelt(std::string_view text) {
    constexpr std::pair<char, std::string_view> kWords[] = {{' ', "Blank"}, {'\t', "Tab"},
                                                            {'-', "Minus"}, {'+', "Plus"},
                                                            {'.', "Point"}, {',', "Comma"}};
    std::string name = text.empty() ? "Empty" : "";
    for (const char ch : text) {
        const auto* word = std::ranges::find(kWords, ch, &std::pair<char, std::string_view>::first);
        if (word != std::end(kWords)) {
            name += word->second;
        } else {
            name += ch; // anything else is left for gtest to refuse
        }
    }
    return name;
}

} // namespace gelvant::testing_names
