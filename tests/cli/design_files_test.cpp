// Design files, undo and rooms through gelvant-cli, as an outside tool uses
// them: a design saved by one run opens in another exactly as it was.

#include "cli_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace gelvant {
namespace {

using testing_cli::CliRun;
using testing_cli::runCli;
using Json = nlohmann::ordered_json;

struct CliDesignFile : testing::Test {
    std::string path;
    CliDesignFile() {
        char pattern[] = "/tmp/gelvant-cli-design-XXXXXX";
        close(mkstemp(pattern));
        path = std::string(pattern) + ".gelvant";
        std::remove(pattern);
    }
    ~CliDesignFile() override { std::remove(path.c_str()); }
};

TEST_F(CliDesignFile, OpensInAnotherRunExactlyAsSaved) {
    const CliRun saved = runCli("type storeLength 61.23456\nchoose siteChoice 5\nset roomTemp 2x\n"
                                "room add 冻结间\ntype roomTemp -18\nclick compute\nroom select 0\n"
                                "dump\nsave " +
                                    path + "\n",
                                "");
    ASSERT_EQ(saved.status, 0) << saved.err;
    const CliRun opened = runCli("open " + path + "\ndump\nroom select 1\ndump\n");
    ASSERT_EQ(opened.status, 0) << opened.err;
    Json before = saved.lastDump();
    Json after = opened.jsonLines()[0];
    EXPECT_TRUE(after["messages"].empty()); // an open raises nothing
    before.erase("messages");
    after.erase("messages");
    EXPECT_EQ(after, before);
    EXPECT_EQ(opened.lastDump()["fields"]["roomTemp"], "-18");
}

// The design carries the designer's entries: another run without any
// personal library opens it with the same lists and figures.
TEST_F(CliDesignFile, CarriesTheDesignersEntriesToARunWithoutThem) {
    const CliRun saved =
        runCli("library add product 自有 waterContentPercent=70 freezingPoint=-2.2 "
               "specificHeatUnfrozen=3.1 specificHeatFrozen=1.7\nchoose productChoice 86\n"
               "library add insulation 挤塑板 insulationConductivity=0.03 insulationDensity=35 "
               "insulationSpecificHeat=1.5\nchoose insulationChoice 5\nclick compute\ndump\n"
               "items productChoice\nsummary\nsave " +
                   path + "\n",
               "");
    ASSERT_EQ(saved.status, 0) << saved.err;
    const CliRun opened =
        runCli("open " + path + "\ndump\nitems productChoice\nsummary\nlibrary list insulation\n");
    ASSERT_EQ(opened.status, 0) << opened.err;
    const auto before = saved.jsonLines();
    const auto after = opened.jsonLines();
    Json savedForm = before[0];
    Json openedForm = after[0];
    EXPECT_TRUE(openedForm["messages"].empty());
    savedForm.erase("messages");
    openedForm.erase("messages");
    EXPECT_EQ(openedForm, savedForm);
    EXPECT_EQ(openedForm["lists"]["productChoice"]["text"], "自有");
    EXPECT_EQ(after[1], before[1]);
    EXPECT_EQ(after[2], before[2]);
    EXPECT_EQ(after[3].dump(), R"([{"name":"挤塑板","insulationConductivity":0.03,)"
                               R"("insulationDensity":35.0,"insulationSpecificHeat":1.5}])");
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

// A line that cannot be carried out stops the script with status 2 and one
// line naming it; nothing after it runs.
TEST(CliRefused, IsAUsageErrorNamingTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"open /nonexistent/x.gelvant",
         "cannot open '/nonexistent/x.gelvant': cannot read the file: No such file or directory"},
        {"open /tmp", "cannot open '/tmp': is a folder, not a design file"},
        {"open /etc/hostname",
         "cannot open '/etc/hostname': not JSON: it breaks at line 1, column 1"},
        {"save /nonexistent/x.gelvant",
         "cannot save '/nonexistent/x.gelvant': No such file or directory"},
        {"save /dev/null", "cannot save '/dev/null': Operation not permitted"},
        {"room select 1", "there is no room 1 (1 rooms)"},
        {"room delete", "the last room cannot be deleted"},
        {"room move up", "the first room cannot move up"},
        {"room paint", "unknown room command 'paint'"},
        {"undo 2", "undo takes no arguments"},
    };
    for (const auto& [line, error] : cases) {
        const CliRun run =
            runCli("type storeLength 60\ndump\n" + std::string(line) + "\ndump\n", "");
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.err, "gelvant-cli: line 3: " + std::string(error) + "\n");
        EXPECT_EQ(run.jsonLines().size(), 1U) << line;
    }
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
