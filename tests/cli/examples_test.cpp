// Worked examples end to end, one figure or two per part of the form: the
// rules and their figures are the core tests' business, these show that the
// driver hands the designer's lines to the form and the form's texts back.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace gelvant::testing_cli {
namespace {

const std::string kColdRoom = readWhole(GELVANT_SOURCE_DIR "/tests/support/reference-room.gvs");
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
    // The reference room script sets every input of a 6 × 7 × 4.2 m room and computes it.
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
    // The freezing room's goods and trolleys (39903 W) without p = 1.3, at -33 °C:
    // 1.07 × (1912 + 39903 / 1.3 + 4400).
    EXPECT_EQ(summary["rooms"][3]["flows"], Json::parse("[1912, 30694.615384615383, 0, 4400, 0]"));
    EXPECT_EQ(summary["groups"][0]["machineLoadW"], 39597.07846153846);
    EXPECT_EQ(summary["groups"][1]["flows"], Json::parse("[10875, 3977, 0, 0, 5874]"));
    EXPECT_EQ(summary["total"]["machineLoadW"], 83631.00246153846);
}

// Each room of the shipped examples computed, and its cooling load per tonne
// within the catalogue's figures for rooms of its kind (冷却设备负荷):
//   fruit and vegetable stores, 213-273 W/t:
//     26 "水果、蔬菜冷藏间（ 100t以下 ）：冷间温度 0、2℃，冷却设备负荷 260w/t"
//     27 "水果、蔬菜冷藏间（ 100- 300t）：冷间温度 0、2℃，冷却设备负荷 230w/t"
//     31-38, 果蔬 50-650t: "果蔬 50t，冷负荷273w/t" down to "果蔬650t，冷负荷213w/t"
//   small produce stores at +2 °C, 327-440 W/t:
//     56 "17.容积72.1m3，吨位14.4t，+2℃冷藏，一般操作 348w/t，频繁操作 440w/t"
//     57 "18.容积81.7m3，吨位16.3t，+2℃冷藏，一般操作 327w/t，频繁操作 414w/t"
//   frozen stores up to 300 t, 82-195 W/t:
//     11 "冻结物冷藏间（  250t以下）：冷间温度 -15、-18℃，冷却设备负荷 82w/t"
//     22-25 "肉禽水产品冷藏间（  50t以下 ）…195w/t" … "（ 200- 300t）…82w/t"
//   freezing rooms, 5300-9400 W/t:
//     4 "冻结加工1：冷间温度 -23℃，肉类入库 4℃，出-15℃，加工时间20h，冷却设备负荷 5300w/t"
//     7 "冻结加工4：冷间温度 -30℃，肉类入库 4℃，出-15℃，加工时间11h，冷却设备负荷 9400w/t"
// The anteroom stores nothing: no goods flow and no load per tonne.
TEST(ExampleRooms, LoadPerTonneWithinTheCataloguesRangeForTheirKind) {
    struct Case {
        const char* example;
        std::size_t room;
        int row;
        double low;
        double high;
    };
    const Case cases[] = {
        {"fruit-vegetable-store.gelvant", 0, 27, 213, 273},
        {"cold-room.gvs", 0, 57, 327, 440},
        {"frozen-store.gelvant", 0, 24, 82, 195},
        {"freezing-room.gelvant", 0, 4, 5300, 9400},
        {"distribution-cold-store.gelvant", 0, 26, 213, 273},
        {"distribution-cold-store.gelvant", 1, 24, 82, 195},
        {"distribution-cold-store.gelvant", 2, 23, 82, 195},
        {"distribution-cold-store.gelvant", 3, 4, 5300, 9400},
    };
    const auto summaryOf = [](const std::string& example) {
        const std::string path = GELVANT_SOURCE_DIR "/examples/" + example;
        return example.ends_with(".gvs") ? runCli(readWhole(path) + "summary\n", "")
                                         : runCli("open " + path + "\nsummary\n");
    };
    for (const Case& c : cases) {
        const CliRun run = summaryOf(c.example);
        ASSERT_EQ(run.status, 0) << c.example << run.err;
        const auto room = run.lastDump().at("rooms").at(c.room);
        EXPECT_TRUE(room["computed"] == true && room["stale"] == false) << c.example << c.room;
        const double perTon =
            room["loadPerTonW"].is_number() ? room["loadPerTonW"].get<double>() : 0;
        EXPECT_GE(perTon, c.low) << c.example << " room " << c.room << " row " << c.row;
        EXPECT_LE(perTon, c.high) << c.example << " room " << c.room << " row " << c.row;
    }
    const CliRun run = summaryOf("distribution-cold-store.gelvant");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto anteroom = run.lastDump().at("rooms").at(4);
    EXPECT_EQ(anteroom["use"], "anteroom");
    EXPECT_EQ(anteroom["stale"], false);
    EXPECT_EQ(anteroom["storageTonnage"], 0);
    EXPECT_EQ(anteroom["flows"][1], 0);
    EXPECT_TRUE(anteroom["loadPerTonW"].is_null());
}

} // namespace
} // namespace gelvant::testing_cli
