#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace gelvant::testing_cli {
namespace {

constexpr const char* kOpenedForm = "";
constexpr const char* kDoorNotice =
    "库门为冷却冻结间状态次数锁定0，即封闭式换气次数和人工恒为0，如为冷藏类有货物进出或考虑库体有跑"
    "冷现象请改为有空气幕或其它状态！";
constexpr const char* kMultiStoreyWarning =
    "多层库按单层核算负荷会偏大，主要应修正各库的实际环境温度和夏季空调温度来降低库体漏热。";

std::size_t raised(const nlohmann::ordered_json& dump, const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(dump["messages"].begin(), dump["messages"].end(),
                      [&](const nlohmann::ordered_json& m) { return m["text"] == text; }));
}

struct SelectCase {
    const char* name;
    int row;
    const char* notePrefix; // empty: no note
    bool buttonShown;
    friend void PrintTo(const SelectCase& c, std::ostream* os) { *os << c.name; }
};

class SelectingARow : public testing::TestWithParam<SelectCase> {};

TEST_P(SelectingARow, ShowsTheNoteAndTheButtonOfItsPosition) {
    const SelectCase& c = GetParam();
    const CliRun run = runCli("choose referenceList 28\nchoose referenceList " +
                              std::to_string(c.row) + "\ndump\nitems referenceList\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    const std::string note = lines[0]["texts"]["referenceNote"];
    if (std::string(c.notePrefix).empty()) {
        EXPECT_EQ(note, "");
    } else {
        EXPECT_EQ(note.rfind(c.notePrefix, 0), 0U) << note;
    }
    EXPECT_EQ(lines[0]["visible"]["applyReferenceButton"], c.buttonShown);
    EXPECT_EQ(lines[1].size(), 172U);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SelectingARow,
    testing::Values(
        SelectCase{"TwoStageChilling", 1, "1、冷却设备负荷，已包括食品冷冻加工产量的负荷系数1.3",
                   true},
        SelectCase{"BlankLine", 9, "", true}, SelectCase{"SmallStoresHeading", 21, "", true},
        SelectCase{"PrefabricatedHeading", 30, "", false},
        SelectCase{"PrefabricatedStore", 31, "1、贮藏鲜蛋、果蔬装配式冷库", false},
        SelectCase{"MinusEighteenHeading", 77, "", false},
        SelectCase{
            "MinusEighteenFirstRow", 78,
            "1、冷库室外计算温度32℃，相对温度80％ ；进货温度4℃，室内相对湿度90％，每天开机18小时",
            false},
        SelectCase{"AreaRatios", 150, "", false}, SelectCase{"LastRow", 171, "", false}),
    [](const testing::TestParamInfo<SelectCase>& info) { return info.param.name; });

TEST(ApplyingARoom, AProcessingRoomEndsOnTheLockedDoorWithOneNotice) {
    const auto dump =
        runCli("dump\nchoose referenceList 5\nclick apply\ndump\n", kOpenedForm).lastDump();
    EXPECT_EQ(dump["lists"]["doorChoice"]["index"], 3);
    EXPECT_EQ(raised(dump, kDoorNotice), 1U);
    EXPECT_EQ(dump["fields"]["storeLength"], "6");
    EXPECT_EQ(dump["fields"]["airCoolerPowerKw"], "6.6");
}

TEST(ApplyingARoom, TheIceStoreKeepsItsCurtainWithNoAirChangesOrWorkers) {
    const auto dump =
        runCli("choose referenceList 20\nclick apply\ndump\n", kOpenedForm).lastDump();
    EXPECT_EQ(dump["lists"]["doorChoice"]["text"], "有空气幕");
    EXPECT_EQ(dump["fields"]["doorAirChangesPerDay"], "0");
    EXPECT_EQ(dump["fields"]["workerCount"], "0");
    EXPECT_EQ(dump["fields"]["intakeTemp"], "-6");
}

TEST(ApplyingARoom, MultiStoreyStoresWarnLast) {
    for (const int row : {14, 15, 16}) {
        const auto dump =
            runCli("dump\nchoose referenceList " + std::to_string(row) + "\nclick apply\ndump\n",
                   kOpenedForm)
                .lastDump();
        ASSERT_FALSE(dump["messages"].empty()) << row;
        EXPECT_EQ(dump["messages"].back()["caption"], "注意") << row;
        EXPECT_EQ(dump["messages"].back()["text"], kMultiStoreyWarning) << row;
        EXPECT_EQ(raised(dump, kMultiStoreyWarning), 1U) << row;
    }
}

TEST(ApplyingARoom, BlankLinesHeadingsAndHiddenButtonsChangeNothing) {
    for (const int row : {9, 17, 21, 31}) {
        const CliRun run = runCli("type roomHumidity 75\nchoose referenceList " +
                                      std::to_string(row) + "\ndump\nclick apply\ndump\n",
                                  kOpenedForm);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto lines = run.jsonLines();
        ASSERT_EQ(lines.size(), 2U);
        EXPECT_EQ(lines[1]["fields"], lines[0]["fields"]) << row;
        EXPECT_EQ(lines[1]["lists"], lines[0]["lists"]) << row;
        EXPECT_EQ(lines[1]["texts"], lines[0]["texts"]) << row;
        EXPECT_TRUE(lines[1]["messages"].empty()) << row;
    }
}

} // namespace
} // namespace gelvant::testing_cli
