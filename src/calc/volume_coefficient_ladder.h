#pragma once

#include <array>
#include <limits>
#include <optional>

namespace gelvant {

// Share of the inner volume that stacked goods take up, by the size of the
// store. A rung covers the volumes above its lower bound and below its upper
// bound, the upper bound included only where marked. The rungs leave out
// 2000, 10000, 10001 and 15000 m³ exactly.
struct VolumeCoefficientRung {
    double aboveM3;
    double upToM3;
    bool upToIncluded;
    float coefficient;
};

inline constexpr double kUnboundedM3 = std::numeric_limits<double>::infinity();

inline constexpr std::array<VolumeCoefficientRung, 5> kVolumeCoefficientLadder{{
    {-kUnboundedM3, 1000, true, 0.4F},
    {1000, 2000, false, 0.5F},
    {2000, 10000, false, 0.55F},
    {10001, 15000, false, 0.6F},
    {15000, kUnboundedM3, true, 0.62F},
}};
static_assert(kVolumeCoefficientLadder.back().upToM3 == kUnboundedM3);

// The coefficient for an inner volume, or none where no rung applies.
constexpr std::optional<float> volumeCoefficientFor(double volumeM3) {
    for (const VolumeCoefficientRung& rung : kVolumeCoefficientLadder) {
        const bool belowTop = rung.upToIncluded ? volumeM3 <= rung.upToM3 : volumeM3 < rung.upToM3;
        if (volumeM3 > rung.aboveM3 && belowTop) {
            return rung.coefficient;
        }
    }
    return std::nullopt;
}

} // namespace gelvant
