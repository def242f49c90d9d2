#include "cli_runner.h"

#include <gtest/gtest.h>

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
                    UsageCase{"ItemsUnknownList", "items 1003", "unknown list"}),
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
