#include "form/utf8.h"

#include <algorithm>

namespace gelvant {

// Length of the well-formed UTF-8 sequence that s starts with; 0 when it
// starts with none (a stray or cut-off byte, an overlong form, a surrogate).
std::size_t utf8SequenceLength(std::string_view s) {
    const auto c = static_cast<unsigned char>(s.front());
    std::size_t extra = 0;
    unsigned minimum = 0;
    unsigned codePoint = 0;
    if (c < 0x80) {
        return 1;
    }
    if ((c & 0xE0) == 0xC0) {
        extra = 1, minimum = 0x80, codePoint = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2, minimum = 0x800, codePoint = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3, minimum = 0x10000, codePoint = c & 0x07;
    } else {
        return 0;
    }
    if (extra >= s.size()) {
        return 0; // sequence cut off at the end of the line
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto cc = static_cast<unsigned char>(s[k]);
        if ((cc & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (cc & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return extra + 1;
}

bool isValidUtf8(std::string_view s) {
    while (!s.empty()) {
        const std::size_t length = utf8SequenceLength(s);
        if (length == 0) {
            return false;
        }
        s.remove_prefix(length);
    }
    return true;
}

namespace {

// The code point of a well-formed sequence of the given length.
char32_t decodeSequence(std::string_view s, std::size_t length) {
    static constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t codePoint = static_cast<unsigned char>(s[0]) & kLeadBits[length];
    for (std::size_t k = 1; k < length; ++k) {
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(s[k]) & 0x3F);
    }
    return codePoint;
}

// White space as Unicode counts it (the separators and the control blanks).
bool isBlank(char32_t c) {
    return c == U' ' || (c >= U'\t' && c <= U'\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

} // namespace

std::string_view trimBlanks(std::string_view s) {
    // From the front, one whole character at a time.
    while (!s.empty()) {
        const std::size_t length = utf8SequenceLength(s);
        if (length == 0 || !isBlank(decodeSequence(s, length))) {
            break;
        }
        s.remove_prefix(length);
    }
    // From the back: step over continuation bytes to the character's start.
    while (!s.empty()) {
        std::size_t start = s.size() - 1;
        while (start > 0 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) {
            --start;
        }
        const std::string_view last = s.substr(start);
        const std::size_t length = utf8SequenceLength(last);
        if (length != last.size() || !isBlank(decodeSequence(last, length))) {
            break;
        }
        s.remove_suffix(last.size());
    }
    return s;
}

std::size_t countCharacters(std::string_view s) {
    std::size_t count = 0;
    for (const char c : s) {
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return count;
}

bool isOneWord(std::string_view s) {
    if (s.empty()) {
        return false;
    }
    while (!s.empty()) {
        const std::size_t length = utf8SequenceLength(s);
        if (length == 0) {
            return false;
        }
        const char32_t c = decodeSequence(s, length);
        if (isBlank(c) || c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            return false;
        }
        s.remove_prefix(length);
    }
    return true;
}

std::string quoteForMessage(std::string_view word) {
    constexpr std::size_t kShownBytes = 48;
    std::string text = "'";
    std::size_t i = 0;
    while (i < word.size() && i < kShownBytes) {
        const std::size_t length = utf8SequenceLength(word.substr(i));
        const auto c = static_cast<unsigned char>(word[i]);
        if (length == 0 || c < 0x20 || c == 0x7F) {
            static constexpr char kHex[] = "0123456789abcdef";
            text += "\\x";
            text += kHex[c >> 4];
            text += kHex[c & 0xF];
            ++i;
            continue;
        }
        text.append(word.substr(i, length));
        i += length;
    }
    text += "'";
    if (i < word.size()) {
        text += "...";
    }
    return text;
}

std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view bytes, std::size_t offset) {
    offset = std::min(offset, bytes.size());
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        if (bytes[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(bytes[i]) & 0xC0U) != 0x80U) {
            ++column; // continuation bytes of a character count once
        }
    }
    return {line, column};
}

} // namespace gelvant
