#include "form/note_text.h"

#include "form/portable.h"

#include <cmath>

namespace gelvant {

std::string fixedText(double value, int decimals) {
    if (std::isnan(value)) {
        return "nan";
    }
    return fixedDecimalsText(value, decimals);
}

std::string joinText(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

} // namespace gelvant
