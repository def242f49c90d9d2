#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gelvant {

// Text of an edit box to a number, as the sheet read takes it: blanks and
// tabs around the number are allowed, nothing else; a zero value is accepted
// only when its first non-blank character is the digit 0 (so "", "-", ".0"
// and "-0" are refused). "inf", "-inf" and "nan", which the sheet write
// shows after a division by a zero field, read back as those values.
// Locale-independent.
std::optional<float> parseFloatText(std::string_view text);
std::optional<std::int32_t> parseIntText(std::string_view text);

// Number to the text of an edit box, as the sheet write shows it: six
// significant digits in the shorter of fixed and exponent notation, no
// trailing zeros ("0.1", "0.333333", "1e+07"). Negative zero is shown as "0",
// which the read accepts.
std::string formatFloatText(float value);
std::string formatIntText(std::int32_t value);

// A finite float as the double nearest its shortest decimal text, so that a
// JSON number shows 4.2 and not 4.199999809265137, and reads back to the
// very same float.
double shortestDecimal(float value);

} // namespace gelvant
