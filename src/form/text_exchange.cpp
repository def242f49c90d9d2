#include "form/text_exchange.h"

#include "form/numeric.h"
#include "form/portable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gelvant {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest leading decimal number: sign, digits, point, digits,
// then an exponent only when it has at least one digit. 0 when there is none.
std::size_t decimalNumberLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

std::optional<float> parseNonFinite(std::string_view s) {
    if (s == "inf" || s == "+inf") {
        return std::numeric_limits<float>::infinity();
    }
    if (s == "-inf") {
        return -std::numeric_limits<float>::infinity();
    }
    if (s == "nan") {
        return std::numeric_limits<float>::quiet_NaN();
    }
    return std::nullopt;
}

// Decimal order of magnitude of an unsigned number that the parse found out
// of a double's range: where its first significant digit stands relative to
// the units, plus the exponent. Only its sign matters (beyond the range, a
// non-negative order overflows and a negative one underflows), so the
// exponent is read with saturation.
long long decimalOrder(std::string_view number) {
    const auto e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return std::numeric_limits<long long>::min(); // all zeros
    }
    long long order = first < point ? static_cast<long long>(point - first) - 1
                                    : -static_cast<long long>(first - point);
    if (e != std::string_view::npos) {
        std::string_view exponent = number.substr(e + 1);
        const bool negative = !exponent.empty() && exponent.front() == '-';
        if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
            exponent.remove_prefix(1);
        }
        long long magnitude = 0;
        for (const char c : exponent) {
            magnitude = std::min(magnitude * 10 + (c - '0'), 1'000'000'000LL);
        }
        order += negative ? -magnitude : magnitude;
    }
    return order;
}

double parseDecimal(std::string_view number) {
    // from_chars takes no leading '+'; the sign is applied separately.
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    const auto result = parseDoubleChars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for a double: infinity; too small: zero, as the C
        // library's conversion gives. The exponent's sign alone does not tell
        // which: 0.000…1e+5 is tiny and 1000…0e-5 huge.
        value = decimalOrder(number) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<float> parseFloatText(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    if (auto special = parseNonFinite(s)) {
        return special;
    }
    const std::size_t length = decimalNumberLength(s);
    if (length == 0 || length != s.size()) {
        return std::nullopt;
    }
    const double value = parseDecimal(s);
    if (value == 0.0 && s.front() != '0') {
        return std::nullopt;
    }
    return toFloat32(value);
}

std::optional<std::int32_t> parseIntText(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    if (i == s.size()) {
        return std::nullopt;
    }
    for (std::size_t j = i; j < s.size(); ++j) {
        if (!isDigit(s[j])) {
            return std::nullopt;
        }
    }
    std::int64_t magnitude = 0;
    for (std::size_t j = i; j < s.size(); ++j) {
        magnitude = magnitude * 10 + (s[j] - '0');
        if (magnitude > 2147483648LL) {
            return std::nullopt; // not a 32-bit integer
        }
    }
    const std::int64_t value = s.front() == '-' ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    if (value == 0 && s.front() != '0') {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::string formatFloatText(float value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (value == 0.0F) {
        return "0"; // also for -0, which the read would refuse
    }
    // Precision 6 in general format is printf's %g, but independent of the
    // process locale (the window toolkit sets one).
    return generalText(static_cast<double>(value), 6);
}

std::string formatIntText(std::int32_t value) {
    return std::to_string(value);
}

double shortestDecimal(float value) {
    const std::string text = shortestText(value);
    double shortest = 0;
    parseDoubleChars(text.data(), text.data() + text.size(), shortest);
    // Rounding that decimal to a float gives the float back; should a double
    // rounding ever miss it, the float's exact value still does.
    return static_cast<float>(shortest) == value ? shortest : static_cast<double>(value);
}

} // namespace gelvant
