#pragma once

#include <array>
#include <string_view>

namespace gelvant {

// Tube material of the air cooler: the factor on the steel-tube coefficient
// and the label shown in front of the coefficient box.
struct AirCoolerTubeRow {
    std::string_view item;
    double factor;
    std::string_view label;
};

inline constexpr auto kAirCoolerTubeTable = std::to_array<AirCoolerTubeRow>({
    {"钢管", 1.0, "（钢管）冷风机传热(w/m2℃)"},
    {"铝管", 1.2, "（铝管）冷风机传热(w/m2℃)"},
    {"铜管", 1.2, "（铜管）冷风机传热(w/m2℃)"},
});

} // namespace gelvant
