#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace gelvant {

// The one place where a computed double becomes a 32-bit integer. The form's
// rules cut toward zero; a value that is not a number gives 0 and a value at
// or beyond the 32-bit range (infinities included) saturates, so a division
// by a zero field never turns into undefined behaviour.
constexpr std::int32_t truncInt(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    constexpr double kMax = 2147483647.0;
    constexpr double kMin = -2147483648.0;
    if (x >= kMax) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (x <= kMin) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(x);
}

// Rounding as the rules use it: add one half and cut toward zero, so a
// negative value is not rounded symmetrically (-2.7 gives -2).
constexpr std::int32_t rndInt(double x) {
    return truncInt(x + 0.5);
}

// Narrowing to the sheet's single precision with overflow defined as the
// infinity of the same sign (what an IEEE store does), never out of range.
constexpr float toFloat32(double x) {
    constexpr double kMaxFloat = std::numeric_limits<float>::max();
    if (std::isnan(x)) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    if (x > kMaxFloat || x < -kMaxFloat) {
        // Values just past the largest float still round to it.
        const double limit = 0x1.ffffffp+127;
        if (x >= limit) {
            return std::numeric_limits<float>::infinity();
        }
        if (x <= -limit) {
            return -std::numeric_limits<float>::infinity();
        }
        return x > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
    }
    return static_cast<float>(x);
}

// A whole number held in a float field (a trunc or rnd result stored as float).
constexpr float wholeFloat(std::int32_t n) {
    return static_cast<float>(n);
}

} // namespace gelvant
