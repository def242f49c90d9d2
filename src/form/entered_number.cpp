#include "form/entered_number.h"

#include "form/portable.h"

#include <cmath>
#include <system_error>

namespace gelvant {
namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";
// Full-width forms U+FF01..U+FF5E stand for ASCII 0x21..0x7E; in UTF-8
// they are EF BC 81..EF BD 9E.
constexpr unsigned char kFullWidthLead = 0xEF;
constexpr char32_t kFullWidthFirst = 0xFF01;
constexpr char32_t kFullWidthLast = 0xFF5E;
constexpr char32_t kFullWidthToAscii = 0xFF01 - 0x21;

bool isAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
    for (;;) {
        if (!text.empty() && isAsciiBlank(text.front())) {
            text.remove_prefix(1);
        } else if (text.starts_with(kIdeographicSpace)) {
            text.remove_prefix(kIdeographicSpace.size());
        } else if (!text.empty() && isAsciiBlank(text.back())) {
            text.remove_suffix(1);
        } else if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
        } else {
            return text;
        }
    }
}

// The text with full-width ASCII forms replaced by ASCII.
std::string halfWidth(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead == kFullWidthLead && i + 2 < text.size()) {
            const char32_t code = ((lead & 0x0FU) << 12U) |
                                  ((static_cast<unsigned char>(text[i + 1]) & 0x3FU) << 6U) |
                                  (static_cast<unsigned char>(text[i + 2]) & 0x3FU);
            if (code >= kFullWidthFirst && code <= kFullWidthLast) {
                ascii += static_cast<char>(code - kFullWidthToAscii);
                i += 2;
                continue;
            }
        }
        ascii += text[i];
    }
    return ascii;
}

} // namespace

std::string withoutSurroundingBlanks(std::string_view text) {
    return std::string(trimmed(text));
}

std::optional<double> enteredNumber(std::string_view text) {
    std::string ascii = halfWidth(trimmed(text));
    // The number reader takes no plus sign; one is as if not typed.
    std::string_view number = ascii;
    if (number.starts_with('+')) {
        number.remove_prefix(1);
        if (number.starts_with('-') || number.starts_with('+')) {
            return std::nullopt;
        }
    }
    double value = 0;
    const char* end = number.data() + number.size();
    const auto parsed = parseDoubleChars(number.data(), end, value);
    if (number.empty() || parsed.ec != std::errc{} || parsed.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace gelvant
