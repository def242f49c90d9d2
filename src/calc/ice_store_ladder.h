#pragma once

#include <array>
#include <limits>
#include <optional>

namespace gelvant {

// Volume coefficient of an ice store, where blocks of machine-made ice are
// stacked to the height of the room: by the store height, each rung covering
// the heights above the previous rung's bound up to and including its own.
struct IceStoreRung {
    double upToHeightM;
    float coefficient;
};

inline constexpr std::array<IceStoreRung, 4> kIceStoreLadder{{
    {4.2, 0.4F},
    {5, 0.5F},
    {6, 0.6F},
    {std::numeric_limits<double>::infinity(), 0.65F},
}};
static_assert(kIceStoreLadder.back().upToHeightM == std::numeric_limits<double>::infinity());

// The coefficient for a store height; none for a height that is not a number.
constexpr std::optional<float> iceStoreCoefficientFor(double heightM) {
    for (const IceStoreRung& rung : kIceStoreLadder) {
        if (heightM <= rung.upToHeightM) {
            return rung.coefficient;
        }
    }
    return std::nullopt;
}

} // namespace gelvant
