#include "cli_runner.h"

#include <gtest/gtest.h>

#include <string>

namespace gelvant::testing_cli {
namespace {

// The reference room script sets every input of the 6 × 7 × 4.2 m room and
// computes it; the other cases change one input of it and compute again.
const std::string kColdRoom = readWhole(GELVANT_SOURCE_DIR "/tests/support/reference-room.gvs");

class ReferenceRun : public testing::TestWithParam<RunCase> {};

TEST_P(ReferenceRun, ComputesTheFiguresThroughTheDriver) {
    expectShows(GetParam());
}

// clang-format off
const RunCase kRuns[] = {
    {"ReferenceRoom", kColdRoom,
     {{"innerVolume", "158"}, {"outerSurfaceArea", "193"}, {"resultWallHeatTransfer", "0.24"},
      {"wallLeakHeatW", "1298"}, {"resultGoodsHeatRelease", "50"}, {"goodsHeatW", "1389"},
      {"respirationHeatW", "3329"}, {"materialHeatW", "140"}, {"airChangeVolumePerDay", "316"},
      {"doorHeatW", "761"}, {"lightingHeatW", "210"}, {"workerHeatW", "287"},
      {"operatingHeatW", "1258"}, {"ambientMoistureGPerKg", "22.4"},
      {"roomMoistureGPerKg", "3.39"}, {"ventilationHeatW", "380"}, {"airCoolerHeatW", "3400"},
      {"totalCoolingLoadW", "11194"}, {"ambientAirDensity", "1.148"},
      {"coldAirDensity", "1.288"}, {"loadPerTonW", "559"}, {"ambientDewPoint", "26.76"},
      {"antiCondensationThicknessMm", "47"}, {"totalLoadNote", "=9641Kcal/h，=11.2KW"},
      {"emptyStoreNote", "空库热=10258Kcal，空库降温需10258/5939=1.7小时"},
      {"/lists/airCoolerEvapChoice/index", "3"}, {"/messages", "[]"}}},
    // No floor item counts as the ventilated crawl space of item 2.
    {"NoFloorItemIsACrawlSpace", kColdRoom + "clear floorChoice\nclick compute\n",
     {{"wallLeakHeatW", "1298"}}},
    // The goods' heat release is cut to whole kilojoules.
    {"GoodsHeatReleaseCut", kColdRoom + "set intakeEnthalpy 349.9\nclick compute\n",
     {{"resultGoodsHeatRelease", "99"}}},
    {"GoodsHeatReleaseCutToZero", kColdRoom + "set intakeEnthalpy 249.5\nclick compute\n",
     {{"resultGoodsHeatRelease", "0"}}},
    // Only below 0 °C the moisture carried in freezes out: 761 W and 380 W
    // at 0 °C, some 60 W and 30 W more just below.
    {"AirHeatsJustBelowFreezing", kColdRoom + "set roomTemp -0.001\nclick compute\n",
     {{"doorHeatW", "821"}, {"ventilationHeatW", "410"}, {"wallLeakHeatW", "1298"}}},
    // A warmer summer design temperature replaces the outdoor air, never the
    // envelope's difference.
    {"SummerTemperatureForTheAirOnly",
     kColdRoom + "set summerAirConditioningTemp 35\nclick compute\n",
     {{"wallLeakHeatW", "1298"}, {"doorHeatW", "1008"}, {"ventilationHeatW", "504"}}},
    {"NoProduceAirChangesKeepsBothHumidityRatios",
     kColdRoom + "set produceAirChangesPerDay 0\nclick compute\n",
     {{"airChangeVolumePerDay", "0"}, {"ventilationHeatW", "0"},
      {"ambientMoistureGPerKg", "22.4"}, {"roomMoistureGPerKg", "3.39"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Examples, ReferenceRun, testing::ValuesIn(kRuns), runCaseName);

TEST(ReferenceRunMessages, AreReportedOnceByTheNextDump) {
    const CliRun run =
        runCli("set airCoolerPowerKw 1.5\nset coolingHours 20\nset storageTonnage 1\n"
               "click compute\ndump\ndump\n");
    ASSERT_EQ(run.status, 0);
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 2U);
    ASSERT_FALSE(lines[0]["messages"].empty());
    EXPECT_EQ(lines[0]["messages"][0]["text"], "冷风机有功率但台数为0");
    EXPECT_TRUE(lines[1]["messages"].empty());
}

} // namespace
} // namespace gelvant::testing_cli
