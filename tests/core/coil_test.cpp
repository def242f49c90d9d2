#include "calc/surface_areas.h"
#include "evaporator_form.h"
#include "form/controls.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

namespace gelvant::evaporator_testing {
namespace {

using CoilRule = EvaporatorForm;

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
