// Worked examples end to end, one figure or two per part of the form: the
// rules and their figures are the core tests' business, these show that the
// driver hands the designer's lines to the form and the form's texts back.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace gelvant::testing_cli {
namespace {

const std::string kColdRoom = readWhole(GELVANT_SOURCE_DIR "/examples/cold-room.gvs");
const std::string kStartUpCoil =
    "choose coilRowsChoice 2\nchoose coilTempDiffChoice 1\nchoose coilRoomTempChoice 0\n"
    "choose coilFeedChoice 0\nchoose coilDiameterChoice 6\nchoose coilPitchChoice 0\n"
    "choose coilTypeChoice 0\n";

class Examples : public testing::TestWithParam<RunCase> {};

TEST_P(Examples, ShowTheDesignersFigures) {
    expectShows(GetParam());
}

// clang-format off
const RunCase kRuns[] = {
    // The example script sets every input of a 6 × 7 × 4.2 m room and computes it.
    {"ExampleRoom", kColdRoom,
     {{"innerVolume", "158"}, {"wallLeakHeatW", "1298"}, {"totalCoolingLoadW", "11194"},
      {"totalLoadNote", "=9641Kcal/h，=11.2KW"},
      {"emptyStoreNote", "空库热=10258Kcal，空库降温需10258/5939=1.7小时"},
      {"/lists/airCoolerEvapChoice/index", "3"}, {"/messages", "[]"}}},
    {"TypingTheLengthCarriesTheDerivedFields",
     "set storeWidth 7\nset storeHeight 4.2\nset insulationThicknessMm 100\n"
     "set goodsDensity 330\nset dailyIntakePercent 10\nchoose doorChoice 2\ntype storeLength 8\n",
     {{"innerVolume", "212"}, {"storageTonnage", "27.9"}, {"doorAirChangesPerDay", "4.5"}}},
    {"CoilAndSurfaces",
     "set totalCoolingLoadW 10000\nset airCoolerHeatW 1000\nset airCoolerHeatFlux 100\n" +
         kStartUpCoil,
     {{"coilHeatTransfer", "8.61"}, {"coilAreaM2", "131"}, {"airCoolerAreaM2", "100"},
      {"/visible/coilRowsChoice", "false"}}},
    {"AirCoolerLine",
     "set roomTemp -18\nset totalCoolingLoadW 20000\nset airCoolerPowerKw 1.5\n"
     "set airCoolerCount 2\nchoose airCoolerTubeChoice 0\nchoose airCoolerTempDiffChoice 2\n",
     {{"compressorNote2", "压缩机选用：蒸发T=-30℃,制冷量21.4KW--冷风机功率已加入请核对"}}},
    {"ReferenceRowBeyondThePresets", "choose referenceList 0\nchoose referenceList 31\n",
     {{"/visible/applyReferenceButton", "false"}, {"/lists/referenceList/index", "31"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Driver, Examples, testing::ValuesIn(kRuns), runCaseName);

TEST(ExampleMessages, AreReportedOnceByTheNextDump) {
    const CliRun run =
        runCli("set airCoolerPowerKw 1.5\nset coolingHours 20\nset storageTonnage 1\n"
               "click compute\ndump\ndump\n");
    ASSERT_EQ(run.status, 0);
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 2U);
    ASSERT_FALSE(lines[0]["messages"].empty());
    EXPECT_EQ(lines[0]["messages"][0]["text"], "冷风机有功率但台数为0");
    EXPECT_TRUE(lines[1]["messages"].empty());
}

// Lists by name or control ID, in the tables' order, full-width brackets kept.
TEST(ExampleItems, ListTheTablesInOrder) {
    const CliRun run =
        runCli("items goodsKindChoice\nitems 1014\nitems respirationProduceChoice\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lists = run.jsonLines();
    ASSERT_EQ(lists.size(), 3U);
    EXPECT_EQ(lists[0][21], "机制冰");
    EXPECT_EQ(lists[1].size(), 5U);
    EXPECT_EQ(lists[2][1], "香蕉（青）");
}

// The program opens on reference row 27, a fruit store of 49.8 x 6.8 x 4 m
// inside, applied and computed, the welcome box first, the catalogue grown
// to all its rows.
TEST(ExampleOpenedForm, ShowsTheFruitStoreOfRow27AppliedAndComputed) {
    const CliRun run = runCli("dump\nitems referenceList\n", "");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 2U);
    const auto& dump = lines[0];
    const std::map<std::string, std::string> shown{{"storeLength", "50"},
                                                   {"innerVolume", "1355"},
                                                   {"storageTonnage", "203.2"},
                                                   {"doorAirChangesPerDay", "0.9"},
                                                   {"/lists/siteChoice/text", "上海"},
                                                   {"/lists/referenceList/index", "27"},
                                                   {"/lists/airCoolerEvapChoice/index", "3"},
                                                   {"/visible/applyReferenceButton", "true"}};
    for (const auto& [name, text] : shown) {
        EXPECT_EQ(shownIn(dump, name), text) << name;
    }
    EXPECT_TRUE(shownIn(dump, "referenceNote").starts_with("1、贮藏鲜蛋、果蔬装配式冷库"));
    EXPECT_EQ(lines[1].size(), 172U);

    // An introduction, a run of blanks, then the usage instructions (1274
    // bytes) to their last word.
    ASSERT_FALSE(dump["messages"].empty());
    EXPECT_EQ(dump["messages"][0]["caption"], "欢迎使用");
    const std::string welcome = dump["messages"][0]["text"];
    const auto usage = welcome.find(
        "  使用说明：进入界面后从下方各类冷间热负荷经验数据中选择你要设计的冷库类型，");
    ASSERT_NE(usage, std::string::npos);
    EXPECT_GT(usage, 20U);
    EXPECT_EQ(welcome.size() - usage - 2, 1274U);
    EXPECT_TRUE(welcome.ends_with("呼吸热和果蔬开门换气是针对鲜果蔬而言其它库不需要的不用加。"));
}

// The example project's summary: the plant, a room's flows, coefficients and
// p, and the machine load of its groups and in all, exact as doubles.
TEST(ExampleProject, SummaryWithTheMachineLoad) {
    const CliRun run = runCli("open " + std::string(GELVANT_SOURCE_DIR) +
                              "/examples/distribution-cold-store.gelvant\nsummary\n");
    ASSERT_EQ(run.status, 0) << run.err;
    using Json = nlohmann::ordered_json;
    const Json summary = run.lastDump();
    EXPECT_EQ(summary["plant"], Json::parse(R"({"system":"direct","R":1.07,"n1":1.0,"n3":1.0,
                                                "n2Chilled":0.6,"n2Frozen":0.8})"));
    // A frozen store on coils: no motor flow; one of two frozen stores at -28 °C.
    const Json& frozen = summary["rooms"][1];
    EXPECT_EQ(frozen["use"], "frozen");
    EXPECT_EQ(frozen["useInferred"], true);
    EXPECT_EQ(frozen["flows"], Json::parse("[6412, 2394, 0, 0, 3358]"));
    EXPECT_EQ(frozen["n"], Json::parse("[1, 0.8, 1, 0.5, 0.5]"));
    EXPECT_EQ(frozen["p"], 1);
    EXPECT_EQ(frozen["tempDiffOverLimit"], false);
    // The freezing room's goods (219933 W) without p = 1.3, at -33 °C.
    EXPECT_EQ(summary["rooms"][3]["flows"], Json::parse("[1912, 169179.23076923075, 0, 26400, 0]"));
    EXPECT_EQ(summary["groups"][0]["machineLoadW"], 211315.61692307692);
    EXPECT_EQ(summary["groups"][1]["flows"], Json::parse("[10875, 3977, 0, 0, 5874]"));
    EXPECT_EQ(summary["total"]["machineLoadW"], 263149.84092307696);
}

} // namespace
} // namespace gelvant::testing_cli
