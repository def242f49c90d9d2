#pragma once

#include <cstddef>
#include <string_view>

namespace gelvant {

// Length of the well-formed UTF-8 sequence that s (not empty) starts with;
// 0 when it starts with none (a stray or cut-off byte, an overlong form, a
// surrogate). Scripts, box texts and design files are UTF-8.
std::size_t utf8SequenceLength(std::string_view s);

bool isValidUtf8(std::string_view s);

// The text without the blanks around it: spaces, tabs, line breaks, the
// no-break space and the full-width space of Chinese input methods.
std::string_view trimBlanks(std::string_view s);

} // namespace gelvant
