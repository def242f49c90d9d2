#include "calc/surface_areas.h"
#include "evaporator/coil.h"
#include "evaporator/coil_base_table.h"
#include "evaporator/coil_diameter_table.h"
#include "evaporator/coil_type_table.h"
#include "evaporator_form.h"
#include "sheet/controls.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace gelvant::evaporator_testing {
namespace {

TEST(CoilTables, HoldElevenBlocksOfFiftyAndTheirCorrections) {
    std::size_t values = 0;
    for (const CoilBaseRow& row : kCoilBaseTable) {
        values += row.uWPerM2CByRoomTemp.size();
    }
    EXPECT_EQ(values, 550U);
    // Every block runs through the differences 6 to 15 °C in order; the
    // single-row blocks through 4 to 20 tubes.
    for (std::size_t i = 0; i < kCoilBaseTable.size(); ++i) {
        static constexpr int kDiffs[] = {6, 8, 10, 12, 15};
        EXPECT_EQ(kCoilBaseTable[i].tempDiffC, kDiffs[i % 5]) << i;
        if (i >= 10) {
            EXPECT_EQ(kCoilBaseTable[i].tubesInHeight, 4 + 2 * static_cast<int>((i - 10) / 5));
        }
    }
    EXPECT_EQ(kCoilBaseTable[0].uWPerM2CByRoomTemp[0], 8.14F);
    EXPECT_EQ(kCoilBaseTable[9].uWPerM2CByRoomTemp[8], 7.32F);
    EXPECT_EQ(kCoilBaseTable[51].uWPerM2CByRoomTemp[1], 12.26F); // the chart's odd value
    EXPECT_EQ(kCoilBaseTable[54].uWPerM2CByRoomTemp[9], 10.82F);

    EXPECT_EQ(kCoilDiameterTable[3].singleRowFactor, 0.994F);
    EXPECT_EQ(kCoilDiameterTable[11].otherTypesFactor, 1.2306F);
    EXPECT_EQ(kCoilTypeTable[1].closePitchFactor, 0.975F);
    EXPECT_EQ(kCoilTypeTable[3].closePitchFactor, 0.9873F);

    ASSERT_EQ(coilTypeItems().size(), 4U);
    EXPECT_EQ(coilTypeItems()[3], "单排光滑蛇形顶排管");
    ASSERT_EQ(coilDiameterItems().size(), 12U);
    EXPECT_EQ(coilDiameterItems()[6], "φ38");
}

class CoilRule : public EvaporatorForm {
protected:
    // The coil lists in the order start-up chooses them, type last.
    void chooseCoil(int rows, int tempDiff, int roomTemp, int feed, int diameter, int pitch,
                    int type) {
        dlg.chooseItem(ctl::coilRowsChoice, rows);
        dlg.chooseItem(ctl::coilTempDiffChoice, tempDiff);
        dlg.chooseItem(ctl::coilRoomTempChoice, roomTemp);
        dlg.chooseItem(ctl::coilFeedChoice, feed);
        dlg.chooseItem(ctl::coilDiameterChoice, diameter);
        dlg.chooseItem(ctl::coilPitchChoice, pitch);
        dlg.chooseItem(ctl::coilTypeChoice, type);
    }
};

struct ConstructionCase {
    const char* name;
    int type, pitch, diameter, feed, roomTemp, tempDiff, rows;
    const char* coefficient;
    const char* flux;
};

class CoilConstruction : public CoilRule, public testing::WithParamInterface<ConstructionCase> {};

// Coefficients as the form shows them (six significant digits).
TEST_P(CoilConstruction, CorrectsTheBaseValueForDiameterFeedAndPitch) {
    const ConstructionCase& c = GetParam();
    chooseCoil(c.rows, c.tempDiff, c.roomTemp, c.feed, c.diameter, c.pitch, c.type);
    EXPECT_EQ(shown("coilHeatTransfer"), c.coefficient);
    EXPECT_EQ(shown("coilHeatFlux"), c.flux);
    // Choosing again does not apply the corrections a second time.
    dlg.chooseItem(ctl::coilFeedChoice, c.feed);
    EXPECT_EQ(shown("coilHeatTransfer"), c.coefficient);
}

// The worked examples of the design charts run through the driver tests;
// these cover the columns and blocks those leave out.
INSTANTIATE_TEST_SUITE_P(Cases, CoilConstruction,
                         testing::Values(ConstructionCase{"SingleRowTakesItsOwnDiameterColumn", 3,
                                                          0, 11, 0, 9, 4, 0, "8.81432", "132.215"},
                                         ConstructionCase{"SingleLayerBlockCorner", 1, 0, 6, 0, 9,
                                                          4, 5, "7.09", "106.35"},
                                         ConstructionCase{"DoubleLayerPumpWithoutPitchCorrection",
                                                          2, 1, 6, 1, 0, 0, 2, "8.954", "53.724"}),
                         [](const testing::TestParamInfo<ConstructionCase>& info) {
                             return info.param.name;
                         });

TEST_F(CoilRule, TubesInHeightShowOnlyForTheSingleRowCoil) {
    chooseCoil(2, 1, 0, 0, 6, 0, 3);
    EXPECT_TRUE(dlg.isVisible(ctl::coilRowsChoice));
    const std::string singleRow = shown("coilHeatTransfer");
    dlg.chooseItem(ctl::coilTypeChoice, 1);
    EXPECT_FALSE(dlg.isVisible(ctl::coilRowsChoice));
    const std::string singleLayer = shown("coilHeatTransfer");
    EXPECT_NE(singleRow, singleLayer);
    dlg.chooseItem(ctl::coilRowsChoice, 8); // hidden: no effect on the coefficient
    EXPECT_EQ(shown("coilHeatTransfer"), singleLayer);
    EXPECT_EQ(dlg.currentIndex(ctl::coilRowsChoice), 8);
    dlg.chooseItem(ctl::coilTypeChoice, 3); // shown again with the 20-tube block
    EXPECT_TRUE(dlg.isVisible(ctl::coilRowsChoice));
    EXPECT_EQ(shown("coilHeatTransfer"), "14.3");
}

// A list the lookup needs without an item leaves coefficient and flux as
// they are, however often the rule runs and whatever factors are chosen.
TEST_F(CoilRule, MissingChoicesLeaveCoefficientAndFluxWithoutCompounding) {
    chooseCoil(2, 1, 0, 1, 11, 1, 3);
    const std::string coefficient = shown("coilHeatTransfer");
    const std::string flux = shown("coilHeatFlux");
    const int missing[] = {ctl::coilRowsChoice, ctl::coilTempDiffChoice, ctl::coilRoomTempChoice,
                           ctl::coilTypeChoice};
    for (const int list : missing) {
        const int kept = dlg.currentIndex(list);
        dlg.userClearsList(list);
        for (int run = 0; run < 3; ++run) {
            dlg.chooseItem(ctl::coilFeedChoice, 1);
            dlg.chooseItem(ctl::coilDiameterChoice, 11);
        }
        EXPECT_EQ(shown("coilHeatTransfer"), coefficient) << list;
        EXPECT_EQ(shown("coilHeatFlux"), flux) << list;
        dlg.chooseItem(list, kept);
    }
    EXPECT_EQ(shown("coilHeatTransfer"), coefficient);
}

// Typing 9 with 10 °C giving 90 runs through the driver tests.
TEST_F(CoilRule, TypedCoefficientLeavesLineAndFluxWithoutADifference) {
    chooseCoil(2, 2, 0, 1, 11, 1, 1);
    const std::string line(dlg.staticText(ctl::compressorNote1));
    set({{"totalCoolingLoadW", "10000"}});
    type("coilHeatTransfer", "9");
    EXPECT_EQ(shown("coilHeatFlux"), "90");
    EXPECT_EQ(dlg.staticText(ctl::compressorNote1), line);
    dlg.userClearsList(ctl::coilTempDiffChoice);
    type("coilHeatTransfer", "5");
    EXPECT_EQ(shown("coilHeatFlux"), "90");
}

TEST_F(CoilRule, CompressorLineWaitsForADifferenceAndShowsInfWithoutTonnage) {
    set({{"roomTemp", "-18"}, {"totalCoolingLoadW", "20000"}, {"airCoolerHeatFlux", "100"}});
    dlg.chooseItem(ctl::coilTypeChoice, 0);
    EXPECT_EQ(dlg.staticText(ctl::compressorNote1), "压缩机");
    EXPECT_EQ(shown("airCoolerAreaM2"), "200"); // the surfaces are still sized
    dlg.chooseItem(ctl::coilTempDiffChoice, 1);
    EXPECT_EQ(dlg.staticText(ctl::compressorNote1),
              "压缩机选用：蒸发T=-28℃,制冷量21.4KW--冷负荷20000/0.0=infw/t");
}

struct SurfaceCase {
    const char* name;
    float totalW, airCoolerW, coilFlux, airCoolerFlux;
    std::int32_t coilArea, airCoolerArea;
};

class SurfaceAreas : public testing::TestWithParam<SurfaceCase> {};

TEST_P(SurfaceAreas, RoundHalvesUpAndSaturateWithoutAFlux) {
    const SurfaceCase& c = GetParam();
    DesignSheet s;
    s.totalCoolingLoadW = c.totalW;
    s.airCoolerHeatW = c.airCoolerW;
    s.coilHeatFlux = c.coilFlux;
    s.airCoolerHeatFlux = c.airCoolerFlux;
    UpdateSurfaceAreas(s);
    EXPECT_EQ(s.coilAreaM2, c.coilArea);
    EXPECT_EQ(s.airCoolerAreaM2, c.airCoolerArea);
}

constexpr std::int32_t kMaxArea = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, SurfaceAreas,
    testing::Values(SurfaceCase{"CoilWithoutAirCoolerHeat", 10000, 1000, 68.88F, 100, 131, 100},
                    SurfaceCase{"ExactHalfGoesUp", 9135, 0, 70, 70, 131, 131},
                    SurfaceCase{"ZeroFluxSaturates", 10000, 0, 0, 0, kMaxArea, kMaxArea},
                    SurfaceCase{"NoLoadAndNoFluxGivesZero", 0, 0, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<SurfaceCase>& info) { return info.param.name; });

} // namespace
} // namespace gelvant::evaporator_testing
