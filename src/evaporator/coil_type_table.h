#pragma once

#include "evaporator/coil_base_table.h"

#include <array>
#include <string_view>

namespace gelvant {

// Smooth-tube ceiling coil constructions: the block of base coefficients
// each one reads, its correction for the closer tube pitch "S/D=2", and
// whether forced (pump) liquid feed raises its coefficient.
struct CoilTypeRow {
    std::string_view item;
    CoilBaseBlock block;
    float closePitchFactor; // applied with "S/D=2"; "S/D=4" is the reference
    bool takesPumpFeedFactor;
};

inline constexpr auto kCoilTypeTable = std::to_array<CoilTypeRow>({
    {"光滑U形顶排管", CoilBaseBlock::uShapedOrDoubleLayer, 1.0F, false},
    {"单层光滑蛇形顶排管", CoilBaseBlock::singleLayer, 0.975F, true},
    {"双层光滑蛇形顶排管", CoilBaseBlock::uShapedOrDoubleLayer, 1.0F, true},
    {"单排光滑蛇形顶排管", CoilBaseBlock::singleRow, 0.9873F, true},
});

// Index of the single-row coil, the one construction whose base value also
// depends on the number of tubes in height.
inline constexpr int kSingleRowCoilIndex = 3;
static_assert(kCoilTypeTable[kSingleRowCoilIndex].block == CoilBaseBlock::singleRow);

// Forced liquid feed by ammonia pump wets the tube wall better than gravity
// feed: the coefficient rises by a tenth.
inline constexpr float kPumpFeedFactor = 1.1F;

} // namespace gelvant
