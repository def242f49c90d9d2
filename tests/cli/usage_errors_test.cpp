#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <string>

namespace gelvant::testing_cli {
namespace {

struct UsageCase {
    const char* name;
    const char* badLine;
    const char* messagePart;
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << testing::PrintToString(std::string(c.badLine));
}

class UsageErrors : public testing::TestWithParam<UsageCase> {};

// The bad line stops the script: lines before it are carried out and their
// output printed, nothing of the bad line is done, one line goes to stderr.
TEST_P(UsageErrors, StopTheScriptWithStatusTwoNamingTheLine) {
    const UsageCase& c = GetParam();
    const std::string script =
        std::string("# a comment\n\nset storeLength 9\ndump\n") + c.badLine + "\ndump\n";
    const CliRun run = runCli(script);
    EXPECT_EQ(run.status, 2);
    ASSERT_EQ(run.jsonLines().size(), 1U);
    EXPECT_EQ(run.jsonLines()[0]["fields"]["storeLength"], "9");
    EXPECT_EQ(run.err.find("gelvant-cli: line 5: "), 0U) << run.err;
    EXPECT_NE(run.err.find(c.messagePart), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, UsageErrors,
    testing::Values(UsageCase{"UnknownCommand", "frobnicate storeLength 3", "unknown command"},
                    UsageCase{"UnknownField", "type storeLengthX 3", "unknown field"},
                    UsageCase{"UnknownFieldControl", "set 9999 3", "unknown field"},
                    UsageCase{"UnknownList", "choose nosuchList 1", "unknown list"},
                    UsageCase{"IndexOutOfRange", "choose doorChoice 4", "outside"},
                    UsageCase{"NegativeIndex", "choose doorChoice -1", "outside"},
                    UsageCase{"IndexNotANumber", "choose doorChoice two", "not a whole number"},
                    UsageCase{"IndexWithFraction", "choose 1108 1.5", "not a whole number"},
                    UsageCase{"UnknownButton", "click nothing", "unknown button"},
                    UsageCase{"ClearUnknownList", "clear storeLength", "unknown list"},
                    UsageCase{"ItemsUnknownList", "items 1003", "unknown list"},
                    UsageCase{"LibraryUnknownVerb", "library edit site 甲",
                              "unknown library command"},
                    UsageCase{"LibraryUnknownKind", "library add town 甲 ambientTemp=1",
                              "unknown library kind 'town'"},
                    UsageCase{"LibraryNoName", "library add goods", "needs a name"},
                    UsageCase{"LibraryNotKeyValue", "library add goods 甲 goodsDensity",
                              "'goodsDensity' is not KEY=VALUE"},
                    UsageCase{"LibraryDoubleBlank", "library add goods 甲  goodsDensity=5",
                              "'' is not KEY=VALUE"},
                    UsageCase{"LibraryUnknownKey", "library add goods 甲 density=5",
                              "unknown goods key 'density' (goodsDensity)"},
                    UsageCase{"LibraryMissingKey", "library add insulation 甲 insulationDensity=30",
                              "insulationConductivity is missing"},
                    UsageCase{"LibraryOutOfRange", "library add goods 甲 goodsDensity=3000.5",
                              "goodsDensity must be a number between 1 and 3000"},
                    UsageCase{"LibraryNotWhole",
                              "library add site 甲 ambientTemp=1 ambientHumidity=1.5 "
                              "summerAirConditioningTemp=1 summerPressurePa=90000",
                              "ambientHumidity must be a whole number between 0 and 100"},
                    UsageCase{"LibraryNameTaken", "library add goods 机制冰 goodsDensity=700",
                              "already has an item '机制冰'"},
                    UsageCase{"LibraryRemoveMissing", "library remove goods 甲",
                              "there is no goods entry '甲'"},
                    UsageCase{"LibraryListExtra", "library list goods 甲", "KIND only"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

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
    const std::string dir = testing::TempDir();
    const std::string bad = dir + "/bad-library.json";
    const std::string good = dir + "/good-library.json";
    std::ofstream(bad) << R"({"format":"gelvant-library","version":1,)"
                          R"("goods":[{"name":"甲","goodsDensity":0}]})";
    std::ofstream(good) << R"({"format":"gelvant-library","version":1,)"
                           R"("goods":[{"name":"甲","goodsDensity":420.5}]})";
    for (const std::string& args :
         {"--library " + bad, "--library " + dir + "/missing.json", std::string("--library")}) {
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
    std::remove(bad.c_str());
    std::remove(good.c_str());
}

TEST(Driver, BadNumbersAreTheFormsBusinessNotUsageErrors) {
    // coolingHours has no rule of its own, so the bad text stays in its box.
    const CliRun run = runCli("type coolingHours 12m\ndump\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lastDump()["fields"]["coolingHours"], "12m");
}

TEST(Driver, SetRaisesNoEventAndTypeKeepsTheTextVerbatim) {
    const CliRun run = runCli("set 1005 4.5\nset coolingHours  7 \ndump\n");
    ASSERT_EQ(run.status, 0);
    const auto dump = run.lastDump();
    EXPECT_EQ(dump["fields"]["storeHeight"], "4.5");
    EXPECT_EQ(dump["fields"]["coolingHours"], " 7 ");
    EXPECT_EQ(dump["fields"].size(), 100U);
    EXPECT_EQ(dump["lists"].size(), 24U);
    EXPECT_EQ(dump["texts"]["totalLoadNote"], " =            ");
}

} // namespace
} // namespace gelvant::testing_cli
