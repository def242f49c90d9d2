#include "cli_runner.h"

#include <gtest/gtest.h>

namespace gelvant::testing_cli {
namespace {

// Pork frozen from 35 °C to -18 °C, whether the temperatures come before the
// product or are typed after it.
TEST(GoodsHeatDriver, PorkFrozenTo18BelowGivesTheFormsFigures) {
    for (const char* script :
         {"set intakeTemp 35\nset finalTemp -18\nchoose productChoice 0\ndump\n",
          "choose productChoice 0\ntype intakeTemp 35\ntype finalTemp -18\n"
          "dump\n"}) {
        const CliRun run = runCli(script);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto fields = run.lastDump()["fields"];
        EXPECT_EQ(fields["waterContentPercent"], "65");
        EXPECT_EQ(fields["freezingPoint"], "-1.7");
        EXPECT_EQ(fields["specificHeatUnfrozen"], "2.26");
        EXPECT_EQ(fields["specificHeatFrozen"], "1.34");
        EXPECT_EQ(fields["frozenFractionPercent"], "90.5556");
        EXPECT_EQ(fields["intakeEnthalpy"], "306.348");
        EXPECT_EQ(fields["finalEnthalpy"], "4.73284");
        EXPECT_TRUE(run.lastDump()["messages"].empty());
    }
}

TEST(RespirationDriver, StrongestProduceFrom30To5) {
    const CliRun run =
        runCli("set intakeTemp 30\nset finalTemp 5\nchoose respirationProduceChoice 39\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dump = run.lastDump();
    EXPECT_EQ(dump["fields"]["intakeRespirationHeat"], "1645");
    EXPECT_EQ(dump["fields"]["finalRespirationHeat"], "199");
    EXPECT_EQ(dump["fields"]["respirationPer10C"], "3.3");
    EXPECT_EQ(dump["fields"]["produceAirChangesPerDay"], "2");
    EXPECT_EQ(dump["lists"]["produceAirChangeChoice"]["text"], "2");
}

// A count of 3 chosen by hand falls back on every temperature edit: to "2"
// for produce, to "0" for goods that do not respire.
TEST(RespirationDriver, TemperatureEditsResetTheAirChangeCount) {
    const CliRun run = runCli("set intakeTemp 15\nset finalTemp 2\n"
                              "choose respirationProduceChoice 38\n"
                              "choose produceAirChangeChoice 2\ndump\n"
                              "type finalTemp 5\ndump\n"
                              "choose respirationProduceChoice 40\n"
                              "choose produceAirChangeChoice 2\n"
                              "type intakeTemp 20\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = run.jsonLines();
    ASSERT_EQ(dumps.size(), 3U);
    EXPECT_EQ(dumps[0]["fields"]["produceAirChangesPerDay"], "3");
    EXPECT_EQ(dumps[1]["fields"]["finalRespirationHeat"], "199");
    EXPECT_EQ(dumps[1]["lists"]["produceAirChangeChoice"]["text"], "2");
    EXPECT_EQ(dumps[1]["fields"]["produceAirChangesPerDay"], "2");
    EXPECT_EQ(dumps[2]["lists"]["produceAirChangeChoice"]["text"], "0");
    EXPECT_EQ(dumps[2]["fields"]["produceAirChangesPerDay"], "0");
    EXPECT_EQ(dumps[2]["fields"]["intakeRespirationHeat"], "0");
}

TEST(GoodsAndProduceLists, HoldTheirItemsInOrder) {
    const CliRun run = runCli("items productChoice\nitems respirationProduceChoice\n"
                              "items produceAirChangeChoice\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lists = run.jsonLines();
    ASSERT_EQ(lists.size(), 3U);
    ASSERT_EQ(lists[0].size(), 86U);
    EXPECT_EQ(lists[0][53], "杏子");
    EXPECT_EQ(lists[0][85], "听装果子汁");
    ASSERT_EQ(lists[1].size(), 41U);
    EXPECT_EQ(lists[1][1], "香蕉（青）");
    EXPECT_EQ(lists[1][39], "选表中最强");
    EXPECT_EQ(lists[2], nlohmann::ordered_json::parse(R"(["0","2","3"])"));
}

} // namespace
} // namespace gelvant::testing_cli
