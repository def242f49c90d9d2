#pragma once

#include <cstdint>

namespace gelvant {

struct DesignSheet;

// Inner volume in whole m³: the outer dimensions less twice the insulation
// thickness on every side (the thickness is in mm), rounded.
std::int32_t innerVolumeM3(const DesignSheet& s);

// Outer surface of walls, roof and floor in whole m², rounded.
std::int32_t outerSurfaceM2(const DesignSheet& s);

} // namespace gelvant
