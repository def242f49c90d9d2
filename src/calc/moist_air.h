#pragma once

#include <string_view>

namespace gelvant {

// Moist-air properties at a fixed standard atmosphere of 101325 Pa, from a
// 131-point saturation table of water vapour (-60 to 374 °C).

// Saturation pressure of water vapour in Pa at tC, interpolated linearly in
// the table and rounded to single precision; -99 outside the table (below
// -60, at or above 374, or NaN).
float SaturationPressure(float tC);

// Dew point in °C of air at tC and rhPercent relative humidity; -99 when the
// vapour pressure falls outside the table (for example rh = 0).
double DewPoint(double tC, double rhPercent);

// For an outdoor and a room air state and a volume of room air, the one
// figure picked by selector:
//   "r"  heat to cool the outdoor air that replaces the volume back to the
//        room state, W·h per exchange;
//   "s1" / "s2" outdoor / room humidity ratio, g per kg dry air;
//   "m1" / "m2" outdoor / room air density, kg/m³;
//   anything else: -1.
// The outdoor air is taken at the larger of tOutC and tOutFloorC.
double MoistAirExchange(double tOutC, double rhOutPercent, double tInC, double rhInPercent,
                        double volumeM3, std::string_view selector, double tOutFloorC);

} // namespace gelvant
