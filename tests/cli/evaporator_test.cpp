#include "cli_runner.h"

#include <gtest/gtest.h>

#include <string>

namespace gelvant::testing_cli {
namespace {

// The coil lists in the order start-up chooses them, the type last.
std::string coil(int rows, int tempDiff, int roomTemp, int feed, int diameter, int pitch,
                 int type) {
    return "choose coilRowsChoice " + std::to_string(rows) + "\nchoose coilTempDiffChoice " +
           std::to_string(tempDiff) + "\nchoose coilRoomTempChoice " + std::to_string(roomTemp) +
           "\nchoose coilFeedChoice " + std::to_string(feed) + "\nchoose coilDiameterChoice " +
           std::to_string(diameter) + "\nchoose coilPitchChoice " + std::to_string(pitch) +
           "\nchoose coilTypeChoice " + std::to_string(type) + "\n";
}

const std::string kStartUpCoil = coil(2, 1, 0, 0, 6, 0, 0);
const std::string kSingleRowThenLayer =
    coil(2, 1, 0, 0, 6, 0, 3) + "choose coilTypeChoice 1\nchoose coilRowsChoice 8\n";
const std::string kFrozenStore = "set roomTemp -18\nset totalCoolingLoadW 20000\n"
                                 "set storageTonnage 250\nset airCoolerPowerKw 1.5\n";
const std::string kAirCoolerAt10 =
    "choose airCoolerTubeChoice 0\nchoose airCoolerTempDiffChoice 2\n";
// The 6 x 7 x 4.2 m vegetable store computed, the evaporator lists then
// chosen as start-up chooses them.
const std::string kColdRoom = readWhole(GELVANT_SOURCE_DIR "/tests/support/reference-room.gvs") +
                              kStartUpCoil + "choose airCoolerTubeChoice 0\n";

class EvaporatorRun : public testing::TestWithParam<RunCase> {};

TEST_P(EvaporatorRun, ShowsTheDesignersFigures) {
    expectShows(GetParam());
}

// clang-format off
const RunCase kRuns[] = {
    // Coil coefficients from the design charts and their corrections.
    {"CoilStartUpAndSurfaces",
     "set totalCoolingLoadW 10000\nset airCoolerHeatW 1000\nset airCoolerHeatFlux 100\n" +
         kStartUpCoil,
     {{"coilHeatTransfer", "8.61"}, {"coilHeatFlux", "68.88"}, {"coilAreaM2", "131"},
      {"airCoolerAreaM2", "100"}}},
    {"UShapedCoilTakesNoPitchOrPumpFactor", coil(2, 1, 0, 1, 6, 1, 0),
     {{"coilHeatTransfer", "8.61"}, {"coilHeatFlux", "68.88"}}},
    {"SingleLayerCoil", coil(2, 2, 5, 1, 6, 1, 1),
     {{"coilHeatTransfer", "7.86143"}, {"coilHeatFlux", "78.6143"}}},
    {"DoubleLayerCoil", coil(2, 3, 2, 1, 2, 1, 2),
     {{"coilHeatTransfer", "8.08845"}, {"coilHeatFlux", "97.0614"}}},
    {"SingleRowCoilOfTwentyTubes", coil(8, 1, 1, 0, 3, 0, 3),
     {{"coilHeatTransfer", "12.1864"}, {"coilHeatFlux", "97.4915"},
      {"/visible/coilRowsChoice", "true"}, {"/lists/coilTypeChoice/text", "单排光滑蛇形顶排管"}}},
    {"SingleRowLastBlockClosePitch", coil(8, 4, 9, 0, 11, 1, 3),
     {{"coilHeatTransfer", "12.8458"}, {"coilHeatFlux", "192.687"}}},
    // Choosing the pump feed again does not apply the corrections twice.
    {"DoubleLayerPumpSmallestTube", coil(2, 0, 0, 1, 11, 0, 2) + "choose coilFeedChoice 1\n",
     {{"coilHeatTransfer", "11.0188"}, {"coilHeatFlux", "66.1128"}}},
    // Tubes in height count only for the single-row coil; hiding keeps their choice.
    {"HiddenTubesInHeight", kSingleRowThenLayer,
     {{"/visible/coilRowsChoice", "false"}, {"coilHeatTransfer", "9.07"}}},
    {"TubesInHeightShownAgain", kSingleRowThenLayer + "choose coilTypeChoice 3\n",
     {{"/visible/coilRowsChoice", "true"}, {"coilHeatTransfer", "14.3"}}},
    // Typed coefficients take no correction; the lines keep the load of the last choice.
    {"TypedCoilCoefficient",
     "set storageTonnage 250\n" + coil(2, 2, 0, 1, 11, 1, 1) +
         "set totalCoolingLoadW 10000\ntype coilHeatTransfer 9\n",
     {{"coilHeatFlux", "90"}, {"coilAreaM2", "111"},
      {"compressorNote1", "压缩机选用：蒸发T=-12℃,制冷量0.0KW--冷负荷0/250.0=0w/t"}}},
    {"TypedAirCoolerCoefficient",
     "choose airCoolerTubeChoice 2\nchoose airCoolerTempDiffChoice 3\n"
     "set totalCoolingLoadW 9000\ntype airCoolerHeatTransfer 15\n",
     {{"airCoolerHeatFlux", "180"}, {"airCoolerAreaM2", "50"},
      {"compressorNote2", "压缩机选用：蒸发T=-14℃,制冷量0.0KW--输入冷风机功率后再计算一次"}}},
    // The compressor lines, word for word.
    {"CoilLine", kFrozenStore + coil(2, 1, 5, 0, 6, 0, 0),
     {{"compressorNote1", "压缩机选用：蒸发T=-28℃,制冷量21.4KW--冷负荷20000/250.0=80w/t"}}},
    {"CoilLineWithoutTonnage", kFrozenStore + "set storageTonnage 0\n" + coil(2, 1, 5, 0, 6, 0, 0),
     {{"compressorNote1", "压缩机选用：蒸发T=-28℃,制冷量21.4KW--冷负荷20000/0.0=infw/t"}}},
    {"AirCoolerLineWithFans", kFrozenStore + "set airCoolerCount 2\n" + kAirCoolerAt10,
     {{"compressorNote2", "压缩机选用：蒸发T=-30℃,制冷量21.4KW--冷风机功率已加入请核对"}}},
    {"AirCoolerLineWithoutFans", kFrozenStore + "set airCoolerCount 0\n" + kAirCoolerAt10,
     {{"compressorNote2", "压缩机选用：蒸发T=-30℃,制冷量21.4KW--输入冷风机功率后再计算一次"}}},
    {"AirCoolerLineWithoutFanPower",
     kFrozenStore + "set airCoolerCount 2\nset airCoolerPowerKw 0\n" + kAirCoolerAt10,
     {{"compressorNote2", "压缩机选用：蒸发T=-30℃,制冷量21.4KW--输入冷风机功率后再计算一次"}}},
    // The computed store: the calculation re-chooses both evaporating
    // temperatures for the room, a floor item reruns it whole, room kind and
    // fresh air wait for the next one.
    {"CalculationReplacesTypedCoefficients",
     kColdRoom + "type coilHeatTransfer 9\ntype airCoolerHeatTransfer 15\n"
                 "set roomTemp -18\nset finalTemp -18\nclick compute\n",
     {{"/lists/coilRoomTempChoice/index", "5"}, {"coilHeatTransfer", "6.75"},
      {"coilHeatFlux", "54"}, {"/lists/airCoolerEvapChoice/index", "1"},
      {"airCoolerHeatTransfer", "12.2"}, {"airCoolerHeatFlux", "97.6"}}},
    {"FloorWithoutVentilation", kColdRoom + "choose floorChoice 0\n",
     {{"wallLeakHeatW", "1147"}, {"totalCoolingLoadW", "11043"},
      {"compressorNote1", "压缩机选用：蒸发T=-10℃,制冷量8.2KW--冷负荷7643/20.0=382w/t"},
      {"compressorNote2", "压缩机选用：蒸发T=-10℃,制冷量11.8KW--冷风机功率已加入请核对"}}},
    {"FloorWithVentilatedHeating", kColdRoom + "choose floorChoice 1\n",
     {{"wallLeakHeatW", "1268"}}},
    {"RoomKindAndFreshAirWait", kColdRoom + "choose roomKindChoice 2\nchoose freshAirChoice 1\n",
     {{"lightingPerArea", "2.3"}, {"freshAirPerPerson", "0"}, {"lightingHeatW", "210"},
      {"totalCoolingLoadW", "11194"}}},
    {"RoomKindAndFreshAirCount",
     kColdRoom + "choose roomKindChoice 2\nchoose freshAirChoice 1\nclick compute\n",
     {{"lightingHeatW", "96.6"}, {"workerHeatW", "70"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Examples, EvaporatorRun, testing::ValuesIn(kRuns), runCaseName);

} // namespace
} // namespace gelvant::testing_cli
