#include "calc/surface_areas.h"
#include "evaporator_form.h"
#include "form/controls.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace gelvant::evaporator_testing {
namespace {

using CoilRule = EvaporatorForm;

// The coil lists in the order start-up chooses them, the type last.
std::string coil(int rows, int tempDiff, int roomTemp, int feed, int diameter, int pitch,
                 int type) {
    std::string lines;
    const std::pair<const char*, int> choices[] = {
        {"coilRowsChoice", rows},         {"coilTempDiffChoice", tempDiff},
        {"coilRoomTempChoice", roomTemp}, {"coilFeedChoice", feed},
        {"coilDiameterChoice", diameter}, {"coilPitchChoice", pitch},
        {"coilTypeChoice", type}};
    for (const auto& [list, item] : choices) {
        lines += "choose " + std::string(list) + " " + std::to_string(item) + "\n";
    }
    return lines;
}

const std::string kFrozenStore = "set roomTemp -18\nset totalCoolingLoadW 20000\n"
                                 "set storageTonnage 250\nset airCoolerPowerKw 1.5\n";
const std::string kSingleRowThenLayer =
    coil(2, 1, 0, 0, 6, 0, 3) + "choose coilTypeChoice 1\nchoose coilRowsChoice 8\n";

// Coefficients from the design charts and their corrections, the surfaces,
// and the compressor line word for word.
TEST(CoilFigures, FollowTheChartsAndTheirCorrections) {
    const std::vector<const char*> k{"coilHeatTransfer", "coilHeatFlux"};
    const FormCase cases[] = {
        {"start-up coil and surfaces",
         "set totalCoolingLoadW 10000\nset airCoolerHeatW 1000\nset airCoolerHeatFlux 100\n" +
             coil(2, 1, 0, 0, 6, 0, 0),
         {"coilHeatTransfer", "coilHeatFlux", "coilAreaM2", "airCoolerAreaM2"},
         "8.61 68.88 131 100"},
        {"U-shaped coil takes no pitch or pump factor", coil(2, 1, 0, 1, 6, 1, 0), k, "8.61 68.88"},
        {"single layer", coil(2, 2, 5, 1, 6, 1, 1), k, "7.86143 78.6143"},
        {"double layer", coil(2, 3, 2, 1, 2, 1, 2), k, "8.08845 97.0614"},
        {"single row of twenty tubes",
         coil(8, 1, 1, 0, 3, 0, 3),
         {"coilHeatTransfer", "coilHeatFlux", "coilTypeChoice"},
         "12.1864 97.4915 3"},
        {"single row, last block, close pitch", coil(8, 4, 9, 0, 11, 1, 3), k, "12.8458 192.687"},
        // Choosing the pump feed again does not apply the corrections twice.
        {"double layer, pump, smallest tube",
         coil(2, 0, 0, 1, 11, 0, 2) + "choose coilFeedChoice 1\n", k, "11.0188 66.1128"},
        // Tubes in height count only for the single-row coil; hiding keeps their choice.
        {"tubes in height hidden", kSingleRowThenLayer, {"coilHeatTransfer"}, "9.07"},
        {"tubes in height shown again",
         kSingleRowThenLayer + "choose coilTypeChoice 3\n",
         {"coilHeatTransfer"},
         "14.3"},
        // A typed coefficient takes no correction; the line keeps the load of the last choice.
        {"typed coefficient",
         "set storageTonnage 250\n" + coil(2, 2, 0, 1, 11, 1, 1) +
             "set totalCoolingLoadW 10000\ntype coilHeatTransfer 9\n",
         {"coilHeatFlux", "coilAreaM2", "compressorNote1"},
         "90 111 压缩机选用：蒸发T=-12℃,制冷量0.0KW--冷负荷0/250.0=0w/t"},
        {"line",
         kFrozenStore + coil(2, 1, 5, 0, 6, 0, 0),
         {"compressorNote1"},
         "压缩机选用：蒸发T=-28℃,制冷量21.4KW--冷负荷20000/250.0=80w/t"},
        {"line without tonnage",
         kFrozenStore + "set storageTonnage 0\n" + coil(2, 1, 5, 0, 6, 0, 0),
         {"compressorNote1"},
         "压缩机选用：蒸发T=-28℃,制冷量21.4KW--冷负荷20000/0.0=infw/t"},
    };
    for (const FormCase& c : cases) {
        expectShows(c);
    }
    EvaporatorFormState f;
    f.act(kSingleRowThenLayer);
    EXPECT_FALSE(f.dlg.isVisible(ctl::coilRowsChoice));
    f.act("choose coilTypeChoice 3");
    EXPECT_TRUE(f.dlg.isVisible(ctl::coilRowsChoice));
    EXPECT_EQ(f.dlg.currentText(ctl::coilTypeChoice), "单排光滑蛇形顶排管");
}

// A list the lookup needs without an item leaves coefficient and flux as
// they are, however often the rule runs and whatever factors are chosen;
// without a difference the compressor line and a typed coefficient's flux
// stay too.
TEST_F(CoilRule, MissingChoicesLeaveCoefficientFluxAndLineWithoutCompounding) {
    // Tubes in height, difference, room, feed, diameter, pitch, type.
    const int lists[] = {ctl::coilRowsChoice, ctl::coilTempDiffChoice, ctl::coilRoomTempChoice,
                         ctl::coilFeedChoice, ctl::coilDiameterChoice, ctl::coilPitchChoice,
                         ctl::coilTypeChoice};
    const int items[] = {2, 1, 0, 1, 11, 1, 3};
    for (std::size_t i = 0; i < 7; ++i) {
        dlg.chooseItem(lists[i], items[i]);
    }
    const std::string coefficient = shown("coilHeatTransfer");
    const std::string flux = shown("coilHeatFlux");
    const std::string line(dlg.staticText(ctl::compressorNote1));
    for (const std::size_t missing : {0U, 1U, 2U, 6U}) {
        dlg.userClearsList(lists[missing]);
        for (int run = 0; run < 3; ++run) {
            dlg.chooseItem(ctl::coilFeedChoice, 1);
            dlg.chooseItem(ctl::coilDiameterChoice, 11);
        }
        EXPECT_EQ(shown("coilHeatTransfer"), coefficient) << missing;
        EXPECT_EQ(shown("coilHeatFlux"), flux) << missing;
        EXPECT_EQ(dlg.staticText(ctl::compressorNote1), line) << missing;
        dlg.chooseItem(lists[missing], items[missing]);
    }
    dlg.userClearsList(ctl::coilTempDiffChoice);
    type("coilHeatTransfer", "5"); // without a difference
    EXPECT_EQ(shown("coilHeatFlux"), flux);
}

// Surfaces round halves up; a zero flux saturates, a zero load over it gives 0.
TEST(SurfaceAreas, RoundHalvesUpAndSaturateWithoutAFlux) {
    for (const auto& [totalW, flux, area] :
         {std::tuple{9135.0F, 70.0F, 131}, {10000.0F, 0.0F, INT32_MAX}, {0.0F, 0.0F, 0}}) {
        DesignSheet s;
        s.totalCoolingLoadW = totalW;
        s.coilHeatFlux = s.airCoolerHeatFlux = flux;
        UpdateSurfaceAreas(s);
        EXPECT_EQ(s.coilAreaM2, area) << totalW;
        EXPECT_EQ(s.airCoolerAreaM2, area) << totalW;
    }
}

} // namespace
} // namespace gelvant::evaporator_testing
