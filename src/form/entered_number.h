#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gelvant {

// A number the designer enters outside the form (a plant coefficient, a
// room's p, a value of their own data), read the same way in every view.
// Blanks and tabs around it are dropped, the full-width blank a Chinese
// input method types among them; full-width digits, signs and the
// full-width point read as their ASCII forms. A leading sign and an
// exponent are taken. Refused (nothing): an empty text, a comma as the
// decimal sign, any other character, and what is not finite (nan, inf,
// or a number too large to hold).
std::optional<double> enteredNumber(std::string_view text);

// The text without the blanks around it, as enteredNumber sees it; an
// empty result means the designer left the box empty.
std::string withoutSurroundingBlanks(std::string_view text);

} // namespace gelvant
