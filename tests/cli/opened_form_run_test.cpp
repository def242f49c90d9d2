#include "cli_runner.h"

#include <gtest/gtest.h>

#include <string>

namespace gelvant::testing_cli {
namespace {

// Worked examples that start where the designer starts: on the opened form,
// the fruit store of row 27 at 0 °C and 90 % applied and computed.
class OpenedFormRun : public testing::TestWithParam<RunCase> {};

TEST_P(OpenedFormRun, ShowsTheFiguresOfTheSession) {
    expectShows(GetParam(), "");
}

// The saturation pressures at the table's points are the table's figures to
// the last pascal, and the figures below turn on it.
// clang-format off
const RunCase kRuns[] = {
    // 90 % of 101325 Pa at 100 °C leaves a tenth of the atmosphere as dry
    // air: 622 × 9 g/kg, not a hair less.
    {"RoomAtBoilingPoint", "type roomTemp 100\nclick compute\n",
     {{"roomMoistureGPerKg", "5598"}}},
    // The single-storey frozen store of row 13 applied at 77 % room
    // humidity: its empty-store heat lies two thousandths of a kilocalorie
    // above a half, and the room air's share decides which way it rounds.
    {"FrozenStoreOfRow13At77Percent",
     "type roomHumidity 77\nchoose referenceList 13\nclick apply\n",
     {{"emptyStoreNote", "空库热=959743Kcal，空库降温需959743/56342=17.0小时"}}},
    // Saturated outdoor air at the foot of the table has its own temperature
    // as dew point, not the out-of-table -99.
    {"SaturatedAirAtMinus60",
     "type summerAirConditioningTemp 0\ntype ambientTemp -60\ntype ambientHumidity 100\n"
     "click compute\n",
     {{"ambientDewPoint", "-60"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Examples, OpenedFormRun, testing::ValuesIn(kRuns), runCaseName);

} // namespace
} // namespace gelvant::testing_cli
