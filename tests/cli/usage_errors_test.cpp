// Lines the driver cannot carry out, and its options: a bad line stops the
// script with status 2 and one line naming it, after the lines before it
// were carried out and their output printed; nothing of the bad line is done.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace gelvant::testing_cli {
namespace {

TEST(UsageErrors, StopTheScriptWithStatusTwoNamingTheLine) {
    const std::string plantCommands = "unknown plant command (plant system direct|indirect, "
                                      "plant n1 X, plant n3 X, plant n2 chilled|frozen X)";
    const std::pair<std::string, std::string> cases[] = {
        {"frobnicate storeLength 3", "unknown command 'frobnicate'"},
        {"type storeLengthX 3", "unknown field 'storeLengthX'"},
        {"set 9999 3", "unknown field '9999'"},
        {"choose nosuchList 1", "unknown list 'nosuchList'"},
        {"choose doorChoice 4", "index 4 is outside list 'doorChoice' (4 items)"},
        {"choose doorChoice -1", "index -1 is outside list 'doorChoice' (4 items)"},
        {"choose doorChoice two", "index 'two' is not a whole number"},
        {"choose 1108 1.5", "index '1.5' is not a whole number"},
        {"click nothing", "unknown button 'nothing'"},
        {"clear storeLength", "unknown list 'storeLength'"},
        {"items 1003", "unknown list '1003'"},
        {"undo 2", "undo takes no arguments"},
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
        {"room use cellar", "room use must be auto, chilling, freezing, chilled, frozen, ice, "
                            "anteroom or processing"},
        {"room p", "room p must be a number between 1 and 1.3"},
        {"room p 1.2x", "room p must be a number between 1 and 1.3"},
        {"room p 1.31", "room p must be a number between 1 and 1.3"},
        {"plant n1 one", "plant n1 must be a number between 0.5 and 1.5"},
        {"plant n1 1.6", "plant n1 must be a number between 0.5 and 1.5"},
        {"plant n3 1.01", "plant n3 must be a number between 0.5 and 1"},
        {"plant n2 chilled 0.61", "plant n2 chilled must be a number between 0.3 and 0.6"},
        {"plant n2 frozen 0.49", "plant n2 frozen must be a number between 0.5 and 0.8"},
        {"plant n2 warm 0.5", plantCommands},
        {"plant system brine", plantCommands},
        {"library edit site 甲",
         "unknown library command 'edit' (library add, library remove, library list)"},
        {"library add town 甲 ambientTemp=1",
         "unknown library kind 'town' (site, product, insulation or goods)"},
        {"library add goods", "the goods entry needs a name"},
        {"library add goods 甲 goodsDensity", "'goodsDensity' is not KEY=VALUE"},
        {"library add goods 甲  goodsDensity=5", "'' is not KEY=VALUE"},
        {"library add goods 甲 density=5", "unknown goods key 'density' (goodsDensity)"},
        {"library add insulation 甲 insulationDensity=30", "insulationConductivity is missing"},
        {"library add goods 甲 goodsDensity=3000.5",
         "goodsDensity must be a number between 1 and 3000"},
        {"library add site 甲 ambientTemp=1 ambientHumidity=1.5 summerAirConditioningTemp=1 "
         "summerPressurePa=90000",
         "ambientHumidity must be a whole number between 0 and 100"},
        {"library add goods 机制冰 goodsDensity=700",
         "the goodsKindChoice list already has an item '机制冰'"},
        {"library remove goods 甲", "there is no goods entry '甲'"},
        {"library list goods 甲", "library list takes KIND only"},
    };
    for (const auto& [line, error] : cases) {
        SCOPED_TRACE(line);
        // Comments and blank lines count as lines.
        const CliRun run = runCli("# a comment\n\nset storeLength 9\ndump\n" + line + "\ndump\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "gelvant-cli: line 5: " + error + "\n");
        ASSERT_EQ(run.jsonLines().size(), 1U);
        EXPECT_EQ(run.lastDump()["fields"]["storeLength"], "9");
    }
}

TEST(Driver, HelpAndVersionExitZeroAnUnknownOptionTwo) {
    const CliRun bogus = runCli("", "--bogus");
    EXPECT_EQ(bogus.status, 2);
    EXPECT_TRUE(bogus.out.empty());
    EXPECT_EQ(runCli("", "--help").status, 0);
    const CliRun version = runCli("", "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("gelvant-cli ", 0), 0U);
}

// A personal library file that cannot be read stops the driver before
// anything runs; a good one gives its entries to the lists from the start.
TEST(Driver, LibraryFileOptionAndTheEntriesAsJson) {
    const testing_support::ScratchDir dir;
    const std::string bad = dir.file("bad.json"), good = dir.file("good.json");
    std::ofstream(bad) << R"({"format":"gelvant-library","version":1,)"
                          R"("goods":[{"name":"甲","goodsDensity":0}]})";
    std::ofstream(good) << R"({"format":"gelvant-library","version":1,)"
                           R"("goods":[{"name":"甲","goodsDensity":420.5}]})";
    for (const std::string& args :
         {"--library " + bad, "--library " + dir.file("missing.json"), std::string("--library")}) {
        const CliRun refused = runCli("dump\n", args);
        EXPECT_EQ(refused.status, 2) << args;
        EXPECT_TRUE(refused.out.empty()) << args;
        EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'),
                  args == "--library" ? 2 : 1)
            << refused.err;
    }
    EXPECT_NE(runCli("", "--library " + bad).err.find("goods[0]: goodsDensity must be"),
              std::string::npos);

    const CliRun run =
        runCli("library add goods 乙 goodsDensity=1e3\nlibrary list goods\nitems goodsKindChoice\n"
               "library remove goods 甲\nlibrary list goods\nlibrary list site\n",
               "--no-startup --library " + good);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0].dump(),
              R"([{"name":"甲","goodsDensity":420.5},{"name":"乙","goodsDensity":1000.0}])");
    EXPECT_EQ(lines[1].back(), "乙");
    EXPECT_EQ(lines[1].size(), 27U); // 25 built-in kinds and the two entries
    EXPECT_EQ(lines[2].dump(), R"([{"name":"乙","goodsDensity":1000.0}])");
    EXPECT_EQ(lines[3].dump(), "[]");
}

// set raises no event (the volume does not follow) and type keeps the text
// verbatim; a bad number is the form's business (coolingHours has no rule,
// so the text stays in its box).
TEST(Driver, TypedTextsAreTheFormsBusinessNotUsageErrors) {
    const CliRun run = runCli("set storeLength 10\nset storeWidth 10\nset 1005 4.5\n"
                              "set workerCount  7 \ntype coolingHours 12m\ndump\n");
    ASSERT_EQ(run.status, 0);
    const auto dump = run.lastDump();
    EXPECT_EQ(dump["fields"]["storeHeight"], "4.5");
    EXPECT_EQ(dump["fields"]["innerVolume"], "0");
    EXPECT_EQ(dump["fields"]["workerCount"], " 7 ");
    EXPECT_EQ(dump["fields"]["coolingHours"], "12m");
    EXPECT_EQ(dump["fields"].size(), 100U);
    EXPECT_EQ(dump["lists"].size(), 24U);
    EXPECT_EQ(dump["texts"]["totalLoadNote"], " =            ");
}

} // namespace
} // namespace gelvant::testing_cli
