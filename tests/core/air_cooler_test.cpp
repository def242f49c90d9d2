#include "evaporator/air_cooler.h"
#include "evaporator_form.h"
#include "form/controls.h"

#include <gtest/gtest.h>

#include <string>

namespace gelvant::evaporator_testing {
namespace {

using AirCoolerRule = EvaporatorForm;

// The design difference chooses the evaporating temperature by the room
// temperature less the difference, cut toward zero; the tube scales the
// steel coefficient and names the box.
TEST(AirCoolerChoice, FollowsRoomTemperatureDifferenceAndTube) {
    static constexpr const char* kLabels[] = {
        "（钢管）冷风机传热(w/m2℃)", "（铝管）冷风机传热(w/m2℃)", "（铜管）冷风机传热(w/m2℃)"};
    const struct {
        const char* name;
        const char* roomTemp;
        int tube, tempDiff, evapItem;
        const char* coefficient;
        const char* flux;
    } cases[] = {
        {"difference cut toward zero", "2.5", 0, 0, 3, "13.9", "83.4"},
        {"zero difference is above zero", "6", 0, 0, 4, "17.4", "104.4"},
        {"minus fifteen", "-7", 0, 1, 3, "13.9", "111.2"},
        {"minus sixteen", "-8", 0, 1, 2, "12.8", "102.4"},
        {"minus twenty-eight", "-18", 0, 2, 1, "12.2", "122"},
        {"minus thirty stays thirty", "-20", 0, 2, 1, "12.2", "122"},
        {"minus thirty-one", "-21", 0, 2, 0, "11.6", "116"},
        {"aluminium minus forty", "-21", 1, 4, 0, "13.92", "208.8"},
        {"copper like aluminium", "-18", 2, 1, 1, "14.64", "117.12"},
    };
    for (const auto& c : cases) {
        EvaporatorFormState f;
        f.set({{"roomTemp", c.roomTemp}});
        f.dlg.chooseItem(ctl::airCoolerTubeChoice, c.tube);
        f.dlg.chooseItem(ctl::airCoolerTempDiffChoice, c.tempDiff);
        EXPECT_EQ(f.dlg.currentIndex(ctl::airCoolerEvapChoice), c.evapItem) << c.name;
        EXPECT_EQ(f.shown("airCoolerHeatTransfer"), c.coefficient) << c.name;
        EXPECT_EQ(f.shown("airCoolerHeatFlux"), c.flux) << c.name;
        EXPECT_EQ(f.dlg.staticText(ctl::airCoolerTubeLabel), kLabels[c.tube]) << c.name;
        f.dlg.chooseItem(ctl::airCoolerTubeChoice, c.tube); // the factor does not land twice
        EXPECT_EQ(f.shown("airCoolerHeatTransfer"), c.coefficient) << c.name;
    }
}

// A typed coefficient takes no tube factor; the compressor line says
// whether the fans' power is in the load, word for word.
TEST(AirCoolerFigures, TypedCoefficientAndTheCompressorLine) {
    const std::string frozen = "set roomTemp -18\nset totalCoolingLoadW 20000\n"
                               "set storageTonnage 250\nset airCoolerPowerKw 1.5\n";
    const std::string at10 = "choose airCoolerTubeChoice 0\nchoose airCoolerTempDiffChoice 2\n";
    const char* const noFans = "压缩机选用：蒸发T=-30℃,制冷量21.4KW--输入冷风机功率后再计算一次";
    const FormCase cases[] = {
        {"typed coefficient",
         "choose airCoolerTubeChoice 2\nchoose airCoolerTempDiffChoice 3\n"
         "set totalCoolingLoadW 9000\ntype airCoolerHeatTransfer 15\n",
         {"airCoolerHeatFlux", "airCoolerAreaM2", "compressorNote2"},
         "180 50 压缩机选用：蒸发T=-14℃,制冷量0.0KW--输入冷风机功率后再计算一次"},
        {"fans counted",
         frozen + "set airCoolerCount 2\n" + at10,
         {"compressorNote2"},
         "压缩机选用：蒸发T=-30℃,制冷量21.4KW--冷风机功率已加入请核对"},
        {"no fans counted", frozen + "set airCoolerCount 0\n" + at10, {"compressorNote2"}, noFans},
        {"fans without power",
         frozen + "set airCoolerCount 2\nset airCoolerPowerKw 0\n" + at10,
         {"compressorNote2"},
         noFans},
    };
    for (const FormCase& c : cases) {
        expectShows(c);
    }
}

// Without a tube or an evaporating temperature the coefficient and flux stay
// as they are, however often the rule runs; the label follows the tube.
// Without a difference the flux and the line stay, the coefficient follows.
TEST_F(AirCoolerRule, MissingChoicesLeaveTheFiguresWithoutCompounding) {
    set({{"airCoolerHeatTransfer", "10"}, {"airCoolerHeatFlux", "80"}});
    set({{"totalCoolingLoadW", "8000"}});
    for (int run = 0; run < 3; ++run) {
        dlg.chooseItem(ctl::airCoolerTubeChoice, 1); // no evaporating temperature
    }
    EXPECT_EQ(shown("airCoolerHeatTransfer"), "10");
    EXPECT_EQ(shown("airCoolerHeatFlux"), "80");
    EXPECT_EQ(dlg.staticText(ctl::airCoolerTubeLabel), "（铝管）冷风机传热(w/m2℃)");
    dlg.chooseItem(ctl::airCoolerEvapChoice, 2);
    EXPECT_EQ(shown("airCoolerHeatTransfer"), "15.36");
    EXPECT_EQ(shown("airCoolerHeatFlux"), "80");
    EXPECT_EQ(shown("airCoolerAreaM2"), "100");
    EXPECT_EQ(dlg.staticText(ctl::compressorNote2), "压缩机");
    dlg.userClearsList(ctl::airCoolerTubeChoice);
    for (int run = 0; run < 3; ++run) {
        dlg.chooseItem(ctl::airCoolerEvapChoice, 4); // no tube
    }
    EXPECT_EQ(shown("airCoolerHeatTransfer"), "15.36");
    EXPECT_EQ(dlg.staticText(ctl::airCoolerTubeLabel), "（铝管）冷风机传热(w/m2℃)");
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
