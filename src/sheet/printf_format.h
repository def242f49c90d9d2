#pragma once

#include <string>

namespace gelvant {

// The notes beside the results are printf-style texts ("%.0f", "%.1f",
// "%d"). These give the same digits without depending on the process
// locale: fixed notation rounded to the given decimals; "inf", "-inf" and
// "nan" for values that are not finite.
std::string fixedText(double value, int decimals);

} // namespace gelvant
