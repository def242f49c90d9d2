#include "calc/cooling_load.h"
#include "evaporator_form.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form_tables/design_form.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace gelvant {
namespace {

using evaporator_testing::FormCase;

std::string exampleScript() {
    std::ifstream in(GELVANT_SOURCE_DIR "/tests/support/reference-room.gvs");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The 6 × 7 × 4.2 m chilled vegetable store of the reference room script: its
// "set" lines give the record the calculation is checked on.
DesignSheet referenceRoom() {
    RecordingPresenter presenter;
    CDesignDlg form{FormListsAndEvents{designFormLists(), {}}, presenter};
    std::ifstream script(GELVANT_SOURCE_DIR "/tests/support/reference-room.gvs");
    std::string command;
    std::string field;
    std::string text;
    while (script >> command) {
        if (command == "set" && script >> field >> text) {
            form.setEditText(*fieldIndexByName(field), text);
        }
        script.ignore(1 << 16, '\n');
    }
    EXPECT_TRUE(form.readSheet());
    return form.sheet();
}

// The form's lists without any list handler, so the calculation is seen on
// its own: the evaporator lists it moves keep whatever it chose.
struct LoadForm {
    LoadForm() {
        dlg.chooseItem(ctl::floorChoice, 2);
        dlg.chooseItem(ctl::airCoolerTempDiffChoice, 1);
        dlg.chooseItem(ctl::doorChoice, 2);
    }

    void compute(const DesignSheet& sheet) {
        dlg.sheet() = sheet;
        dlg.writeSheet();
        ComputeCoolingLoad(dlg);
    }

    std::string box(std::string_view field) const {
        return std::string(dlg.editText(*fieldIndexByName(field)));
    }

    RecordingPresenter presenter;
    CDesignDlg dlg{FormListsAndEvents{designFormLists(), {}}, presenter};
};
struct CoolingLoadTest : testing::Test, LoadForm {};

TEST_F(CoolingLoadTest, ReferenceRoomMovesTheEvaporatorListsWithoutMessages) {
    compute(referenceRoom());
    EXPECT_EQ(box("totalCoolingLoadW"), "11194");
    EXPECT_EQ(box("resultMaterialMassKg"), "600");
    EXPECT_EQ(box("coilAreaM2"), "135"); // sized before any list rule runs
    EXPECT_EQ(box("airCoolerAreaM2"), "101");
    EXPECT_EQ(dlg.staticText(ctl::tonnageNote), "吨位20.0t,日进货2.0t");
    EXPECT_EQ(dlg.currentIndex(ctl::airCoolerEvapChoice), 3);
    EXPECT_EQ(dlg.currentIndex(ctl::coilRoomTempChoice), 0);
    EXPECT_TRUE(presenter.messages.empty());
}

// The kW figure is the load times a double 0.001: 16450 W is 16.45 kW,
// which the note rounds down (a single-precision factor would round it up).
TEST_F(CoolingLoadTest, TotalLoadNoteRoundsTheExactKilowatts) {
    DesignSheet s;
    s.insulationThicknessMm = 100;
    s.coolingHours = 1;
    s.storageTonnage = 1;
    s.airCoolerPowerKw = 16.45F;
    s.airCoolerCount = 1;
    compute(s);
    EXPECT_EQ(box("totalCoolingLoadW"), "16450");
    EXPECT_EQ(dlg.staticText(ctl::totalLoadNote), "=14167Kcal/h，=16.4KW");
}

const Message kFansWithoutCount{"注意", "冷风机有功率但台数为0"};
const Message kFinalBelowRoom{"警告", "货物终了温度 低于 库内温度 ，请重选"};
const Message kLockedDoor{"注意",
                          "库门为冷却冻结间状态次数锁定0，即封闭式换气次数和人工恒为0，"
                          "如为冷藏类有货物进出或考虑库体有跑冷现象请改为有空气幕或其它状态！"};

TEST(CoolingLoadMessages, AreRaisedInOrderAndNeverStopTheCalculation) {
    const struct {
        const char* name;
        void (*change)(DesignSheet&);
        std::vector<Message> expected;
        int doorItem = 2;
    } cases[] = {
        {"fans without count", [](DesignSheet& s) { s.airCoolerCount = 0; }, {kFansWithoutCount}},
        {"thickness equal to the least is enough",
         [](DesignSheet& s) { s.insulationThicknessMm = 47; },
         {}},
        {"thinner than the least",
         [](DesignSheet& s) { s.insulationThicknessMm = 40; },
         {{"结果", "库板厚度40 < 防结露厚度47 ，请重选"}}},
        {"final equal to room is fine", [](DesignSheet& s) { s.finalTemp = 0; }, {}},
        {"final below room", [](DesignSheet& s) { s.finalTemp = -1; }, {kFinalBelowRoom}},
        {"all in order",
         [](DesignSheet& s) {
             s.airCoolerCount = 0;
             s.finalTemp = -1;
             s.insulationThicknessMm = 10;
         },
         {kFansWithoutCount, {"结果", "库板厚度10 < 防结露厚度47 ，请重选"}, kFinalBelowRoom}},
        {"locked-door notice comes last",
         [](DesignSheet& s) { s.finalTemp = -1; },
         {kFinalBelowRoom, kLockedDoor},
         3},
    };
    for (const auto& c : cases) {
        LoadForm t;
        t.dlg.chooseItem(ctl::doorChoice, c.doorItem);
        DesignSheet s = referenceRoom();
        c.change(s);
        t.compute(s);
        EXPECT_EQ(t.presenter.messages, c.expected) << c.name;
        EXPECT_NE(t.box("totalCoolingLoadW"), "0") << c.name;
    }
}

// Room temperature and air-cooler difference item, then the evaporating
// temperature item of each evaporator list.
TEST(EvaporatorChoice, FollowsTheRoomTemperature) {
    const struct {
        float roomTempC;
        int airCoolerDiffItem;
        int evapItem;
        int coilRoomItem;
    } cases[] = {
        {0, 1, 3, 0},   {2.5F, 0, 3, 0}, {-20, 2, 1, 6},   {-21, 2, 0, 7},
        {12, 0, 4, 0},  {-4, 0, 3, 1},   {-4.1F, 0, 3, 2}, {-30, 4, 0, 9},
        {-45, 4, 0, 9}, {-7, 1, 3, 2},   {-8, 1, 2, 2},
    };
    for (const auto& c : cases) {
        LoadForm t;
        t.dlg.chooseItem(ctl::airCoolerTempDiffChoice, c.airCoolerDiffItem);
        DesignSheet s = referenceRoom();
        s.roomTemp = c.roomTempC;
        s.finalTemp = c.roomTempC;
        t.compute(s);
        EXPECT_EQ(t.dlg.currentIndex(ctl::airCoolerEvapChoice), c.evapItem) << c.roomTempC;
        EXPECT_EQ(t.dlg.currentIndex(ctl::coilRoomTempChoice), c.coilRoomItem) << c.roomTempC;
    }
}

TEST_F(CoolingLoadTest, WithoutAnAirCoolerDifferenceItsEvaporatingTemperatureStays) {
    dlg.chooseItem(ctl::airCoolerEvapChoice, 0);
    dlg.userClearsList(ctl::airCoolerTempDiffChoice);
    compute(referenceRoom());
    EXPECT_EQ(dlg.currentIndex(ctl::airCoolerEvapChoice), 0);
}

TEST_F(CoolingLoadTest, ZeroDivisorsShowNonFiniteResultsWithoutPrompts) {
    DesignSheet s = referenceRoom();
    s.insulationThicknessMm = 0;
    s.coolingHours = 0;
    s.storageTonnage = 0;
    s.coilHeatFlux = 0;
    compute(s);
    ComputeCoolingLoad(dlg); // the shown texts read back without a prompt
    for (const Message& m : presenter.messages) {
        EXPECT_NE(m.caption, "Gelvant") << m.text;
    }
    EXPECT_EQ(box("resultWallHeatTransfer"), "inf");
    EXPECT_EQ(box("goodsHeatW"), "2147483647");
    EXPECT_EQ(box("airCoolerHeatW"), "inf");
    EXPECT_EQ(box("totalCoolingLoadW"), "inf");
    EXPECT_EQ(box("coilAreaM2"), "0");  // inf - inf over 0: not a number
    EXPECT_EQ(box("loadPerTonW"), "0"); // no stock, no load per tonne
}

// The example script's room computed through the form, then one input
// changed and computed again.
TEST(CoolingLoadFigures, TheExampleRoomAndOneInputChanged) {
    const std::string example = exampleScript();
    evaporator_testing::EvaporatorFormState f;
    f.act(example);
    EXPECT_TRUE(f.presenter.messages.empty());
    const FormCase cases[] = {
        {"the example's loads",
         "",
         {"innerVolume", "outerSurfaceArea", "resultWallHeatTransfer", "wallLeakHeatW",
          "resultGoodsHeatRelease", "goodsHeatW", "respirationHeatW", "materialHeatW",
          "airChangeVolumePerDay", "doorHeatW", "lightingHeatW", "workerHeatW", "operatingHeatW"},
         "158 193 0.24 1298 50 1389 3329 140 316 761 210 287 1258"},
        {"the example's air and results",
         "",
         {"ambientMoistureGPerKg", "roomMoistureGPerKg", "ventilationHeatW", "airCoolerHeatW",
          "totalCoolingLoadW", "ambientAirDensity", "coldAirDensity", "loadPerTonW",
          "ambientDewPoint", "antiCondensationThicknessMm", "airCoolerEvapChoice"},
         "22.4 3.39 380 3400 11194 1.148 1.288 559 26.76 47 3"},
        {"the example's notes",
         "",
         {"totalLoadNote", "emptyStoreNote"},
         "=9641Kcal/h，=11.2KW 空库热=10258Kcal，空库降温需10258/5939=1.7小时"},
        // No floor item counts as the ventilated crawl space of item 2.
        {"no floor item", "clear floorChoice\nclick compute", {"wallLeakHeatW"}, "1298"},
        // The goods' heat release is cut to whole kilojoules.
        {"goods heat release cut",
         "set intakeEnthalpy 349.9\nclick compute",
         {"resultGoodsHeatRelease"},
         "99"},
        {"goods heat release cut to zero",
         "set intakeEnthalpy 249.5\nclick compute",
         {"resultGoodsHeatRelease"},
         "0"},
        // Only below 0 °C the moisture carried in freezes out.
        {"air heats just below freezing",
         "set roomTemp -0.001\nclick compute",
         {"doorHeatW", "ventilationHeatW", "wallLeakHeatW"},
         "821 410 1298"},
        // A warmer summer design temperature replaces the outdoor air, never the
        // envelope's difference.
        {"summer temperature for the air only",
         "set summerAirConditioningTemp 35\nclick compute",
         {"wallLeakHeatW", "doorHeatW", "ventilationHeatW"},
         "1298 1008 504"},
        {"no produce air changes keeps both humidity ratios",
         "set produceAirChangesPerDay 0\nclick compute",
         {"airChangeVolumePerDay", "ventilationHeatW", "ambientMoistureGPerKg",
          "roomMoistureGPerKg"},
         "0 0 22.4 3.39"},
    };
    for (const FormCase& c : cases) {
        expectShows(c, example);
    }
}

// The example room with the evaporator lists chosen as start-up chooses them:
// the calculation re-chooses both evaporating temperatures for the room, a
// floor item reruns it whole, room kind and fresh air wait for the next one.
TEST(CoolingLoadFigures, WhatReRunsTheCalculationAndWhatWaits) {
    const std::string computed =
        exampleScript() +
        "choose coilRowsChoice 2\nchoose coilTempDiffChoice 1\nchoose coilRoomTempChoice 0\n"
        "choose coilFeedChoice 0\nchoose coilDiameterChoice 6\nchoose coilPitchChoice 0\n"
        "choose coilTypeChoice 0\nchoose airCoolerTubeChoice 0\n";
    const FormCase cases[] = {
        {"typed coefficients replaced",
         "type coilHeatTransfer 9\ntype airCoolerHeatTransfer 15\nset roomTemp -18\n"
         "set finalTemp -18\nclick compute",
         {"coilRoomTempChoice", "coilHeatTransfer", "coilHeatFlux", "airCoolerEvapChoice",
          "airCoolerHeatTransfer", "airCoolerHeatFlux"},
         "5 6.75 54 1 12.2 97.6"},
        {"floor without ventilation",
         "choose floorChoice 0",
         {"wallLeakHeatW", "totalCoolingLoadW", "compressorNote1", "compressorNote2"},
         "1147 11043 压缩机选用：蒸发T=-10℃,制冷量8.2KW--冷负荷7643/20.0=382w/t "
         "压缩机选用：蒸发T=-10℃,制冷量11.8KW--冷风机功率已加入请核对"},
        {"floor with ventilated heating", "choose floorChoice 1", {"wallLeakHeatW"}, "1268"},
        {"room kind and fresh air wait",
         "choose roomKindChoice 2\nchoose freshAirChoice 1",
         {"lightingPerArea", "freshAirPerPerson", "lightingHeatW", "totalCoolingLoadW"},
         "2.3 0 210 11194"},
        {"room kind and fresh air count",
         "choose roomKindChoice 2\nchoose freshAirChoice 1\nclick compute",
         {"lightingHeatW", "workerHeatW"},
         "96.6 70"},
    };
    for (const FormCase& c : cases) {
        expectShows(c, computed);
    }
}

} // namespace
} // namespace gelvant
