#pragma once

namespace gelvant {

// Item of the air-cooler list 1120 for the evaporating temperature that
// suits the room: d = trunc(room temperature - design difference), then
// above 0, -15, -20, -30 or -40 °C.
int airCoolerEvaporationItem(float roomTempC, double designDifferenceC);

// Item of the coil list 1116 whose room temperature covers roomTempC
// (0, -4, -10, -12, -15, -18, -20, -23, -25 or -30 °C).
int coilRoomTempItem(float roomTempC);

} // namespace gelvant
