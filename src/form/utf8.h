#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace gelvant {

// Length of the well-formed UTF-8 sequence that s (not empty) starts with;
// 0 when it starts with none (a stray or cut-off byte, an overlong form, a
// surrogate). Scripts, box texts and design files are UTF-8.
std::size_t utf8SequenceLength(std::string_view s);

bool isValidUtf8(std::string_view s);

// The text without the blanks around it: spaces, tabs, line breaks, the
// no-break space and the full-width space of Chinese input methods.
std::string_view trimBlanks(std::string_view s);

// Characters (code points) in well-formed UTF-8.
std::size_t countCharacters(std::string_view s);

// Whether s is one word: well-formed UTF-8, not empty, without blanks (as
// trimBlanks counts them) and without control characters.
bool isOneWord(std::string_view s);

// A word of a script, a file or a name as an error message shows it: in
// quotes, control characters and bytes that are not UTF-8 as \xNN, cut
// after a few dozen bytes, so the message stays one short line.
std::string quoteForMessage(std::string_view word);

// Line and column (from 1) of a byte offset in a text, as an editor counts
// them: the continuation bytes of a character count once.
std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view bytes, std::size_t offset);

} // namespace gelvant
