#pragma once

#include <array>
#include <string_view>

namespace gelvant {

// Envelope insulation materials: conductivity for the heat leak, density and
// specific heat for the heat the panels give up when the store is pulled down.
struct InsulationRow {
    std::string_view item;
    float conductivityWPerMC;
    float densityKgPerM3;
    float specificHeatKJPerKgC;
};

using InsulationTable = std::array<InsulationRow, 5>;

// clang-format off
inline constexpr InsulationTable kInsulationTable{{
    {"聚氨酯泡沫", 0.03F, 40.0F, 1.26F},
    {"聚苯乙烯泡沫", 0.047F, 19.0F, 1.21F},
    {"玻璃纤维", 0.076F, 190.0F, 1.09F},
    {"软木", 0.07F, 170.0F, 2.05F},
    {"砖墙", 0.81F, 1800.0F, 1.05F},
}};
// clang-format on
static_assert(!kInsulationTable.back().item.empty());

} // namespace gelvant
