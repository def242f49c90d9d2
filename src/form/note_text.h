#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace gelvant {

// The notes beside the results show figures with a fixed number of decimals
// (none, one, two). This gives those digits without depending on the process
// locale: fixed notation rounded to the given decimals; "inf", "-inf" and
// "nan" for values that are not finite.
std::string fixedText(double value, int decimals);

// Joins the pieces of a note text. (Chains of operator+ on a literal trip a
// false -Wrestrict in GCC 12's optimised builds.)
std::string joinText(std::initializer_list<std::string_view> pieces);

} // namespace gelvant
