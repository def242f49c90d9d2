#include "calc/moist_air.h"
#include "calc/saturation_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace gelvant {
namespace {

TEST(SaturationTable, IsStrictlyIncreasingInTemperatureAndPressure) {
    for (std::size_t i = 1; i < kSaturationTable.size(); ++i) {
        EXPECT_LT(kSaturationTable[i - 1].tC, kSaturationTable[i].tC) << i;
        EXPECT_LT(kSaturationTable[i - 1].pMPa, kSaturationTable[i].pMPa) << i;
    }
}

// The pressure comes back in single precision, so the table's points and
// the midpoint of 373 and 374 °C come back exactly (tolerance 0); the double
// product of the MPa column and 10^6 misses them (0.9999999975 Pa at -60 °C).
TEST(SaturationPressure, InterpolatesInsideTheTableAndGivesMinus99Outside) {
    const struct {
        float tC;
        float pPa;
        float tolerancePa;
    } cases[] = {
        {-60.0F, 1, 0},
        {100.0F, 101325, 0},
        {373.5F, 21933000, 0},
        {0.0F, 611.2F, 0},
        {21.0F, 2491.45F, 0.001F},
        {374.0F, -99, 0},
        {-60.5F, -99, 0},
        {1000.0F, -99, 0},
        {std::numeric_limits<float>::quiet_NaN(), -99, 0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(SaturationPressure(c.tC), c.pPa, c.tolerancePa) << "t = " << c.tC;
    }
}

// From the table's first point on, saturated air has its own temperature as
// dew point; what is left is the single-precision rounding of the pressure.
TEST(DewPoint, OfSaturatedAirIsTheAirTemperature) {
    EXPECT_EQ(DewPoint(-60, 100), -60);
    for (double t = -60; t < 374; t += 0.75) {
        EXPECT_NEAR(DewPoint(t, 100), t, 1e-5) << t;
    }
}

TEST(DewPoint, ReferencePointsAndOutOfTableCases) {
    EXPECT_NEAR(DewPoint(30, 83), 26.77, 0.005);
    EXPECT_NEAR(DewPoint(0, 90), -1.24, 0.005);
    EXPECT_EQ(DewPoint(30, 0), -99);
    EXPECT_EQ(DewPoint(-70, 50), -99);
    EXPECT_EQ(DewPoint(400, 50), -99);
}

double exchange(const char* selector, double tIn = 0, double tOutFloor = 0, double tOut = 30) {
    return MoistAirExchange(tOut, 83, tIn, 90, 100, selector, tOutFloor);
}

TEST(MoistAirExchange, ReferenceRoomAndOutdoorStates) {
    EXPECT_NEAR(exchange("r"), 2891, 0.5);
    EXPECT_NEAR(exchange("s1"), 22.41, 0.005);
    EXPECT_NEAR(exchange("s2"), 3.395, 0.0005);
    EXPECT_NEAR(exchange("m1"), 1.148, 0.0005);
    EXPECT_NEAR(exchange("m2"), 1.289, 0.0005);
    EXPECT_NEAR(exchange("r", -18), 4378, 0.5);
}

TEST(MoistAirExchange, UnknownSelectorGivesMinusOne) {
    for (const char* selector : {"", "R", "s", "m3", "r "}) {
        EXPECT_EQ(exchange(selector), -1) << '"' << selector << '"';
    }
}

TEST(MoistAirExchange, WarmerFloorTemperatureReplacesTheOutdoorTemperature) {
    for (const char* selector : {"r", "s1", "s2", "m1", "m2"}) {
        EXPECT_EQ(exchange(selector, 0, 35), exchange(selector, 0, 0, 35)) << selector;
        EXPECT_EQ(exchange(selector, 0, 30), exchange(selector)) << selector;
    }
}

} // namespace
} // namespace gelvant
