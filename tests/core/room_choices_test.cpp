#include "evaporator/room_choices.h"
#include "evaporator_form.h"
#include "sheet/controls.h"

#include <gtest/gtest.h>

namespace gelvant::evaporator_testing {
namespace {

struct ChoiceCase {
    const char* name;
    int list;
    int item; // -1: the user typed over the list's edit part
    const char* field;
    const char* value;
};

class RoomChoice : public EvaporatorForm, public testing::WithParamInterface<ChoiceCase> {};

// A choice overwrites whatever the designer typed into the box, also when
// the item chosen is already the current one.
TEST_P(RoomChoice, OverwritesTheTypedFigure) {
    const ChoiceCase& c = GetParam();
    set({{c.field, "7.5"}});
    if (c.item < 0) {
        dlg.chooseItem(c.list, 0);
        set({{c.field, "7.5"}});
        dlg.userClearsList(c.list);
        dlg.raise(c.list, EventKind::ListChange);
    } else {
        dlg.chooseItem(c.list, c.item);
        set({{c.field, "7.5"}});
        dlg.chooseItem(c.list, c.item);
    }
    EXPECT_EQ(shown(c.field), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, RoomChoice,
    testing::Values(
        ChoiceCase{"WorkRoomLighting", ctl::roomKindChoice, 0, "lightingPerArea", "5"},
        ChoiceCase{"FreezingRoomLighting", ctl::roomKindChoice, 1, "lightingPerArea", "2.3"},
        ChoiceCase{"StorageRoomLighting", ctl::roomKindChoice, 2, "lightingPerArea", "2.3"},
        ChoiceCase{"NoRoomKindLighting", ctl::roomKindChoice, -1, "lightingPerArea", "2.3"},
        ChoiceCase{"LongStayFreshAir", ctl::freshAirChoice, 0, "freshAirPerPerson", "30"},
        ChoiceCase{"NoFreshAirNeeded", ctl::freshAirChoice, 1, "freshAirPerPerson", "0"},
        ChoiceCase{"NoFreshAirChoice", ctl::freshAirChoice, -1, "freshAirPerPerson", "0"}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return info.param.name; });

// The chilled vegetable store: 6 x 7 x 4.2 m, 100 mm polyurethane, 20 t.
class ColdRoom : public EvaporatorForm {
protected:
    void SetUp() override {
        set({{"storeLength", "6"},
             {"storeWidth", "7"},
             {"storeHeight", "4.2"},
             {"insulationThicknessMm", "100"},
             {"insulationConductivity", "0.024"},
             {"insulationDensity", "40"},
             {"insulationSpecificHeat", "1.38"},
             {"steelSpecificHeat", "0.46"},
             {"ambientTemp", "30"},
             {"ambientHumidity", "83"},
             {"roomTemp", "0"},
             {"roomHumidity", "90"},
             {"intakeEnthalpy", "300"},
             {"finalEnthalpy", "250"},
             {"dailyIntakeTons", "2"},
             {"storageTonnage", "20"},
             {"coolingHours", "20"},
             {"intakeRespirationHeat", "897"},
             {"finalRespirationHeat", "128"},
             {"intakeTemp", "20"},
             {"packagingSpecificHeat", "0.84"},
             {"packagingRatio", "0.3"},
             {"produceAirChangesPerDay", "2"},
             {"doorAirChangesPerDay", "4"},
             {"lightingPerArea", "5"},
             {"workerCount", "2"},
             {"freshAirPerPerson", "30"},
             {"workHoursPerDay", "3"},
             {"heatPerPerson", "280"},
             {"airCoolerPowerKw", "1.5"},
             {"airCoolerCount", "2"},
             {"heaterPowerKw", "2"},
             {"heaterCount", "2"},
             {"defrostHours", "2"}});
        // The evaporator lists as start-up leaves them.
        dlg.chooseItem(ctl::coilRowsChoice, 2);
        dlg.chooseItem(ctl::coilTempDiffChoice, 1);
        dlg.chooseItem(ctl::coilRoomTempChoice, 0);
        dlg.chooseItem(ctl::coilFeedChoice, 0);
        dlg.chooseItem(ctl::coilDiameterChoice, 6);
        dlg.chooseItem(ctl::coilPitchChoice, 0);
        dlg.chooseItem(ctl::coilTypeChoice, 0);
        dlg.chooseItem(ctl::airCoolerTubeChoice, 0);
        dlg.chooseItem(ctl::airCoolerTempDiffChoice, 1);
    }
};

TEST_F(ColdRoom, FloorChoiceRecomputesTheWholeLoad) {
    struct Floor {
        int item;
        const char* wallLeak;
    };
    for (const Floor floor : {Floor{0, "1147"}, Floor{1, "1268"}, Floor{2, "1298"}}) {
        dlg.userChooses(ctl::floorChoice, floor.item);
        EXPECT_EQ(shown("wallLeakHeatW"), floor.wallLeak) << floor.item;
    }
    EXPECT_EQ(shown("totalCoolingLoadW"), "11194");
    // The calculation ends by rerunning the evaporator rules on its load.
    EXPECT_EQ(shown("coilAreaM2"), "113");
    EXPECT_EQ(shown("airCoolerAreaM2"), "101");
    EXPECT_EQ(dlg.staticText(ctl::compressorNote1),
              "压缩机选用：蒸发T=-10℃,制冷量8.3KW--冷负荷7794/20.0=390w/t");
    EXPECT_EQ(dlg.staticText(ctl::compressorNote2),
              "压缩机选用：蒸发T=-10℃,制冷量12.0KW--冷风机功率已加入请核对");
}

TEST_F(ColdRoom, RoomKindAndFreshAirWaitForTheNextCalculation) {
    dlg.userChooses(ctl::floorChoice, 2);
    const std::string total = shown("totalCoolingLoadW");
    dlg.userChooses(ctl::roomKindChoice, 2);
    dlg.userChooses(ctl::freshAirChoice, 1);
    EXPECT_EQ(shown("totalCoolingLoadW"), total);
    EXPECT_EQ(shown("lightingHeatW"), "210");
    dlg.userClicks(ctl::computeButton);
    EXPECT_EQ(shown("lightingHeatW"), "96.6"); // 7 x 2.3 x 6
    EXPECT_NE(shown("totalCoolingLoadW"), total);
}

TEST_F(ColdRoom, CalculationReplacesTypedCoefficientsForTheRoomTemperature) {
    type("coilHeatTransfer", "9");
    type("airCoolerHeatTransfer", "15");
    set({{"roomTemp", "-18"}, {"finalTemp", "-18"}});
    dlg.userClicks(ctl::computeButton);
    EXPECT_EQ(dlg.currentIndex(ctl::coilRoomTempChoice), 5);
    EXPECT_EQ(shown("coilHeatTransfer"), "6.75");
    EXPECT_EQ(shown("coilHeatFlux"), "54");
    EXPECT_EQ(dlg.currentIndex(ctl::airCoolerEvapChoice), 1);
    EXPECT_EQ(shown("airCoolerHeatTransfer"), "12.2");
    EXPECT_EQ(shown("airCoolerHeatFlux"), "97.6");
}

} // namespace
} // namespace gelvant::evaporator_testing
