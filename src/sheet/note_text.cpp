#include "sheet/note_text.h"

#include <charconv>
#include <cmath>

namespace gelvant {

std::string fixedText(double value, int decimals) {
    if (std::isnan(value)) {
        return "nan";
    }
    char buffer[400]; // 1e308 in fixed notation with a few decimals fits
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string joinText(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

} // namespace gelvant
