// Design files, undo and rooms through gelvant-cli, as an outside tool uses
// them: a design saved by one run opens in another exactly as it was.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace gelvant {
namespace {

using testing_cli::CliRun;
using testing_cli::runCli;
using Json = nlohmann::ordered_json;
using Pointer = Json::json_pointer;

struct CliDesignFile : testing::Test {
    const testing_support::ScratchDir dir;
    const std::string path = dir.file("design.gelvant");
};

// Odd texts, two rooms with their uses and p, the plant settings and the
// designer's entries: another run without any personal library opens the
// design with the same form, lists, summary and entries.
TEST_F(CliDesignFile, OpensInAnotherRunExactlyAsSaved) {
    const std::string output = "dump\nitems productChoice\nsummary\nlibrary list insulation\n";
    const CliRun saved = runCli(
        "library add product 自有 waterContentPercent=70 freezingPoint=-2.2 "
        "specificHeatUnfrozen=3.1 specificHeatFrozen=1.7\nchoose productChoice 86\n"
        "library add insulation 挤塑板 insulationConductivity=0.03 insulationDensity=35 "
        "insulationSpecificHeat=1.5\nchoose insulationChoice 5\n"
        "type storeLength 61.23456\nset roomTemp 2x\nroom use ice\nroom p 1.25\n"
        "plant system indirect\nplant n1 1.2\nplant n2 frozen 0.6\n"
        "room add 冻结间\ntype roomTemp -18\nroom use chilling\nclick compute\nroom select 0\n" +
            output + "save " + path + "\n",
        "");
    ASSERT_EQ(saved.status, 0) << saved.err;
    const CliRun opened = runCli("open " + path + "\n" + output + "room select 1\ndump\n");
    ASSERT_EQ(opened.status, 0) << opened.err;
    auto before = saved.jsonLines();
    auto after = opened.jsonLines();
    EXPECT_TRUE(after[0]["messages"].empty()); // an open raises nothing
    before[0].erase("messages");
    after[0].erase("messages");
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(after[i], before[i]) << i;
    }
    EXPECT_EQ(after[0]["lists"]["productChoice"]["text"], "自有");
    EXPECT_EQ(after[2]["rooms"][0]["p"], 1.25);
    EXPECT_EQ(after[2]["rooms"][1]["p"], 1.3); // never set: follows its use
    EXPECT_EQ(after[3].dump(), R"([{"name":"挤塑板","insulationConductivity":0.03,)"
                               R"("insulationDensity":35.0,"insulationSpecificHeat":1.5}])");
    EXPECT_EQ(opened.lastDump()["fields"]["roomTemp"], "-18");
}

TEST_F(CliDesignFile, ContinuingAfterAnOpenIsContinuingWithoutIt) {
    const std::string before = "type storeLength 7\nchoose productChoice 9\n";
    const std::string after = "type roomTemp -2\nclick compute\nundo\ntype storeWidth 8\ndump\n";
    const CliRun straight = runCli(before + after, "");
    const CliRun reopened = runCli(before + "save " + path + "\nopen " + path + "\n" + after, "");
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    EXPECT_EQ(straight.lastDump(), reopened.lastDump());
}

// Each script ends in a dump: the field it shows after the undo lines.
TEST(CliUndo, StepsAreWholeLines) {
    const std::tuple<std::string, const char*, const char*> cases[] = {
        {"type storeLength 60\nundo\ndump\n", "innerVolume", "1355"},
        {"type storeLength 6\ntype storeLength 60\ndump\nitems siteChoice\nundo\ndump\n",
         "storeLength", "50"},
        {"type storeLength 6\nclick compute\ntype storeLength 60\nundo\ndump\n", "storeLength",
         "6"},
        {"type storeLength 60\nundo\nredo\ndump\n", "innerVolume", "1627"},
        {"undo\nredo\ndump\n", "storeLength", "50"},
        {"type storeLength 60\nundo\ntype storeWidth 9\nredo\ndump\n", "storeLength", "50"},
        {"room add\ntype storeLength 9\nundo\nundo\ndump\n", "storeLength", "50"},
    };
    for (const auto& [script, field, expected] : cases) {
        const CliRun run = runCli(script, "");
        ASSERT_EQ(run.status, 0) << script << run.err;
        EXPECT_EQ(run.lastDump()["fields"][field], expected) << script;
    }
}

// Each machine-load command is one step: the summary shows it, undo takes it
// back, redo does it again.
TEST(CliUndo, EachMachineLoadCommandIsOneStep) {
    const std::tuple<const char*, const char*, Json> cases[] = {
        {"room use anteroom", "/rooms/0/useInferred", false},
        {"room use chilling", "/rooms/0/p", 1.3}, // p follows the use
        {"room p 1.15", "/rooms/0/p", 1.15},
        {"plant system indirect", "/plant/R", 1.12},
        {"plant n1 0.75", "/plant/n1", 0.75},
        {"plant n3 0.5", "/plant/n3", 0.5},
        {"plant n2 chilled 0.3", "/plant/n2Chilled", 0.3},
        {"plant n2 frozen 0.5", "/plant/n2Frozen", 0.5},
    };
    for (const auto& [line, pointer, after] : cases) {
        const CliRun run =
            runCli("summary\n" + std::string(line) + "\nsummary\nundo\nsummary\nredo\nsummary\n");
        ASSERT_EQ(run.status, 0) << line << run.err;
        const auto lines = run.jsonLines();
        ASSERT_EQ(lines.size(), 4U);
        EXPECT_EQ(lines[1].at(Pointer(pointer)), after) << line;
        EXPECT_EQ(lines[2], lines[0]) << line;
        EXPECT_EQ(lines[3], lines[1]) << line;
    }
    // Setting what is already set is no step: undo takes back the line before.
    const CliRun again = runCli("plant n1 0.75\nplant n1 0.75\nroom use auto\nundo\nsummary\n");
    EXPECT_EQ(again.lastDump()["plant"]["n1"], 1.0);
    // A p once set stays when the use changes.
    const CliRun kept = runCli("room p 1.1\nroom use freezing\nsummary\n");
    EXPECT_EQ(kept.lastDump()["rooms"][0]["p"], 1.1);
}

TEST(CliRooms, SummaryAndComputeAll) {
    const CliRun run = runCli("room add 冻结间\ntype roomTemp -18\ntype airCoolerCount 0\n"
                              "room equipment coil\nroom add\ncompute all\ndump\nsummary\n",
                              "");
    ASSERT_EQ(run.status, 0) << run.err;
    const Json summary = run.lastDump();
    ASSERT_EQ(summary["rooms"].size(), 3U);
    EXPECT_EQ(summary["rooms"][1]["name"], "冻结间");
    EXPECT_EQ(summary["rooms"][1]["equipment"], "coil");
    EXPECT_EQ(summary["rooms"][1]["roomTemp"], -18);
    EXPECT_EQ(summary["groups"][0]["rooms"], Json::array({1}));
    EXPECT_EQ(summary["groups"][1]["rooms"], Json::array({0, 2}));
    EXPECT_EQ(summary["total"]["rooms"], 3);
    const Json messages = run.jsonLines()[0]["messages"];
    EXPECT_TRUE(std::any_of(messages.begin(), messages.end(),
                            [](const Json& m) { return m.value("room", "") == "冻结间"; }));
}

} // namespace
} // namespace gelvant
