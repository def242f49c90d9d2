#pragma once

#include <optional>

namespace gelvant {

struct DesignSheet;

// Coil and air-cooler surfaces from the total load and the two heat fluxes.
// The coil is sized without the air coolers' own heat; the air cooler for
// the whole load.
void UpdateSurfaceAreas(DesignSheet& sheet);

// Design temperature difference of the coil list 1117 and the air-cooler
// list 1123, by item index: 6, 8, 10, 12 and 15 °C; none without an item.
std::optional<double> temperatureDifferenceForIndex(int index);

} // namespace gelvant
