#include "cli_runner.h"

#include <gtest/gtest.h>

#include <string>

namespace gelvant::testing_cli {
namespace {

// The coil lists in the order start-up chooses them, the type last.
std::string coilScript(int rows, int tempDiff, int roomTemp, int feed, int diameter, int pitch,
                       int type) {
    return "choose coilRowsChoice " + std::to_string(rows) + "\nchoose coilTempDiffChoice " +
           std::to_string(tempDiff) + "\nchoose coilRoomTempChoice " + std::to_string(roomTemp) +
           "\nchoose coilFeedChoice " + std::to_string(feed) + "\nchoose coilDiameterChoice " +
           std::to_string(diameter) + "\nchoose coilPitchChoice " + std::to_string(pitch) +
           "\nchoose coilTypeChoice " + std::to_string(type) + "\n";
}

struct CoefficientCase {
    const char* name;
    std::string script;
    const char* transferField;
    const char* transfer;
    const char* fluxField;
    const char* flux;
};

class EvaporatorCoefficients : public testing::TestWithParam<CoefficientCase> {};

TEST_P(EvaporatorCoefficients, ShowTheCorrectedTableValues) {
    const CoefficientCase& c = GetParam();
    const CliRun run = runCli(c.script + "dump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto fields = run.lastDump()["fields"];
    EXPECT_EQ(fields[c.transferField], c.transfer);
    EXPECT_EQ(fields[c.fluxField], c.flux);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EvaporatorCoefficients,
    testing::Values(
        CoefficientCase{"CoilStartUp", coilScript(2, 1, 0, 0, 6, 0, 0), "coilHeatTransfer", "8.61",
                        "coilHeatFlux", "68.88"},
        CoefficientCase{"CoilUShapedWithPumpAndClosePitch", coilScript(2, 1, 0, 1, 6, 1, 0),
                        "coilHeatTransfer", "8.61", "coilHeatFlux", "68.88"},
        CoefficientCase{"CoilSingleLayer", coilScript(2, 2, 5, 1, 6, 1, 1), "coilHeatTransfer",
                        "7.86143", "coilHeatFlux", "78.6143"},
        CoefficientCase{"CoilDoubleLayer", coilScript(2, 3, 2, 1, 2, 1, 2), "coilHeatTransfer",
                        "8.08845", "coilHeatFlux", "97.0614"},
        CoefficientCase{"CoilSingleRowTwentyTubes", coilScript(8, 1, 1, 0, 3, 0, 3),
                        "coilHeatTransfer", "12.1864", "coilHeatFlux", "97.4915"},
        CoefficientCase{"CoilTypedCoefficient",
                        coilScript(2, 2, 0, 1, 11, 1, 1) + "type coilHeatTransfer 9\n",
                        "coilHeatTransfer", "9", "coilHeatFlux", "90"},
        CoefficientCase{"AirCoolerAluminium",
                        "choose airCoolerTubeChoice 1\nchoose airCoolerTempDiffChoice 1\n"
                        "choose airCoolerEvapChoice 1\n",
                        "airCoolerHeatTransfer", "14.64", "airCoolerHeatFlux", "117.12"},
        CoefficientCase{"AirCoolerStartUp",
                        "choose airCoolerTubeChoice 0\nchoose airCoolerTempDiffChoice 1\n",
                        "airCoolerHeatTransfer", "13.9", "airCoolerHeatFlux", "111.2"},
        CoefficientCase{"AirCoolerTypedCoefficient",
                        "choose airCoolerTubeChoice 2\nchoose airCoolerTempDiffChoice 3\n"
                        "type airCoolerHeatTransfer 15\n",
                        "airCoolerHeatTransfer", "15", "airCoolerHeatFlux", "180"}),
    [](const testing::TestParamInfo<CoefficientCase>& info) { return info.param.name; });

struct LineCase {
    const char* name;
    std::string script;
    const char* text;
    const char* line;
};

class CompressorLines : public testing::TestWithParam<LineCase> {};

TEST_P(CompressorLines, ReadAsTheDesignerExpects) {
    const LineCase& c = GetParam();
    const CliRun run = runCli(c.script + "dump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.lastDump()["texts"][c.text], c.line);
}

const std::string kFrozenStore = "set roomTemp -18\nset totalCoolingLoadW 20000\n"
                                 "set storageTonnage 250\nset airCoolerPowerKw 1.5\n";

INSTANTIATE_TEST_SUITE_P(
    Examples, CompressorLines,
    testing::Values(LineCase{"Coil", kFrozenStore + coilScript(2, 1, 5, 0, 6, 0, 0),
                             "compressorNote1",
                             "压缩机选用：蒸发T=-28℃,制冷量21.4KW--冷负荷20000/250.0=80w/t"},
                    LineCase{"AirCoolerWithFans",
                             kFrozenStore + "set airCoolerCount 2\nchoose airCoolerTubeChoice 0\n"
                                            "choose airCoolerTempDiffChoice 2\n",
                             "compressorNote2",
                             "压缩机选用：蒸发T=-30℃,制冷量21.4KW--冷风机功率已加入请核对"},
                    LineCase{"AirCoolerWithoutFans",
                             kFrozenStore + "set airCoolerCount 0\nchoose airCoolerTubeChoice 0\n"
                                            "choose airCoolerTempDiffChoice 2\n",
                             "compressorNote2",
                             "压缩机选用：蒸发T=-30℃,制冷量21.4KW--输入冷风机功率后再计算一次"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(EvaporatorSurfaces, FollowTheLoadAndBothFluxes) {
    const CliRun run = runCli("set totalCoolingLoadW 10000\nset airCoolerHeatW 1000\n"
                              "set airCoolerHeatFlux 100\n" +
                              coilScript(2, 1, 0, 0, 6, 0, 0) + "dump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto fields = run.lastDump()["fields"];
    EXPECT_EQ(fields["coilAreaM2"], "131");
    EXPECT_EQ(fields["airCoolerAreaM2"], "100");
}

// The example store computed without any evaporator list chosen but the
// air cooler's difference: the surfaces come from the fluxes it sets, the
// coil line waits for a coil difference, the air-cooler line follows the load.
TEST(EvaporatorSurfaces, ExampleStoreRunLeavesWhatHasNoChoice) {
    const std::string source = __FILE__;
    const std::string example =
        source.substr(0, source.rfind("tests/cli/")) + "examples/cold-room.gelvant";
    const CliRun run = runCli("", "--no-startup " + example);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dump = run.lastDump();
    EXPECT_EQ(dump["fields"]["totalCoolingLoadW"], "11194");
    EXPECT_EQ(dump["fields"]["coilHeatFlux"], "57.6");
    EXPECT_EQ(dump["fields"]["airCoolerHeatFlux"], "111.2");
    EXPECT_EQ(dump["fields"]["coilAreaM2"], "135");
    EXPECT_EQ(dump["fields"]["airCoolerAreaM2"], "101");
    EXPECT_EQ(dump["lists"]["airCoolerEvapChoice"]["index"], 3);
    EXPECT_EQ(dump["texts"]["compressorNote1"], "压缩机");
    EXPECT_EQ(dump["texts"]["compressorNote2"],
              "压缩机选用：蒸发T=-10℃,制冷量12.0KW--冷风机功率已加入请核对");
}

} // namespace
} // namespace gelvant::testing_cli
