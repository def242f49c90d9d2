// The replacements for the C++ library's number conversions write and read
// exactly what the library does, so the WebAssembly build shows the same
// digits as the native one.

#include "form/portable.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace gelvant {
namespace {

std::string libraryShortest(float value) {
    char text[64];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}
std::string libraryShortest(double value) {
    char text[64];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// How many random values a sweep tries: fewer in the sanitizer build, where
// each conversion costs ten times as much and the normal build has tried them.
#if defined(GELVANT_SANITIZED)
constexpr int kSweepDivisor = 10;
#else
constexpr int kSweepDivisor = 1;
#endif

template <class T> void expectShortestAsLibrary(T value) {
    ASSERT_EQ(portable::shortestText(value), libraryShortest(value))
        << "bits " << std::hexfloat << value;
}

constexpr float kFloatCases[] = {
    1.0F, 0.1F, 0.3F, 100.0F, 1e10F, 1e13F, 1.2345678e12F, 9.999999e12F, 123456789.0F, 3e10F,
    1.5e9F, 1e-5F, 0.001F, 5e-4F, 2.5F, 16777216.0F, 16777217.0F, 0.46F, 1.4F, 273.15F,
    std::numeric_limits<float>::max(), std::numeric_limits<float>::min(),
    std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::epsilon(), -0.0F, 0.0F,
    -1.25F, std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
    std::numeric_limits<float>::quiet_NaN(), -std::numeric_limits<float>::quiet_NaN(),
    // powers of two, where the gap below is half the gap above
    0x1p-20F, 0x1p24F, 0x1p60F, 0x1p90F, 0x1p-126F, 8388608.0F};

TEST(PortableShortest, FloatCasesAsTheLibrary) {
    for (const float value : kFloatCases) {
        expectShortestAsLibrary(value);
    }
}

TEST(PortableShortest, EveryFloatExponentAndRandomFloatsAsTheLibrary) {
    // Around every power of two (both neighbours), then random bit patterns.
    for (std::uint32_t exponent = 0; exponent < 255; ++exponent) {
        const std::uint32_t power = exponent << 23;
        for (const std::uint32_t bits : {power, power + 1, power + 0x7FFFFF, power | 0x400000}) {
            expectShortestAsLibrary(bitCast<float>(bits));
            expectShortestAsLibrary(bitCast<float>(bits | 0x80000000U));
        }
    }
    std::mt19937 random(20261207);
    for (int i = 0; i < 200'000 / kSweepDivisor; ++i) {
        const float value = bitCast<float>(static_cast<std::uint32_t>(random()));
        expectShortestAsLibrary(value);
    }
}

TEST(PortableShortest, DoublesAsTheLibrary) {
    for (const double value :
         {0.1, 1.0 / 3, 1e22, 1e23, 5e-324, 1.7976931348623157e308, 123456789012345680.0, 4.35e15,
          2.2250738585072014e-308, 0.46, 0x1p52, 0x1p53 + 2, -7.5}) {
        expectShortestAsLibrary(value);
    }
    std::mt19937_64 random(7);
    for (int i = 0; i < 20'000 / kSweepDivisor; ++i) {
        expectShortestAsLibrary(bitCast<double>(static_cast<std::uint64_t>(random())));
        // floats widened, as the design file writes them
        expectShortestAsLibrary(
            static_cast<double>(bitCast<float>(static_cast<std::uint32_t>(random()))));
    }
}

TEST(PortableFormats, GeneralAndFixedAsTheLibrary) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> power(-12, 40);
    for (int i = 0; i < 20'000 / kSweepDivisor; ++i) {
        const double value = mantissa(random) * std::pow(10.0, power(random));
        const int precision = i % 8;
        char text[400];
        const auto general =
            std::to_chars(text, text + sizeof text, value, std::chars_format::general,
                          precision == 0 ? 6 : precision);
        ASSERT_EQ(portable::generalText(value, precision == 0 ? 6 : precision),
                  std::string(text, general.ptr));
        const auto fixed =
            std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, precision);
        ASSERT_EQ(portable::fixedDecimalsText(value, precision), std::string(text, fixed.ptr));
    }
    EXPECT_EQ(portable::fixedDecimalsText(-0.0, 1), "-0.0");
    EXPECT_EQ(portable::fixedDecimalsText(0.25, 1), "0.2"); // ties to even on the exact value
    EXPECT_EQ(portable::generalText(-std::numeric_limits<double>::infinity(), 6), "-inf");
}

TEST(PortableParse, ReadsAsTheLibrary) {
    // inf and nan are never handed to it: the exchange reads those itself.
    // clang-format off
    const char* const texts[] = {
        "0", "12.5", "-3", ".5", "5.", "1e5", "1e", "1e+", "2E-3x", "-.0", "+1", ".", "-", "e5",
        "abc", "1e400", "1e-400", "1e-310", "0e999", "1.7976931348623157e308",
        "1.7976931348623159e308", "4.9e-324", "2.4e-324", " 1", "123456789012345678901234567890",
        "0.000000000000000000000000000000001e-290", "00012", "0x10"};
    // clang-format on
    for (const std::string text : texts) {
        double mine = -42, theirs = -42;
        const char* end = text.data() + text.size();
        const auto a = portable::parseDoubleChars(text.data(), end, mine);
        const auto b = std::from_chars(text.data(), end, theirs,
                                       std::chars_format::fixed | std::chars_format::scientific);
        EXPECT_EQ(a.ec, b.ec) << text;
        EXPECT_EQ(a.ptr, b.ptr) << text;
        EXPECT_EQ(bitCast<std::uint64_t>(mine), bitCast<std::uint64_t>(theirs)) << text;
    }
}

TEST(PortableParse, ReadsEveryShortestTextBack) {
    std::mt19937 random(3);
    for (int i = 0; i < 50'000 / kSweepDivisor; ++i) {
        const float value = bitCast<float>(static_cast<std::uint32_t>(random()) & 0x7F7FFFFFU);
        const std::string text = portable::shortestText(value);
        double back = 0;
        portable::parseDoubleChars(text.data(), text.data() + text.size(), back);
        ASSERT_EQ(static_cast<float>(back), value) << text;
    }
}

} // namespace
} // namespace gelvant
