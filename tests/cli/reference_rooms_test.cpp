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

} // namespace
} // namespace gelvant::testing_cli
