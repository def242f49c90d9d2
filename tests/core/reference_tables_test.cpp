#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "sheet/field_dictionary.h"
#include "window/design_form.h"

#include <gtest/gtest.h>

#include <string>

namespace gelvant {
namespace {

class ReferenceTables : public testing::Test {
protected:
    static std::size_t field(std::string_view name) { return *fieldIndexByName(name); }
    std::string shown(std::string_view name) const {
        return std::string(dlg.editText(field(name)));
    }

    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};
};

TEST_F(ReferenceTables, InsulationMaterialSetsPropertiesAndTheUValueOnly) {
    dlg.sheet().insulationThicknessMm = 100;
    dlg.sheet().storeLength = 6; // the material leaves the geometry alone
    dlg.writeSheet();
    dlg.userChooses(ctl::insulationChoice, 0); // "聚氨酯泡沫"
    EXPECT_EQ(shown("insulationConductivity"), "0.03");
    EXPECT_EQ(shown("insulationDensity"), "40");
    EXPECT_EQ(shown("insulationSpecificHeat"), "1.26");
    EXPECT_EQ(shown("wallHeatTransfer"), "0.3");
    EXPECT_EQ(shown("innerVolume"), "0");
}

// With the list typed over nothing is copied, but the U-value still follows
// the conductivity and thickness in the sheet.
TEST_F(ReferenceTables, InsulationWithoutItemStillRecomputesTheUValue) {
    dlg.userChooses(ctl::insulationChoice, 1);
    dlg.userClearsList(ctl::insulationChoice, "岩棉");
    dlg.setEditText(field("insulationConductivity"), "0.04");
    dlg.setEditText(field("insulationThicknessMm"), "200");
    dlg.chooseItem(ctl::insulationChoice, -1);
    EXPECT_EQ(shown("insulationConductivity"), "0.04");
    EXPECT_EQ(shown("insulationDensity"), "19");
    EXPECT_EQ(shown("wallHeatTransfer"), "0.2");
}

TEST_F(ReferenceTables, GoodsKindSetsTheDensityByPositionAndTheTonnageFollows) {
    const struct {
        int index;
        float density;
    } cases[] = {{0, 400},  {3, 600},  {5, 600},  {24, 600}, {2, 250},
                 {18, 250}, {20, 250}, {23, 250}, {9, 700},  {21, 750}};
    for (const auto& c : cases) {
        dlg.userChooses(ctl::goodsKindChoice, c.index);
        EXPECT_EQ(dlg.sheet().goodsDensity, c.density) << c.index;
    }

    DesignSheet& s = dlg.sheet();
    s.storeLength = 6;
    s.storeWidth = 7;
    s.storeHeight = 4.2F;
    s.insulationThicknessMm = 100;
    s.dailyIntakePercent = 10;
    dlg.writeSheet();
    dlg.userChooses(ctl::goodsKindChoice, 0);
    EXPECT_EQ(shown("innerVolume"), "158");
    EXPECT_EQ(shown("volumeCoefficient"), "0.4");
    EXPECT_EQ(shown("storageTonnage"), "25.2"); // 158 × 0.4 × 400 = 25.28 t
    EXPECT_EQ(shown("dailyIntakeTons"), "2.5");
}

// No item: the density stays and only the geometry rule runs.
TEST_F(ReferenceTables, GoodsKindWithoutItemRunsOnlyTheGeometry) {
    dlg.userChooses(ctl::goodsKindChoice, 17);
    dlg.setEditText(field("storeLength"), "10");
    dlg.setEditText(field("storeWidth"), "10");
    dlg.setEditText(field("storeHeight"), "10");
    dlg.chooseItem(ctl::goodsKindChoice, -1);
    EXPECT_EQ(shown("goodsDensity"), "300");
    EXPECT_EQ(shown("innerVolume"), "1000");
    EXPECT_EQ(shown("storageTonnage"), "119.9"); // 0.4 × 1000 × 300 with the float hundredth
}

TEST_F(ReferenceTables, SiteSetsItsFourClimateValuesAndNoResult) {
    const struct {
        int index;
        const char* temp;
        const char* humidity;
        const char* summerTemp;
        const char* pressure;
    } cases[] = {{0, "29", "78", "33.2", "99860"},   // 北京
                 {26, "29", "78", "33.2", "99860"},  // 天津
                 {69, "18", "54", "22.8", "65229"},  // 拉萨
                 {47, "33", "78", "36.2", "100170"}, // 湖北黄石
                 {14, "30", "34", "35.8", "92110"}}; // 新疆克拉玛依
    dlg.setEditText(field("ambientMoistureGPerKg"), "19.5");
    for (const auto& c : cases) {
        dlg.userChooses(ctl::siteChoice, c.index);
        EXPECT_EQ(shown("ambientTemp"), c.temp) << c.index;
        EXPECT_EQ(shown("ambientHumidity"), c.humidity) << c.index;
        EXPECT_EQ(shown("summerAirConditioningTemp"), c.summerTemp) << c.index;
        EXPECT_EQ(shown("summerPressurePa"), c.pressure) << c.index;
    }
    EXPECT_EQ(shown("ambientMoistureGPerKg"), "19.5");
}

TEST_F(ReferenceTables, SiteWithoutItemChangesNothing) {
    dlg.userChooses(ctl::siteChoice, 1);
    dlg.setEditText(field("ambientTemp"), "35");
    dlg.chooseItem(ctl::siteChoice, -1);
    EXPECT_EQ(shown("ambientTemp"), "35");
    EXPECT_EQ(shown("summerPressurePa"), "100530");
}

TEST_F(ReferenceTables, PackagingMaterialAndRatio) {
    const struct {
        int listCtl;
        int index;
        const char* fieldName;
        const char* value;
    } cases[] = {
        {ctl::packagingMaterialChoice, 0, "packagingSpecificHeat", "2.51"},
        {ctl::packagingMaterialChoice, 6, "packagingSpecificHeat", "1.51"},
        {ctl::packagingMaterialChoice, 8, "packagingSpecificHeat", "1.51"},
        {ctl::packagingMaterialChoice, 1, "packagingSpecificHeat", "0.39"},
        {ctl::packagingRatioChoice, 4, "packagingRatio", "0.6"},
        {ctl::packagingRatioChoice, 7, "packagingRatio", "0.35"},
        {ctl::packagingRatioChoice, 8, "packagingRatio", "0"},
    };
    for (const auto& c : cases) {
        dlg.userChooses(c.listCtl, c.index);
        EXPECT_EQ(shown(c.fieldName), c.value) << c.listCtl << ' ' << c.index;
    }
    dlg.setEditText(field("packagingRatio"), "0.45");
    dlg.chooseItem(ctl::packagingRatioChoice, -1);
    EXPECT_EQ(shown("packagingRatio"), "0.45");
}

} // namespace
} // namespace gelvant
