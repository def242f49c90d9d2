#include "cli_runner.h"

#include <gtest/gtest.h>

namespace gelvant::testing_cli {
namespace {

// The example script sets every input of the reference room and computes it.
TEST(ReferenceRun, ComputesEveryFigureThroughTheDriver) {
    const CliRun run = runCli(readWhole(GELVANT_SOURCE_DIR "/examples/cold-room.gvs"));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dump = run.lastDump();
    const auto& fields = dump["fields"];
    const std::pair<const char*, const char*> expected[] = {
        {"innerVolume", "158"},
        {"outerSurfaceArea", "193"},
        {"resultWallHeatTransfer", "0.24"},
        {"wallLeakHeatW", "1298"},
        {"resultGoodsHeatRelease", "50"},
        {"goodsHeatW", "1389"},
        {"respirationHeatW", "3329"},
        {"materialHeatW", "140"},
        {"airChangeVolumePerDay", "316"},
        {"doorHeatW", "761"},
        {"lightingHeatW", "210"},
        {"workerHeatW", "287"},
        {"operatingHeatW", "1258"},
        {"ambientMoistureGPerKg", "22.4"},
        {"roomMoistureGPerKg", "3.39"},
        {"ventilationHeatW", "380"},
        {"airCoolerHeatW", "3400"},
        {"totalCoolingLoadW", "11194"},
        {"ambientAirDensity", "1.148"},
        {"coldAirDensity", "1.288"},
        {"loadPerTonW", "559"},
        {"ambientDewPoint", "26.76"},
        {"antiCondensationThicknessMm", "47"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(fields[field], text) << field;
    }
    EXPECT_EQ(dump["texts"]["totalLoadNote"], "=9641Kcal/h，=11.2KW");
    EXPECT_EQ(dump["texts"]["emptyStoreNote"], "空库热=10258Kcal，空库降温需10258/5939=1.7小时");
    EXPECT_EQ(dump["lists"]["airCoolerEvapChoice"]["index"], 3);
}

TEST(ReferenceRun, MessagesAreReportedOnceByTheNextDump) {
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
