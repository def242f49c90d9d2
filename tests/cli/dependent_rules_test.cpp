#include "cli_runner.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace gelvant::testing_cli {
namespace {

// The texts of a dump's fields, one blank between each.
std::string shown(const nlohmann::ordered_json& dump, std::initializer_list<const char*> names) {
    std::string texts;
    for (const char* name : names) {
        texts += (texts.empty() ? "" : " ") + dump["fields"][name].get<std::string>();
    }
    return texts;
}

// The usual cold room, 7 m wide and 4.2 m high outside with 100 mm panels,
// an open door, goods at 330 kg/m³ and a tenth taken in per day.
constexpr const char* kUsualRoom = "set storeWidth 7\nset storeHeight 4.2\n"
                                   "set insulationThicknessMm 100\nset goodsDensity 330\n"
                                   "set dailyIntakePercent 10\nchoose doorChoice 2\n";

TEST(DependentRulesDriver, TypingTheLengthCarriesEveryDerivedField) {
    const CliRun run = runCli(std::string(kUsualRoom) + "type storeLength 8\ndump\n"
                                                        "choose doorChoice 0\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = run.jsonLines();
    ASSERT_EQ(dumps.size(), 2U);
    EXPECT_EQ(
        shown(dumps[0], {"innerVolume", "outerSurfaceArea", "volumeCoefficient", "storageTonnage",
                         "dailyIntakeTons", "floorArea", "workerCount", "doorAirChangesPerDay"}),
        "212 238 0.4 27.9 2.7 56 1 4.5");
    EXPECT_EQ(shown(dumps[1], {"doorAirChangesPerDay"}), "2.25");
    EXPECT_EQ(dumps[1]["lists"]["doorChoice"]["text"], "有空气幕");
}

// A typed tonnage gives an intake not cut to tenths; the lock zeroes workers
// and door changes, and the door rule cuts the intake again; -5 °C itself
// already counts as cold.
TEST(DependentRulesDriver, TonnageLockedDoorAndRoomTemperature) {
    const CliRun run =
        runCli(std::string(kUsualRoom) + "type storeLength 6\n"
                                         "type storageTonnage 20.856\n"
                                         "type roomTemp -4.9\ndump\n"
                                         "choose doorChoice 3\ntype roomTemp -5\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dumps = run.jsonLines();
    const std::initializer_list<const char*> names = {"dailyIntakeTons", "heatPerPerson",
                                                      "workerCount", "doorAirChangesPerDay"};
    EXPECT_EQ(shown(dumps[0], names), "2.0856 280 1 6");
    EXPECT_EQ(shown(dumps[1], names), "2 410 0 0");
}

TEST(ReferenceTablesDriver, ChoicesCopyTheirRows) {
    const CliRun run = runCli("set insulationThicknessMm 240\nchoose insulationChoice 4\n"
                              "choose siteChoice 69\nchoose packagingMaterialChoice 0\n"
                              "choose packagingRatioChoice 4\nchoose goodsKindChoice 21\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(shown(run.lastDump(), {"wallHeatTransfer", "ambientTemp", "ambientHumidity",
                                     "summerAirConditioningTemp", "summerPressurePa",
                                     "packagingSpecificHeat", "packagingRatio", "goodsDensity"}),
              "3.375 18 54 22.8 65229 2.51 0.6 750");
}

// Pork frozen from 35 °C to -18 °C, whether the temperatures come before the
// product or are typed after it.
TEST(GoodsHeatDriver, PorkFrozenTo18BelowGivesTheFormsFigures) {
    for (const char* script :
         {"set intakeTemp 35\nset finalTemp -18\nchoose productChoice 0\ndump\n",
          "choose productChoice 0\ntype intakeTemp 35\ntype finalTemp -18\ndump\n"}) {
        const CliRun run = runCli(script);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(
            shown(run.lastDump(), {"waterContentPercent", "freezingPoint", "specificHeatUnfrozen",
                                   "specificHeatFrozen", "frozenFractionPercent", "intakeEnthalpy",
                                   "finalEnthalpy"}),
            "65 -1.7 2.26 1.34 90.5556 306.348 4.73284");
        EXPECT_TRUE(run.lastDump()["messages"].empty());
    }
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
    const std::initializer_list<const char*> names = {"intakeRespirationHeat",
                                                      "finalRespirationHeat", "respirationPer10C",
                                                      "produceAirChangesPerDay"};
    EXPECT_EQ(shown(dumps[0], names), "523 129 3.11 3");
    EXPECT_EQ(shown(dumps[1], names), "523 199 2.62 2");
    EXPECT_EQ(dumps[1]["lists"]["produceAirChangeChoice"]["text"], "2");
    EXPECT_EQ(shown(dumps[2], names), "0 0 0 0");
    EXPECT_EQ(dumps[2]["lists"]["produceAirChangeChoice"]["text"], "0");
}

// Lists by name or control ID, in the tables' order, full-width brackets kept.
TEST(ReferenceTablesDriver, ItemsListTheTablesInOrder) {
    const CliRun run = runCli("items goodsKindChoice\nitems 1014\n"
                              "items respirationProduceChoice\nitems produceAirChangeChoice\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lists = run.jsonLines();
    ASSERT_EQ(lists.size(), 4U);
    EXPECT_EQ(lists[0][21], "机制冰");
    EXPECT_EQ(lists[1].size(), 5U);
    EXPECT_EQ(lists[2][1], "香蕉（青）");
    EXPECT_EQ(lists[2][39], "选表中最强");
    EXPECT_EQ(lists[3], nlohmann::ordered_json::parse(R"(["0","2","3"])"));
}

} // namespace
} // namespace gelvant::testing_cli
