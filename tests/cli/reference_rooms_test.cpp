#include "cli_runner.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace gelvant::testing_cli {
namespace {

// Each row chosen after row 0 (note N1, button shown): a piece of the note it
// shows (empty: no note) and whether the button shows. The list, grown to
// all rows at start-up, never grows again.
TEST(SelectingARow, ShowsItsNoteAndTheButtonOfItsPosition) {
    // clang-format off
    const std::tuple<int, std::string, bool> cases[] = {
        {1, "4、-7/-2℃指冷间温度先为-7℃", true}, {9, "", true}, {17, "", true}, {21, "", true},
        {30, "", false}, {31, "1、贮藏鲜蛋、果蔬装配式冷库", false}, {58, "", false},
        {59, "每天开机18小时", false}, {77, "", false}, {78, "每天开机18小时", false},
        {119, "", false}, {150, "", false}, {171, "", false}};
    // clang-format on
    std::string script;
    for (const auto& [row, piece, shown] : cases) {
        script +=
            "choose referenceList 0\nchoose referenceList " + std::to_string(row) + "\ndump\n";
    }
    const CliRun run = runCli(script + "items referenceList\n", "");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), std::size(cases) + 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [row, piece, shown] = cases[i];
        const std::string note = lines[i]["texts"]["referenceNote"];
        EXPECT_TRUE(piece.empty() ? note.empty() : note.find(piece) != std::string::npos)
            << row << ": " << note;
        EXPECT_EQ(lines[i]["visible"]["applyReferenceButton"], shown) << row;
    }
    EXPECT_EQ(lines.back().size(), 172U);
}

// Rows without a room (9, 17, 21) and no row at all (the list typed over)
// change nothing and compute nothing when applied.
TEST(ApplyingARoom, RowsWithoutARoomChangeNothing) {
    std::string script = "type roomHumidity 75\ndump\n"; // the welcome box goes first
    for (const char* choice : {"choose referenceList 9", "choose referenceList 17",
                               "choose referenceList 21", "clear referenceList"}) {
        script += std::string(choice) + "\ndump\nclick apply\ndump\n";
    }
    const CliRun run = runCli(script, "");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 9U);
    for (std::size_t i = 1; i < lines.size(); i += 2) {
        EXPECT_EQ(lines[i + 1], lines[i]) << i; // no message either
        EXPECT_EQ(lines[i + 1]["fields"]["roomHumidity"], "75");
    }
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
