#include "evaporator/air_cooler.h"
#include "evaporator/air_cooler_evap_table.h"
#include "evaporator/air_cooler_tube_table.h"
#include "evaporator_form.h"
#include "sheet/controls.h"

#include <gtest/gtest.h>

namespace gelvant::evaporator_testing {
namespace {

TEST(AirCoolerTables, CoefficientsTubeFactorsAndLabels) {
    ASSERT_EQ(airCoolerEvapItems().size(), 5U);
    EXPECT_EQ(airCoolerEvapItems()[4], "冷风机管内制冷剂蒸发温度 >0℃，翅片管间风速4-5m/s");
    EXPECT_EQ(kAirCoolerEvapTable[0].baseUWPerM2C, 11.6F);
    EXPECT_EQ(kAirCoolerEvapTable[4].baseUWPerM2C, 17.4F);
    ASSERT_EQ(airCoolerTubeItems().size(), 3U);
    EXPECT_EQ(airCoolerTubeItems()[2], "铜管");
    EXPECT_EQ(kAirCoolerTubeTable[1].factor, kAirCoolerTubeTable[2].factor);
    EXPECT_EQ(kAirCoolerTubeTable[0].label, "（钢管）冷风机传热(w/m2℃)");
}

class AirCoolerRule : public EvaporatorForm {};

struct TubeCase {
    const char* name;
    int tube, evap, tempDiff;
    const char* coefficient;
    const char* flux;
    const char* label;
};

class AirCoolerTube : public AirCoolerRule, public testing::WithParamInterface<TubeCase> {};

TEST_P(AirCoolerTube, ScalesTheSteelCoefficientAndLabelsTheBox) {
    const TubeCase& c = GetParam();
    dlg.chooseItem(ctl::airCoolerTubeChoice, c.tube);
    dlg.chooseItem(ctl::airCoolerTempDiffChoice, c.tempDiff);
    dlg.chooseItem(ctl::airCoolerEvapChoice, c.evap);
    EXPECT_EQ(shown("airCoolerHeatTransfer"), c.coefficient);
    EXPECT_EQ(shown("airCoolerHeatFlux"), c.flux);
    EXPECT_EQ(dlg.staticText(ctl::airCoolerTubeLabel), c.label);
    // Choosing again does not apply the tube factor a second time.
    dlg.chooseItem(ctl::airCoolerTubeChoice, c.tube);
    EXPECT_EQ(shown("airCoolerHeatTransfer"), c.coefficient);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AirCoolerTube,
    testing::Values(
        TubeCase{"CopperLikeAluminium", 2, 1, 1, "14.64", "117.12", "（铜管）冷风机传热(w/m2℃)"},
        TubeCase{"SteelAboveZero", 0, 4, 0, "17.4", "104.4", "（钢管）冷风机传热(w/m2℃)"},
        TubeCase{"AluminiumMinusForty", 1, 0, 4, "13.92", "208.8", "（铝管）冷风机传热(w/m2℃)"}),
    [](const testing::TestParamInfo<TubeCase>& info) { return info.param.name; });

struct EvaporationCase {
    const char* name;
    const char* roomTemp;
    int tempDiff;
    int evapItem;
    const char* coefficient;
};

class EvaporationChoice : public AirCoolerRule,
                          public testing::WithParamInterface<EvaporationCase> {};

// The design difference moves the evaporating temperature to the room
// temperature less the difference, cut toward zero.
TEST_P(EvaporationChoice, FollowsRoomTemperatureLessTheDifference) {
    const EvaporationCase& c = GetParam();
    set({{"roomTemp", c.roomTemp}});
    dlg.chooseItem(ctl::airCoolerTubeChoice, 0);
    dlg.chooseItem(ctl::airCoolerTempDiffChoice, c.tempDiff);
    EXPECT_EQ(dlg.currentIndex(ctl::airCoolerEvapChoice), c.evapItem);
    EXPECT_EQ(shown("airCoolerHeatTransfer"), c.coefficient);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EvaporationChoice,
    testing::Values(EvaporationCase{"ZeroRoomEightDegrees", "0", 1, 3, "13.9"},
                    EvaporationCase{"TruncatedTowardZero", "2.5", 0, 3, "13.9"},
                    EvaporationCase{"ZeroDifferenceIsAboveZero", "6", 0, 4, "17.4"},
                    EvaporationCase{"MinusFifteen", "-7", 1, 3, "13.9"},
                    EvaporationCase{"MinusSixteen", "-8", 1, 2, "12.8"},
                    EvaporationCase{"MinusTwentyEight", "-18", 2, 1, "12.2"},
                    EvaporationCase{"MinusThirtyStaysThirty", "-20", 2, 1, "12.2"},
                    EvaporationCase{"MinusThirtyOne", "-21", 2, 0, "11.6"}),
    [](const testing::TestParamInfo<EvaporationCase>& info) { return info.param.name; });

// The other two lines of the example run through the driver tests.
TEST_F(AirCoolerRule, CompressorLineAsksForTheFanPowerWhenItIsZero) {
    set({{"roomTemp", "-18"},
         {"totalCoolingLoadW", "20000"},
         {"airCoolerPowerKw", "0"},
         {"airCoolerCount", "2"}});
    dlg.chooseItem(ctl::airCoolerTubeChoice, 0);
    dlg.chooseItem(ctl::airCoolerTempDiffChoice, 2);
    EXPECT_EQ(dlg.staticText(ctl::compressorNote2),
              "压缩机选用：蒸发T=-30℃,制冷量21.4KW--输入冷风机功率后再计算一次");
}

TEST_F(AirCoolerRule, TypedCoefficientTakesNoTubeFactorAndLeavesTheLine) {
    dlg.chooseItem(ctl::airCoolerTubeChoice, 1);
    dlg.chooseItem(ctl::airCoolerTempDiffChoice, 3);
    const std::string line(dlg.staticText(ctl::compressorNote2));
    set({{"totalCoolingLoadW", "9000"}});
    type("airCoolerHeatTransfer", "15");
    EXPECT_EQ(shown("airCoolerHeatFlux"), "180");
    EXPECT_EQ(shown("airCoolerAreaM2"), "50");
    EXPECT_EQ(dlg.staticText(ctl::compressorNote2), line);
}

// Without a tube or an evaporating temperature the coefficient and flux stay
// as they are, however often the rule runs; the label follows the tube.
TEST_F(AirCoolerRule, MissingChoicesLeaveCoefficientAndFluxWithoutCompounding) {
    set({{"airCoolerHeatTransfer", "10"}, {"airCoolerHeatFlux", "80"}});
    for (int run = 0; run < 3; ++run) {
        dlg.chooseItem(ctl::airCoolerTubeChoice, 1); // no evaporating temperature
    }
    EXPECT_EQ(shown("airCoolerHeatTransfer"), "10");
    EXPECT_EQ(shown("airCoolerHeatFlux"), "80");
    EXPECT_EQ(dlg.staticText(ctl::airCoolerTubeLabel), "（铝管）冷风机传热(w/m2℃)");
    EXPECT_EQ(dlg.staticText(ctl::compressorNote2), "压缩机"); // no difference either

    dlg.userClearsList(ctl::airCoolerTubeChoice);
    for (int run = 0; run < 3; ++run) {
        dlg.chooseItem(ctl::airCoolerEvapChoice, 4);
    }
    EXPECT_EQ(shown("airCoolerHeatTransfer"), "10");
    EXPECT_EQ(dlg.staticText(ctl::airCoolerTubeLabel), "（铝管）冷风机传热(w/m2℃)");
}

TEST_F(AirCoolerRule, WithoutADifferenceTheFluxAndLineStayButTheCoefficientFollows) {
    set({{"airCoolerHeatFlux", "80"}, {"totalCoolingLoadW", "8000"}});
    dlg.chooseItem(ctl::airCoolerTubeChoice, 0);
    dlg.chooseItem(ctl::airCoolerEvapChoice, 2);
    EXPECT_EQ(shown("airCoolerHeatTransfer"), "12.8");
    EXPECT_EQ(shown("airCoolerHeatFlux"), "80");
    EXPECT_EQ(shown("airCoolerAreaM2"), "100");
    EXPECT_EQ(dlg.staticText(ctl::compressorNote2), "压缩机");
}

// The difference rule chooses the evaporating temperature before it writes
// the form back, so the nested rule meets the same bad box and prompts too;
// its write then puts the record's value back.
TEST_F(AirCoolerRule, BadBoxIsPromptedByTheDifferenceRuleAndItsNestedRule) {
    set({{"storeLength", "abc"}});
    dlg.userChooses(ctl::airCoolerTempDiffChoice, 0);
    ASSERT_EQ(presenter.messages.size(), 2U);
    EXPECT_EQ(presenter.messages[1], (Message{"Gelvant", "请输入一个数字。"}));
    EXPECT_EQ(shown("storeLength"), "0");
}

} // namespace
} // namespace gelvant::evaporator_testing
