#include "sheet/utf8.h"

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

} // namespace gelvant
