#include "report/report_numbers.h"

#include "form/note_text.h"
#include "form/text_exchange.h"

#include <cmath>

namespace gelvant {

std::string numberText(double value, int decimals) {
    std::string text = fixedText(value, decimals);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::optional<double> shownNumber(std::string_view boxText) {
    if (const auto value = parseFloatText(boxText)) {
        return static_cast<double>(*value);
    }
    return std::nullopt;
}

std::string shareText(double part, double total) {
    if (!std::isfinite(total) || total <= 0 || !std::isfinite(part)) {
        return "—";
    }
    return numberText(part / total * 100.0, 1) + "%";
}

} // namespace gelvant
