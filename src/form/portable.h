#pragma once

// What the core takes from the C++ library for number texts, bit views and
// searches in tables, in one place. The WebAssembly build's library lacks
// floating-point to_chars/from_chars, bit_cast and the range algorithms; it
// gets the replacements below, and every call site in the core uses these
// names, so both builds show the same digits.

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <iterator>
#include <string>

namespace gelvant {

// The object representation of `from` read as a `To` of the same size.
template <class To, class From> constexpr To bitCast(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From));
    return __builtin_bit_cast(To, from);
}

// The first element whose member equals `value`, or the range's end.
template <class Range, class Row, class Member, class Value>
constexpr auto findBy(Range& range, const Value& value, Member Row::*member) {
    return std::find_if(std::begin(range), std::end(range),
                        [&](const Row& row) { return row.*member == value; });
}

// How many elements have a member equal to `value`.
template <class Range, class Row, class Member, class Value>
constexpr std::ptrdiff_t countBy(const Range& range, const Value& value, Member Row::*member) {
    return std::count_if(std::begin(range), std::end(range),
                         [&](const Row& row) { return row.*member == value; });
}

// The shortest text that reads back to the same value, fixed or scientific
// whichever is shorter: what std::to_chars(value) writes.
std::string shortestText(float value);
std::string shortestText(double value);

// printf's "%.<precision>g" and "%.<decimals>f" in the C locale: what
// std::to_chars writes in general and fixed format with a precision.
std::string generalText(double value, int precision);
std::string fixedDecimalsText(double value, int decimals);

// std::from_chars for a double: a decimal number (optional '-', digits with
// an optional point, optional exponent) at the start of [first, last);
// result_out_of_range, with `value` untouched, where it overflows or
// underflows to zero.
std::from_chars_result parseDoubleChars(const char* first, const char* last, double& value);

// The replacements themselves, built on the C library's exact conversions
// (snprintf, strtod, strtof). The functions above use them only where the
// C++ library lacks its own; tests compare the two where both exist.
namespace portable {
std::string shortestText(float value);
std::string shortestText(double value);
std::string generalText(double value, int precision);
std::string fixedDecimalsText(double value, int decimals);
std::from_chars_result parseDoubleChars(const char* first, const char* last, double& value);
} // namespace portable

} // namespace gelvant
