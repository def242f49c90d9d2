#include "calc/cooling_load.h"
#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "sheet/field_dictionary.h"
#include "support/case_names.h"
#include "window/design_form.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

namespace gelvant {
namespace {

// The 6 × 7 × 4.2 m chilled vegetable store of the example script: its
// "set" lines give the record the calculation is checked on.
DesignSheet referenceRoom() {
    RecordingPresenter presenter;
    CDesignDlg form{FormLayout{designFormLists(), {}}, presenter};
    std::ifstream script(GELVANT_SOURCE_DIR "/examples/cold-room.gvs");
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
class CoolingLoadTest : public testing::Test {
protected:
    CoolingLoadTest() {
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
    CDesignDlg dlg{FormLayout{designFormLists(), {}}, presenter};
};

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

struct MessageCase {
    const char* name;
    void (*change)(DesignSheet&);
    std::vector<Message> expected;
    int doorItem = 2;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

class CoolingLoadMessages : public CoolingLoadTest,
                            public testing::WithParamInterface<MessageCase> {};

TEST_P(CoolingLoadMessages, AreRaisedInOrderAndNeverStopTheCalculation) {
    dlg.chooseItem(ctl::doorChoice, GetParam().doorItem);
    DesignSheet s = referenceRoom();
    GetParam().change(s);
    compute(s);
    EXPECT_EQ(presenter.messages, GetParam().expected);
    EXPECT_NE(box("totalCoolingLoadW"), "0");
}

const Message kFansWithoutCount{"注意", "冷风机有功率但台数为0"};
const Message kTooThin{"结果", "库板厚度40 < 防结露厚度47 ，请重选"};
const Message kFinalBelowRoom{"警告", "货物终了温度 低于 库内温度 ，请重选"};
const Message kLockedDoor{"注意",
                          "库门为冷却冻结间状态次数锁定0，即封闭式换气次数和人工恒为0，"
                          "如为冷藏类有货物进出或考虑库体有跑冷现象请改为有空气幕或其它状态！"};

INSTANTIATE_TEST_SUITE_P(
    Checks, CoolingLoadMessages,
    testing::Values(
        MessageCase{
            "FansWithoutCount", [](DesignSheet& s) { s.airCoolerCount = 0; }, {kFansWithoutCount}},
        MessageCase{"ThicknessEqualToTheLeastIsEnough",
                    [](DesignSheet& s) { s.insulationThicknessMm = 47; },
                    {}},
        MessageCase{"ThinnerThanTheLeast",
                    [](DesignSheet& s) { s.insulationThicknessMm = 40; },
                    {kTooThin}},
        MessageCase{"FinalEqualToRoomIsFine", [](DesignSheet& s) { s.finalTemp = 0; }, {}},
        MessageCase{"FinalBelowRoom", [](DesignSheet& s) { s.finalTemp = -1; }, {kFinalBelowRoom}},
        MessageCase{"AllInOrder",
                    [](DesignSheet& s) {
                        s.airCoolerCount = 0;
                        s.finalTemp = -1;
                        s.insulationThicknessMm = 10;
                    },
                    {kFansWithoutCount, Message{"结果", "库板厚度10 < 防结露厚度47 ，请重选"},
                     kFinalBelowRoom}},
        MessageCase{"LockedDoorNoticeComesLast",
                    [](DesignSheet& s) { s.finalTemp = -1; },
                    {kFinalBelowRoom, kLockedDoor},
                    3}),
    [](const testing::TestParamInfo<MessageCase>& info) { return info.param.name; });

struct EvaporatorCase {
    float roomTempC;
    int airCoolerDiffItem;
    int evapItem;
    int coilRoomItem;
};

void PrintTo(const EvaporatorCase& c, std::ostream* os) {
    *os << "room " << c.roomTempC << " °C, air-cooler difference item " << c.airCoolerDiffItem;
}

class EvaporatorChoice : public CoolingLoadTest,
                         public testing::WithParamInterface<EvaporatorCase> {};

TEST_P(EvaporatorChoice, FollowsTheRoomTemperature) {
    const EvaporatorCase& c = GetParam();
    dlg.chooseItem(ctl::airCoolerTempDiffChoice, c.airCoolerDiffItem);
    DesignSheet s = referenceRoom();
    s.roomTemp = c.roomTempC;
    s.finalTemp = c.roomTempC;
    compute(s);
    EXPECT_EQ(dlg.currentIndex(ctl::airCoolerEvapChoice), c.evapItem);
    EXPECT_EQ(dlg.currentIndex(ctl::coilRoomTempChoice), c.coilRoomItem);
}

INSTANTIATE_TEST_SUITE_P(RoomTemperatures, EvaporatorChoice,
                         testing::Values(EvaporatorCase{0, 1, 3, 0}, EvaporatorCase{2.5F, 0, 3, 0},
                                         EvaporatorCase{-20, 2, 1, 6}, EvaporatorCase{-21, 2, 0, 7},
                                         EvaporatorCase{12, 0, 4, 0}, EvaporatorCase{-4, 0, 3, 1},
                                         EvaporatorCase{-4.1F, 0, 3, 2},
                                         EvaporatorCase{-30, 4, 0, 9}, EvaporatorCase{-45, 4, 0, 9},
                                         EvaporatorCase{-7, 1, 3, 2}, EvaporatorCase{-8, 1, 2, 2}),
                         [](const testing::TestParamInfo<EvaporatorCase>& info) {
                             std::ostringstream temp;
                             temp << info.param.roomTempC;
                             return "Room" + testing_names::spelt(temp.str());
                         });

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
    EXPECT_EQ(box("coilAreaM2"), "0"); // inf - inf over 0: not a number
    EXPECT_EQ(box("loadPerTonW"), "2147483647");
}

} // namespace
} // namespace gelvant
