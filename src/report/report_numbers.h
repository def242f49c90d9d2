#pragma once

#include "project/load_unit.h"

#include <optional>
#include <string>
#include <string_view>

namespace gelvant {

// Fixed notation rounded to the given decimals, as the form's notes write
// numbers; a value that rounds to zero is shown without a minus sign ("0",
// not "-0"), and "inf", "-inf" and "nan" stand for values that are not finite.
std::string numberText(double value, int decimals);

// The number a box shows, read as the form reads it; nothing when its text
// is not a number.
std::optional<double> shownNumber(std::string_view boxText);

// A share of a total in per cent with one decimal ("21.6%"), or "—" when the
// total is not a positive finite number or the part is not finite.
std::string shareText(double part, double total);

} // namespace gelvant
