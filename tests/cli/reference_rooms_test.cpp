#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace gelvant::testing_cli {
namespace {

constexpr const char* kDoorNotice =
    "库门为冷却冻结间状态次数锁定0，即封闭式换气次数和人工恒为0，如为冷藏类有货物进出或考虑库体有跑"
    "冷现象请改为有空气幕或其它状态！";
constexpr const char* kMultiStoreyWarning =
    "多层库按单层核算负荷会偏大，主要应修正各库的实际环境温度和夏季空调温度来降低库体漏热。";

long raised(const nlohmann::ordered_json& dump, const std::string& text) {
    return std::ranges::count_if(
        dump["messages"], [&](const nlohmann::ordered_json& m) { return m["text"] == text; });
}

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

// Applied one after the other on the opened form, with the user's own room
// humidity: the door and whether air changes and workers are zero, the door
// notices and whether the multi-storey warning comes last. Rows 9, 17 and 21
// and no row at all (door empty here) change nothing and compute nothing.
TEST(ApplyingARoom, LeavesTheDoorWorkersAndMessagesOfItsKind) {
    // clang-format off
    const std::tuple<int, std::string, bool, long, bool> cases[] = {
        {5, "冷却冻结间次数锁定0", true, 1, false}, {20, "有空气幕", true, 0, false},
        {13, "有空气幕", false, 0, false}, {14, "有空气幕", false, 0, true},
        {16, "有空气幕", false, 0, true}, {9, "", false, 0, false}, {17, "", false, 0, false},
        {21, "", false, 0, false}, {-1, "", false, 0, false}};
    // clang-format on
    std::string script = "type roomHumidity 75\n";
    for (const auto& c : cases) {
        const int row = std::get<0>(c); // -1: the user typed over the list
        script +=
            (row < 0 ? "clear referenceList" : "choose referenceList " + std::to_string(row)) +
            "\ndump\nclick apply\ndump\n";
    }
    const CliRun run = runCli(script, "");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 2 * std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [row, door, zeroed, doorNotices, warns] = cases[i];
        SCOPED_TRACE(row);
        const auto& before = lines[2 * i];
        const auto& after = lines[2 * i + 1];
        EXPECT_EQ(after["fields"]["roomHumidity"], "75");
        if (door.empty()) {
            EXPECT_EQ(after, before); // no message either
            continue;
        }
        EXPECT_EQ(after["lists"]["doorChoice"]["text"], door);
        EXPECT_EQ(after["fields"]["doorAirChangesPerDay"] == "0", zeroed);
        EXPECT_EQ(after["fields"]["workerCount"] == "0", zeroed);
        EXPECT_EQ(raised(after, kDoorNotice), doorNotices);
        EXPECT_EQ(raised(after, kMultiStoreyWarning), warns ? 1 : 0);
        const bool warnsLast =
            !after["messages"].empty() && after["messages"].back()["text"] == kMultiStoreyWarning;
        EXPECT_EQ(warnsLast, warns);
    }
}

} // namespace
} // namespace gelvant::testing_cli
