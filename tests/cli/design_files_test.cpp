// Design files, undo and rooms through gelvant-cli, as an outside tool uses
// them: a design saved by one run opens in another exactly as it was.

#include "cli_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <ostream>

namespace gelvant {
namespace {

using testing_cli::CliRun;
using testing_cli::runCli;
using Json = nlohmann::ordered_json;

// The dump without its messages: what the form shows.
Json shown(Json dump) {
    dump.erase("messages");
    return dump;
}

struct DesignPath {
    std::string path;
    DesignPath() {
        char pattern[] = "/tmp/gelvant-cli-design-XXXXXX";
        const int fd = mkstemp(pattern);
        close(fd);
        path = std::string(pattern) + ".gelvant";
        std::remove(pattern);
    }
    ~DesignPath() { std::remove(path.c_str()); }
};

TEST(CliDesignFile, OpensInAnotherRunExactlyAsSaved) {
    const DesignPath file;
    const CliRun saved = runCli("type storeLength 61.23456\nchoose siteChoice 5\nset roomTemp 2x\n"
                                "room add 冻结间\ntype roomTemp -18\nclick compute\nroom select 0\n"
                                "dump\nsave " +
                                    file.path + "\n",
                                "");
    ASSERT_EQ(saved.status, 0) << saved.err;
    const CliRun opened = runCli("open " + file.path + "\ndump\nroom select 1\ndump\n");
    ASSERT_EQ(opened.status, 0) << opened.err;
    const auto lines = opened.jsonLines();
    EXPECT_EQ(shown(lines[0]), shown(saved.lastDump()));
    EXPECT_TRUE(lines[0]["messages"].empty()); // an open raises nothing
    EXPECT_EQ(lines[1]["fields"]["roomTemp"], "-18");
}

// Lines after an open carry on exactly as they would have without it.
TEST(CliDesignFile, ContinuingAfterAnOpenIsContinuingWithoutIt) {
    const DesignPath file;
    const std::string before = "type storeLength 7\nchoose productChoice 9\n";
    const std::string after = "type roomTemp -2\nclick compute\nundo\ntype storeWidth 8\ndump\n";
    const CliRun straight = runCli(before + after, "");
    const CliRun reopened =
        runCli(before + "save " + file.path + "\nopen " + file.path + "\n" + after, "");
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    EXPECT_EQ(straight.lastDump(), reopened.lastDump());
}

struct UndoCase {
    const char* name;
    std::string script; // ends in a dump
    std::string field;
    std::string expected;
    friend void PrintTo(const UndoCase& c, std::ostream* os) { *os << c.name; }
};

class CliUndo : public testing::TestWithParam<UndoCase> {};

TEST_P(CliUndo, StepsAreWholeLines) {
    const CliRun run = runCli(GetParam().script, "");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.lastDump()["fields"][GetParam().field], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CliUndo,
    testing::Values(
        UndoCase{"UndoTakesBackTheRulesWork", "type storeLength 60\nundo\ndump\n", "innerVolume",
                 "1355"},
        UndoCase{"ConsecutiveTypesIntoOneFieldAreOneStep",
                 "type storeLength 6\ntype storeLength 60\ndump\nitems siteChoice\nundo\ndump\n",
                 "storeLength", "50"},
        UndoCase{"AnotherLineEndsTheRun",
                 "type storeLength 6\nclick compute\ntype storeLength 60\nundo\ndump\n",
                 "storeLength", "6"},
        UndoCase{"RedoDoesItAgain", "type storeLength 60\nundo\nredo\ndump\n", "innerVolume",
                 "1627"},
        UndoCase{"NothingToUndoIsNothing", "undo\nredo\ndump\n", "storeLength", "50"},
        UndoCase{"ANewStepDropsRedo", "type storeLength 60\nundo\ntype storeWidth 9\nredo\ndump\n",
                 "storeLength", "50"},
        UndoCase{"RoomOperationsAreSteps", "room add\ntype storeLength 9\nundo\nundo\ndump\n",
                 "storeLength", "50"}),
    [](const testing::TestParamInfo<UndoCase>& info) { return std::string(info.param.name); });

struct RefusedLine {
    const char* name;
    std::string script;
    std::string error;
    friend void PrintTo(const RefusedLine& c, std::ostream* os) { *os << c.name; }
};

class CliRefused : public testing::TestWithParam<RefusedLine> {};

// A line that cannot be carried out stops the script with status 2 and one
// line naming it; the form stays as it was before that line.
TEST_P(CliRefused, IsAUsageErrorAndChangesNothing) {
    const CliRun run = runCli("type storeLength 60\ndump\n" + GetParam().script + "\ndump\n", "");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "gelvant-cli: line 3: " + GetParam().error + "\n");
    EXPECT_EQ(run.jsonLines().size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CliRefused,
    testing::Values(
        RefusedLine{"MissingFile", "open /nonexistent/x.gelvant",
                    "cannot open '/nonexistent/x.gelvant': cannot read the file: No such file or "
                    "directory"},
        RefusedLine{"AFolder", "open /tmp", "cannot open '/tmp': is a folder, not a design file"},
        RefusedLine{"NotADesign", "open /etc/hostname",
                    "cannot open '/etc/hostname': not JSON: it breaks at line 1, column 1"},
        RefusedLine{"SaveIntoNoFolder", "save /nonexistent/x.gelvant",
                    "cannot save '/nonexistent/x.gelvant': No such file or directory"},
        RefusedLine{"SaveOverADevice", "save /dev/null",
                    "cannot save '/dev/null': Operation not permitted"},
        RefusedLine{"NoSuchRoom", "room select 1", "there is no room 1 (1 rooms)"},
        RefusedLine{"LastRoom", "room delete", "the last room cannot be deleted"},
        RefusedLine{"FirstRoomUp", "room move up", "the first room cannot move up"},
        RefusedLine{"UnknownRoomCommand", "room paint", "unknown room command 'paint'"},
        RefusedLine{"UndoWithWords", "undo 2", "undo takes no arguments"}),
    [](const testing::TestParamInfo<RefusedLine>& info) { return std::string(info.param.name); });

TEST(CliRooms, SummaryAndComputeAll) {
    const CliRun run = runCli("room add 冻结间\ntype roomTemp -18\ntype airCoolerCount 0\n"
                              "room equipment coil\nroom add\ncompute all\ndump\nsummary\n",
                              "");
    ASSERT_EQ(run.status, 0) << run.err;
    const Json dump = run.jsonLines()[0];
    const Json summary = run.lastDump();
    ASSERT_EQ(summary["rooms"].size(), 3U);
    EXPECT_EQ(summary["rooms"][1]["name"], "冻结间");
    EXPECT_EQ(summary["rooms"][1]["equipment"], "coil");
    EXPECT_EQ(summary["rooms"][1]["roomTemp"], -18);
    EXPECT_EQ(summary["groups"][0]["rooms"], Json::array({1}));
    EXPECT_EQ(summary["groups"][1]["rooms"], Json::array({0, 2}));
    EXPECT_EQ(summary["total"]["rooms"], 3);
    bool fromTheFrozenStore = false;
    for (const Json& message : dump["messages"]) {
        fromTheFrozenStore = fromTheFrozenStore || message.value("room", "") == "冻结间";
    }
    EXPECT_TRUE(fromTheFrozenStore);
}

} // namespace
} // namespace gelvant
