#include "cli_runner.h"

#include <gtest/gtest.h>

namespace gelvant::testing_cli {
namespace {

// The usual cold room, 7 m wide and 4.2 m high outside with 100 mm panels,
// an open door, goods at 330 kg/m³ and a tenth taken in per day.
constexpr const char* kUsualRoom = "set storeWidth 7\n"
                                   "set storeHeight 4.2\n"
                                   "set insulationThicknessMm 100\n"
                                   "set goodsDensity 330\n"
                                   "set dailyIntakePercent 10\n"
                                   "choose doorChoice 2\n";

TEST(DependentRulesDriver, TypingTheLengthCarriesEveryDerivedField) {
    const CliRun run = runCli(std::string(kUsualRoom) + "type storeLength 8\ndump\n"
                                                        "choose doorChoice 0\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 2U);
    const auto& open = lines[0]["fields"];
    EXPECT_EQ(open["innerVolume"], "212");
    EXPECT_EQ(open["outerSurfaceArea"], "238");
    EXPECT_EQ(open["volumeCoefficient"], "0.4");
    EXPECT_EQ(open["storageTonnage"], "27.9");
    EXPECT_EQ(open["dailyIntakeTons"], "2.7");
    EXPECT_EQ(open["floorArea"], "56");
    EXPECT_EQ(open["workerCount"], "1");
    EXPECT_EQ(open["doorAirChangesPerDay"], "4.5");
    EXPECT_EQ(lines[1]["fields"]["doorAirChangesPerDay"], "2.25");
    EXPECT_EQ(lines[1]["lists"]["doorChoice"]["text"], "有空气幕");
}

TEST(DependentRulesDriver, SinglePrecisionHundredthCutsAnExactThirtyTonnes) {
    const CliRun run = runCli("set storeWidth 1\nset storeHeight 1\nset storeLength 200\n"
                              "set goodsDensity 300\nset dailyIntakePercent 10\n"
                              "type volumeCoefficient 0.5\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto fields = run.lastDump()["fields"];
    EXPECT_EQ(fields["innerVolume"], "200");
    EXPECT_EQ(fields["storageTonnage"], "29.9");
    EXPECT_EQ(fields["dailyIntakeTons"], "2.9");
}

TEST(DependentRulesDriver, TonnageLockedDoorAndRoomTemperature) {
    const CliRun run =
        runCli(std::string(kUsualRoom) + "type storeLength 6\n"
                                         "type storageTonnage 20.856\n"
                                         "type roomTemp -4.9\ndump\n"
                                         "choose doorChoice 3\ntype roomTemp -5\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    EXPECT_EQ(lines[0]["fields"]["dailyIntakeTons"], "2.0856");
    EXPECT_EQ(lines[0]["fields"]["heatPerPerson"], "280");
    EXPECT_EQ(lines[0]["fields"]["workerCount"], "1");
    EXPECT_EQ(lines[1]["fields"]["heatPerPerson"], "410");
    EXPECT_EQ(lines[1]["fields"]["workerCount"], "0");
    EXPECT_EQ(lines[1]["fields"]["doorAirChangesPerDay"], "0");
}

TEST(ReferenceTablesDriver, ChoicesCopyTheirRows) {
    const CliRun run = runCli("set insulationThicknessMm 240\nchoose insulationChoice 4\n"
                              "choose siteChoice 69\nchoose packagingMaterialChoice 0\n"
                              "choose packagingRatioChoice 4\nchoose goodsKindChoice 21\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto fields = run.lastDump()["fields"];
    EXPECT_EQ(fields["insulationConductivity"], "0.81");
    EXPECT_EQ(fields["wallHeatTransfer"], "3.375");
    EXPECT_EQ(fields["ambientTemp"], "18");
    EXPECT_EQ(fields["ambientHumidity"], "54");
    EXPECT_EQ(fields["summerAirConditioningTemp"], "22.8");
    EXPECT_EQ(fields["summerPressurePa"], "65229");
    EXPECT_EQ(fields["packagingSpecificHeat"], "2.51");
    EXPECT_EQ(fields["packagingRatio"], "0.6");
    EXPECT_EQ(fields["goodsDensity"], "750");
}

TEST(ReferenceTablesDriver, ItemsListsTheTablesInOrder) {
    const CliRun run = runCli("items goodsKindChoice\nitems siteChoice\nitems 1014\n"
                              "items packagingMaterialChoice\nitems packagingRatioChoice\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 5U);
    EXPECT_EQ(lines[0].size(), 25U);
    EXPECT_EQ(lines[0][21], "机制冰");
    EXPECT_EQ(lines[1].size(), 70U);
    EXPECT_EQ(lines[1][0], "北京");
    EXPECT_EQ(lines[1][60], "海口");
    EXPECT_EQ(lines[2].size(), 5U);
    EXPECT_EQ(lines[3][5], "瓦愣纸");
    EXPECT_EQ(lines[4].back(), "无");
}

} // namespace
} // namespace gelvant::testing_cli
