#include "calc/moist_air.h"

#include "calc/saturation_table.h"

#include <cstddef>

namespace gelvant {
namespace {

constexpr double kOutOfTable = -99.0;
constexpr double kStandardPressurePa = 101325.0;
constexpr double kPaPerMPa = 1e6;

// Pressure column in Pa, each point converted once to single precision, as
// the dew-point search compares against it.
constexpr float pressurePa(std::size_t i) {
    return static_cast<float>(static_cast<double>(kSaturationTable[i].pMPa) * kPaPerMPa);
}

struct AirState {
    double vapourPressurePa;
    double humidityRatioGPerKg;
    double enthalpyKJPerKg;
    double densityKgPerM3;
};

// Humid air at temperature tC and relative humidity rhPercent, B = 101325 Pa.
AirState airState(double tC, double rhPercent) {
    AirState s{};
    s.vapourPressurePa = SaturationPressure(static_cast<float>(tC)) * rhPercent * 0.01;
    s.humidityRatioGPerKg = 622.0 * s.vapourPressurePa / (kStandardPressurePa - s.vapourPressurePa);
    s.enthalpyKJPerKg = (1.84 * tC + 2501.0) * s.humidityRatioGPerKg * 0.001 + 1.01 * tC;
    s.densityKgPerM3 = 352.611 / (tC + 273.0) - 0.00132 * s.vapourPressurePa / (tC + 273.0);
    return s;
}

} // namespace

float SaturationPressure(float tC) {
    for (std::size_t i = 0; i + 1 < kSaturationTable.size(); ++i) {
        const SaturationPoint& lo = kSaturationTable[i];
        const SaturationPoint& hi = kSaturationTable[i + 1];
        if (lo.tC <= tC && tC < hi.tC) {
            const double pMPa =
                static_cast<double>(lo.pMPa) + (static_cast<double>(tC) - lo.tC) / (hi.tC - lo.tC) *
                                                   (static_cast<double>(hi.pMPa) - lo.pMPa);
            // Interpolated in double, handed back in single precision: the
            // single-precision MPa column times 10^6 lands a hair off the
            // pascals it stands for (0.9999999975 Pa for the 1 Pa at -60 °C,
            // under the first point of the dew-point search), and rounding
            // puts the table points back on the pressures the search holds.
            return static_cast<float>(pMPa * kPaPerMPa);
        }
    }
    return static_cast<float>(kOutOfTable);
}

double DewPoint(double tC, double rhPercent) {
    const double pv = SaturationPressure(static_cast<float>(tC)) * rhPercent * 0.01;
    for (std::size_t i = 0; i + 1 < kSaturationTable.size(); ++i) {
        const double pLo = pressurePa(i);
        const double pHi = pressurePa(i + 1);
        if (pLo <= pv && pv < pHi) {
            const double tLo = kSaturationTable[i].tC;
            const double tHi = kSaturationTable[i + 1].tC;
            return tLo + (tHi - tLo) * (pv - pLo) / (pHi - pLo);
        }
    }
    return kOutOfTable;
}

double MoistAirExchange(double tOutC, double rhOutPercent, double tInC, double rhInPercent,
                        double volumeM3, std::string_view selector, double tOutFloorC) {
    if (tOutFloorC > tOutC) {
        tOutC = tOutFloorC; // the warmer outdoor air wins
    }
    const AirState in = airState(tInC, rhInPercent);

    // Room air taken out: its mass, its water and its dry air.
    const double massKg = in.densityKgPerM3 * volumeM3;
    const double waterOutG =
        massKg * in.humidityRatioGPerKg * 1000.0 / (in.humidityRatioGPerKg + 1000.0);
    const double dryAirKg = massKg - waterOutG * 0.001;

    // Outdoor air brought in: the same dry air at the outdoor state.
    const AirState out = airState(tOutC, rhOutPercent);
    const double waterInG = out.humidityRatioGPerKg * dryAirKg;
    const double massInKg = dryAirKg + waterInG * 0.001;

    double heatKJ = massInKg * out.enthalpyKJPerKg - massKg * in.enthalpyKJPerKg;
    if (tInC < 0) {
        // Moisture freezing out: 80 kcal/kg of fusion plus 0.5 kcal/(kg·°C)
        // for cooling the ice below 0 °C, at 4.18 kJ/kcal, 0.001 kg/g.
        heatKJ += (80.0 - 0.5 * tInC) * (waterInG - waterOutG) * 0.00418;
    }
    const double heatWh = heatKJ / 3.6;

    if (selector == "r") {
        return heatWh;
    }
    if (selector == "s1") {
        return out.humidityRatioGPerKg;
    }
    if (selector == "s2") {
        return in.humidityRatioGPerKg;
    }
    if (selector == "m1") {
        return out.densityKgPerM3;
    }
    if (selector == "m2") {
        return in.densityKgPerM3;
    }
    return -1.0;
}

} // namespace gelvant
