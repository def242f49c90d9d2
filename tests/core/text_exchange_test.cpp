#include "form/text_exchange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace gelvant {
namespace {

// A text and whether the form takes it, and as what.
template <class T> struct ParseCase {
    const char* text;
    bool accepted;
    T value;
};
using FloatCase = ParseCase<float>;
using IntCase = ParseCase<int>;

template <class T, class Parse> void expectParsed(const ParseCase<T>& c, Parse parse) {
    const auto parsed = parse(c.text);
    ASSERT_EQ(parsed.has_value(), c.accepted) << '"' << c.text << '"';
    if (c.accepted) {
        EXPECT_EQ(*parsed, c.value) << '"' << c.text << '"';
    }
}

TEST(FloatParse, AcceptsOnlyWhatTheFormAccepts) {
    // clang-format off
    const FloatCase cases[] = {
        {"", false, 0}, {"   ", false, 0}, {"0", true, 0}, {"00", true, 0}, {"0.0", true, 0},
        {"-0", false, 0}, {".0", false, 0}, {"-", false, 0}, {"12m", false, 0}, {"5  ", true, 5},
        {" \t5\t", true, 5}, {"+5", true, 5}, {"-4.5", true, -4.5F}, {".5", true, 0.5F},
        {"5.", true, 5}, {"1e3", true, 1000}, {"1E-2", true, 0.01F}, {"1e", false, 0},
        {"1e+", false, 0}, {"0e5", true, 0}, {"0x10", false, 0}, {"1,5", false, 0},
        {"0.1", true, 0.1F}, {"20.856", true, 20.856F}, {"1e-60", true, 0}, {"5 5", false, 0},
        {"inf", true, INFINITY}, {"-inf", true, -INFINITY}, {"1e39", true, INFINITY},
        {"infinity", false, 0}};
    // clang-format on
    for (const FloatCase& c : cases) {
        expectParsed(c, parseFloatText);
    }
    EXPECT_TRUE(std::isnan(*parseFloatText("nan")));
}

// Numbers beyond a double's range read as the C library reads them: past the
// top as infinity, below the bottom as zero (accepted only when the text
// starts with the digit 0). Which of the two is decided by where the first
// significant digit stands, not by the exponent's sign alone.
TEST(FloatParse, NumbersBeyondADoublesRangeOverflowOrUnderflowByTheirMagnitude) {
    const std::string zeros(400, '0');
    const float inf = INFINITY;
    const struct {
        const char* name;
        std::string text;
        bool accepted;
        float value;
    } cases[] = {
        {"long fraction", "0." + zeros + "1", true, 0},
        {"long fraction, positive exponent", "0." + zeros + "1e+5", true, 0},
        {"long integer, negative exponent", "1" + zeros + "e-5", true, inf},
        {"negative long integer, negative exponent", "-1" + zeros + "e-9", true, -inf},
        {"tiny exponent, leading 1", "1e-400", false, 0},
        {"exponent beyond any integer", "1e99999999999999999999", true, inf},
        {"zero with a huge exponent", "0e99999999999999999999", true, 0},
        {"tiny fraction with a huge exponent", "0." + zeros + "1e999", true, inf},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectParsed(FloatCase{c.text.c_str(), c.accepted, c.value}, parseFloatText);
    }
}

TEST(IntParse, AcceptsOnlyWholeNumbers) {
    // clang-format off
    const IntCase cases[] = {
        {"", false, 0}, {"0", true, 0}, {"00", true, 0}, {"-0", false, 0}, {"+0", false, 0},
        {"+5", true, 5}, {"-5", true, -5}, {"12.5", false, 0}, {"12m", false, 0},
        {"100  ", true, 100}, {"-", false, 0}, {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1}, {"2147483648", false, 0},
        {"99999999999", false, 0}, {"1e3", false, 0}};
    // clang-format on
    for (const IntCase& c : cases) {
        expectParsed(c, parseIntText);
    }
}

TEST(FloatFormat, ShowsSixSignificantDigitsInTheShorterNotation) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        // clang-format off
        {0.1F, "0.1"}, {1.0F / 3.0F, "0.333333"}, {1e7F, "1e+07"}, {158.0F, "158"},
        {20.856F, "20.856"}, {11194.0F, "11194"}, {-0.0F, "0"}, {0.0F, "0"},
        {123456789.0F, "1.23457e+08"}, {0.0001F, "0.0001"}, {0.00001F, "1e-05"}, {-4.5F, "-4.5"},
        {INFINITY, "inf"}, {-INFINITY, "-inf"}, {NAN, "nan"}, {-NAN, "nan"},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFloatText(c.value), c.text);
    }
}

} // namespace
} // namespace gelvant
