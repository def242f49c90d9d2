// The plant's machine load through gelvant-cli: the summary's new keys with
// exact figures of the example project, the room use, p and plant commands as
// undo steps, their refusals, and a saved design that keeps them.

#include "cli_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace gelvant {
namespace {

using testing_cli::CliRun;
using testing_cli::runCli;
using Json = nlohmann::ordered_json;
using Pointer = Json::json_pointer;

const std::string kExample =
    "open " + std::string(GELVANT_SOURCE_DIR) + "/examples/distribution-cold-store.gelvant\n";

TEST(CliMachineLoad, SummaryOfTheExampleProject) {
    const CliRun run = runCli(kExample + "summary\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const Json summary = run.lastDump();
    EXPECT_EQ(summary["plant"], Json::parse(R"({"system":"direct","R":1.07,"n1":1.0,"n3":1.0,
                                                "n2Chilled":0.6,"n2Frozen":0.8})"));
    const Json& frozen = summary["rooms"][1];
    EXPECT_EQ(frozen["use"], "frozen");
    EXPECT_EQ(frozen["useInferred"], true);
    // A frozen store on coils: no motor flow; one of two frozen stores at -28 °C.
    EXPECT_EQ(frozen["flows"], Json::parse("[6412, 2394, 0, 0, 3358]"));
    EXPECT_EQ(frozen["n"], Json::parse("[1, 0.8, 1, 0.5, 0.5]"));
    EXPECT_EQ(frozen["p"], 1);
    EXPECT_EQ(frozen["tempDiffOverLimit"], false);
    // The freezing room: its goods and trolleys (39903 W) without p = 1.3, no operating
    // flow, n4 = 1.
    const Json& freezing = summary["rooms"][3];
    EXPECT_EQ(freezing["use"], "freezing");
    EXPECT_EQ(freezing["p"], 1.3);
    EXPECT_EQ(freezing["flows"], Json::parse("[1912, 30694.615384615383, 0, 4400, 0]"));
    // 1.07 × (1912 + 39903 / 1.3 + 4400) at -33 °C;
    // 1.07 × ((6412 + 0.8·2394 + 0.5·3358) + (4463 + 0.8·1583 + 0.5·2516)) at -28 °C.
    const double groupsW[] = {39597.07846153846, 18183.152, 21928.152, 3922.6200000000003};
    ASSERT_EQ(summary["groups"].size(), 4U);
    for (std::size_t g = 0; g < 4; ++g) {
        EXPECT_EQ(summary["groups"][g]["machineLoadW"], groupsW[g]) << g;
    }
    EXPECT_EQ(summary["groups"][1]["flows"], Json::parse("[10875, 3977, 0, 0, 5874]"));
    EXPECT_EQ(summary["total"]["machineLoadW"], 83631.00246153846);
    // The anteroom is one by the designer's choice.
    EXPECT_EQ(summary["rooms"][4]["use"], "anteroom");
    EXPECT_EQ(summary["rooms"][4]["useInferred"], false);
}

// Each command is one step: the summary shows it, undo takes it back, redo
// does it again.
TEST(CliMachineLoad, EachCommandIsOneUndoStep) {
    struct Case {
        const char* line;
        const char* pointer;
        Json after;
    } cases[] = {
        {"room use anteroom", "/rooms/0/use", "anteroom"},
        {"room use anteroom", "/rooms/0/useInferred", false},
        {"room use chilling", "/rooms/0/p", 1.3}, // p follows the use
        {"room p 1.15", "/rooms/0/p", 1.15},
        {"room p 1", "/rooms/0/p", 1},
        {"plant system indirect", "/plant/R", 1.12},
        {"plant n1 0.75", "/plant/n1", 0.75},
        {"plant n3 0.5", "/plant/n3", 0.5},
        {"plant n2 chilled 0.3", "/plant/n2Chilled", 0.3},
        {"plant n2 frozen 0.5", "/plant/n2Frozen", 0.5},
    };
    for (const Case& c : cases) {
        const CliRun run =
            runCli("summary\n" + std::string(c.line) + "\nsummary\nundo\nsummary\nredo\nsummary\n");
        ASSERT_EQ(run.status, 0) << c.line << run.err;
        const auto lines = run.jsonLines();
        ASSERT_EQ(lines.size(), 4U);
        EXPECT_EQ(lines[1].at(Pointer(c.pointer)), c.after) << c.line;
        EXPECT_EQ(lines[2], lines[0]) << c.line;
        EXPECT_EQ(lines[3], lines[1]) << c.line;
    }
    // Setting what is already set is no step: undo takes back the line before.
    const CliRun again = runCli("plant n1 0.75\nplant n1 0.75\nroom use auto\nundo\nsummary\n");
    EXPECT_EQ(again.lastDump()["plant"]["n1"], 1.0);
    const CliRun sameP = runCli("room p 1.2\nroom p 1.2\nundo\nsummary\n");
    EXPECT_EQ(sameP.lastDump()["rooms"][0]["p"], 1);
    // A p once set stays when the use changes.
    const CliRun kept = runCli("room p 1.1\nroom use freezing\nsummary\n");
    EXPECT_EQ(kept.lastDump()["rooms"][0]["p"], 1.1);
}

TEST(CliMachineLoad, ValuesOutsideTheirRangeAreRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {"plant n1 1.6", "plant n1 must be a number between 0.5 and 1.5"},
        {"plant n1 0.4", "plant n1 must be a number between 0.5 and 1.5"},
        {"plant n1 one", "plant n1 must be a number between 0.5 and 1.5"},
        {"plant n1 nan", "plant n1 must be a number between 0.5 and 1.5"},
        {"plant n3 1.01", "plant n3 must be a number between 0.5 and 1"},
        {"plant n2 chilled 0.61", "plant n2 chilled must be a number between 0.3 and 0.6"},
        {"plant n2 frozen 0.49", "plant n2 frozen must be a number between 0.5 and 0.8"},
        {"plant n2 warm 0.5", "unknown plant command (plant system direct|indirect, plant n1 X, "
                              "plant n3 X, plant n2 chilled|frozen X)"},
        {"plant system brine", "unknown plant command (plant system direct|indirect, plant n1 X, "
                               "plant n3 X, plant n2 chilled|frozen X)"},
        {"room use cellar", "room use must be auto, chilling, freezing, chilled, frozen, ice, "
                            "anteroom or processing"},
        {"room p 1.31", "room p must be a number between 1 and 1.3"},
        {"room p 0.99", "room p must be a number between 1 and 1.3"},
        {"room p", "room p must be a number between 1 and 1.3"},
        {"room p 1.2x", "room p must be a number between 1 and 1.3"},
        {"room p inf", "room p must be a number between 1 and 1.3"},
    };
    for (const auto& [line, error] : cases) {
        const CliRun run = runCli("summary\n" + std::string(line) + "\nsummary\n");
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.err, "gelvant-cli: line 2: " + std::string(error) + "\n");
        EXPECT_EQ(run.jsonLines().size(), 1U) << line;
    }
}

TEST(CliMachineLoad, SavedDesignKeepsTheSettingsAndUses) {
    char pattern[] = "/tmp/gelvant-cli-plant-XXXXXX";
    close(mkstemp(pattern));
    const std::string path = std::string(pattern) + ".gelvant";
    std::remove(pattern);
    const std::string changes = "room use ice\nroom p 1.25\nplant system indirect\n"
                                "plant n1 1.2\nplant n2 frozen 0.6\nroom add\n"
                                "room use chilling\n";
    const CliRun saved = runCli(changes + "summary\nsave " + path + "\n");
    const CliRun opened = runCli("open " + path + "\nsummary\n");
    std::remove(path.c_str());
    ASSERT_EQ(saved.status, 0) << saved.err;
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.lastDump(), saved.lastDump());
    EXPECT_EQ(opened.lastDump()["rooms"][0]["p"], 1.25);
    // A room whose p was never set follows its use.
    EXPECT_EQ(opened.lastDump()["rooms"][1]["use"], "chilling");
    EXPECT_EQ(opened.lastDump()["rooms"][1]["p"], 1.3);
}

} // namespace
} // namespace gelvant
