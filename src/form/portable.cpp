#include "form/portable.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <version>

namespace gelvant {

namespace portable {

namespace {

// A positive finite value as decimal digits d1 d2 … dn read d1.d2…dn × 10^exponent.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The value correctly rounded to `count` significant digits (printf's %e
// rounds the exact binary value).
Decimal roundedDigits(double value, int count) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", count - 1, value);
    Decimal decimal;
    const char* c = text;
    for (; *c != 'e'; ++c) {
        if (*c >= '0' && *c <= '9') {
            decimal.digits += *c;
        }
    }
    decimal.exponent = static_cast<int>(std::strtol(c + 1, nullptr, 10));
    return decimal;
}

std::string scientific(const Decimal& d) {
    std::string text(1, d.digits.front());
    if (d.digits.size() > 1) {
        text += '.';
        text.append(d.digits, 1);
    }
    const int magnitude = std::abs(d.exponent);
    text += d.exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) {
        text += '0';
    }
    return text + std::to_string(magnitude);
}

float readBack(const std::string& text, float /*kind*/) {
    return std::strtof(text.c_str(), nullptr);
}
double readBack(const std::string& text, double /*kind*/) {
    return std::strtod(text.c_str(), nullptr);
}

template <class T> bool readsBackTo(const Decimal& d, T value) {
    return readBack(scientific(d), value) == value;
}

// The next decimal of the same number of digits above (+1) or below (-1).
// Below a power of ten the grid is ten times finer: 1.00e5 steps down to 9.99e4.
Decimal neighbour(Decimal d, int direction) {
    auto i = d.digits.size();
    if (direction > 0) {
        while (i > 0 && d.digits[i - 1] == '9') {
            d.digits[--i] = '0';
        }
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
        } else {
            ++d.digits[i - 1];
        }
        return d;
    }
    if (d.digits.find_first_not_of('0', 1) == std::string::npos && d.digits.front() == '1') {
        return {std::string(d.digits.size(), '9'), d.exponent - 1};
    }
    while (d.digits[i - 1] == '0') {
        d.digits[--i] = '9';
    }
    --d.digits[i - 1];
    return d;
}

// The fewest significant digits that read back to the value; of two such
// decimals, the one nearer the value.
template <class T> Decimal shortestDigits(T value) {
    const int maxDigits = std::numeric_limits<T>::max_digits10;
    for (int count = 1; count < maxDigits; ++count) {
        Decimal rounded = roundedDigits(value, count);
        if (readsBackTo(rounded, value)) {
            return rounded;
        }
        const double roundedValue = std::strtod(scientific(rounded).c_str(), nullptr);
        Decimal other = neighbour(rounded, roundedValue > value ? -1 : 1);
        if (readsBackTo(other, value)) {
            return other;
        }
    }
    return roundedDigits(value, maxDigits);
}

template <class T> std::string shortestOf(T value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) {
        return sign + "inf";
    }
    if (value == 0) {
        return sign + "0";
    }
    Decimal d = shortestDigits(std::fabs(value));
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    const int n = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    const std::string sci = scientific(d);
    const int fixedLength = e >= n - 1 ? e + 1 : (e >= 0 ? n + 1 : n + 1 - e);
    if (fixedLength > static_cast<int>(sci.size())) {
        return sign + sci;
    }
    if (e >= n - 1) {
        // A whole number in fixed notation is written exactly, as %.0f does.
        return sign + fixedDecimalsText(std::fabs(static_cast<double>(value)), 0);
    }
    if (e >= 0) {
        return sign + d.digits.substr(0, static_cast<std::size_t>(e) + 1) + '.' +
               d.digits.substr(static_cast<std::size_t>(e) + 1);
    }
    return sign + "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + d.digits;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the decimal number std::from_chars takes at the start of the
// text: optional '-', digits with an optional point (at least one digit),
// an exponent only where it has digits. Zero when there is none.
std::size_t decimalPrefix(const char* first, const char* last) {
    const char* c = first;
    if (c != last && *c == '-') {
        ++c;
    }
    const char* mantissa = c;
    while (c != last && isDigit(*c)) {
        ++c;
    }
    bool anyDigit = c != mantissa;
    if (c != last && *c == '.') {
        const char* fraction = ++c;
        while (c != last && isDigit(*c)) {
            ++c;
        }
        anyDigit = anyDigit || c != fraction;
    }
    if (!anyDigit) {
        return 0;
    }
    if (c != last && (*c == 'e' || *c == 'E')) {
        const char* e = c + 1;
        if (e != last && (*e == '+' || *e == '-')) {
            ++e;
        }
        const char* exponent = e;
        while (e != last && isDigit(*e)) {
            ++e;
        }
        if (e != exponent) {
            c = e;
        }
    }
    return static_cast<std::size_t>(c - first);
}

} // namespace

std::string shortestText(float value) {
    return shortestOf(value);
}

std::string shortestText(double value) {
    return shortestOf(value);
}

std::string generalText(double value, int precision) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", precision, value);
    return text;
}

std::string fixedDecimalsText(double value, int decimals) {
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    text.pop_back();
    return text;
}

std::from_chars_result parseDoubleChars(const char* first, const char* last, double& value) {
    const std::size_t length = decimalPrefix(first, last);
    if (length == 0) {
        return {first, std::errc::invalid_argument};
    }
    const std::string number(first, length);
    errno = 0;
    const double parsed = std::strtod(number.c_str(), nullptr);
    // strtod reports a subnormal result as a range error too; from_chars
    // takes it and refuses only an overflow or an underflow to zero.
    if (errno == ERANGE && (parsed == 0 || std::isinf(parsed))) {
        return {first + length, std::errc::result_out_of_range};
    }
    value = parsed;
    return {first + length, std::errc{}};
}

} // namespace portable

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

// The C++ library has its own conversions: they are used.

namespace {
template <class... Format> std::string charsOf(double value, Format... format) {
    char text[400]; // 1e308 in fixed notation with a few decimals fits
    return {text, std::to_chars(text, text + sizeof text, value, format...).ptr};
}
} // namespace

std::string shortestText(float value) {
    char text[64];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}
std::string shortestText(double value) {
    return charsOf(value);
}
std::string generalText(double value, int precision) {
    return charsOf(value, std::chars_format::general, precision);
}
std::string fixedDecimalsText(double value, int decimals) {
    return charsOf(value, std::chars_format::fixed, decimals);
}
std::from_chars_result parseDoubleChars(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}

#else

std::string shortestText(float value) {
    return portable::shortestText(value);
}
std::string shortestText(double value) {
    return portable::shortestText(value);
}
std::string generalText(double value, int precision) {
    return portable::generalText(value, precision);
}
std::string fixedDecimalsText(double value, int decimals) {
    return portable::fixedDecimalsText(value, decimals);
}
std::from_chars_result parseDoubleChars(const char* first, const char* last, double& value) {
    return portable::parseDoubleChars(first, last, value);
}

#endif

} // namespace gelvant
