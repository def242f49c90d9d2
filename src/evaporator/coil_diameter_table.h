#pragma once

#include <array>
#include <string_view>

namespace gelvant {

// Tube outer diameter correction of the coil coefficient, relative to the
// 38 mm tube of the base values. Single-row coils have their own column; the
// other constructions share one. The single-row figure for 48 mm (0.994) sits
// above those of 45 and 42 mm; it is the chart's figure and is kept.
struct CoilDiameterRow {
    std::string_view item;
    float singleRowFactor;
    float otherTypesFactor;
};

inline constexpr auto kCoilDiameterTable = std::to_array<CoilDiameterRow>({
    {"φ89", 0.8727F, 0.858F},
    {"φ76", 0.895F, 0.8827F},
    {"φ57", 0.9372F, 0.9296F},
    {"φ48", 0.994F, 0.9588F},
    {"φ45", 0.9733F, 0.97F},
    {"φ42", 0.9841F, 0.9821F},
    {"φ38", 1.0F, 1.0F},
    {"φ32", 1.0279F, 1.0314F},
    {"φ25", 1.0693F, 1.0783F},
    {"φ20", 1.1082F, 1.1225F},
    {"φ16", 1.1484F, 1.1685F},
    {"φ12", 1.2025F, 1.2306F},
});

static_assert(kCoilDiameterTable[6].singleRowFactor == 1.0F &&
              kCoilDiameterTable[6].otherTypesFactor == 1.0F);

} // namespace gelvant
