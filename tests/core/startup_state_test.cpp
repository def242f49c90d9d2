// The opened form and applied rooms as the table and dependent-field
// handlers leave them: goods density, volume coefficient, tonnage, workers,
// door air changes, heat per person, climate, and the items of the goods,
// product, produce and site lists.

#include "reference/reference_presets.h"
#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "sheet/field_dictionary.h"
#include "window/design_form.h"
#include "window/startup.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace gelvant {
namespace {

class OpenedFormState : public testing::Test {
protected:
    void SetUp() override { OnInitDialog(dlg); }
    std::string_view box(std::string_view name) const {
        return dlg.editText(*fieldIndexByName(name));
    }
    void apply(int row) {
        dlg.userChooses(ctl::referenceList, row);
        dlg.userClicks(ctl::applyReferenceButton);
    }

    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};
};

TEST_F(OpenedFormState, TheFruitStoreIsSizedByTheGoodsAndGeometryRules) {
    // 49.8 x 6.8 x 4 m inside; boxed fresh fruit at 300 kg/m3 fills half of
    // it; one worker per 250 m3; 1.8 door air changes halved by the curtain.
    const std::map<std::string_view, std::string_view> expected{
        {"innerVolume", "1355"},         {"volumeCoefficient", "0.5"}, {"goodsDensity", "300"},
        {"storageTonnage", "203.2"},     {"dailyIntakeTons", "16.2"},  {"workerCount", "5"},
        {"doorAirChangesPerDay", "0.9"}, {"floorArea", "350"},         {"heatPerPerson", "280"},
        {"produceAirChangesPerDay", "2"}};
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(box(name), text) << name;
    }
}

TEST_F(OpenedFormState, TheGoodsProductProduceAndSiteListsShowTheirItems) {
    EXPECT_EQ(dlg.currentText(ctl::siteChoice), "上海");
    EXPECT_EQ(dlg.currentText(ctl::goodsKindChoice), "箱装新鲜水果");
    EXPECT_EQ(dlg.currentText(ctl::productChoice), "西红柿");
    EXPECT_EQ(dlg.currentText(ctl::respirationProduceChoice), "西红柿");
    EXPECT_EQ(dlg.currentText(ctl::produceAirChangeChoice), "2");
}

TEST_F(OpenedFormState, EachKindOfRoomTakesItsGoodsProductAndProduce) {
    struct Expected {
        int row;
        std::string_view goods, product, produce, airChanges;
    };
    for (const Expected& e : {Expected{0, "冻猪白条肉", "鲜家禽（肉类）", "无", "0"},
                              Expected{12, "冻猪白条肉", "鲜家禽（肉类）", "无", "0"},
                              Expected{18, "机制冰", "冰块", "无", "0"},
                              Expected{26, "箱装新鲜水果", "西红柿", "西红柿", "2"},
                              Expected{28, "篓装鲜鸡蛋", "鲜蛋", "无", "0"}}) {
        apply(e.row);
        EXPECT_EQ(dlg.currentText(ctl::goodsKindChoice), e.goods) << e.row;
        EXPECT_EQ(dlg.currentText(ctl::productChoice), e.product) << e.row;
        EXPECT_EQ(dlg.currentText(ctl::respirationProduceChoice), e.produce) << e.row;
        EXPECT_EQ(dlg.currentText(ctl::produceAirChangeChoice), e.airChanges) << e.row;
        EXPECT_EQ(box("produceAirChangesPerDay"), e.airChanges) << e.row;
    }
}

TEST_F(OpenedFormState, ProcessingRoomsLockTheDoorToNoAirChangesAndNoWorkers) {
    for (const ReferencePreset& p : kReferencePresets) {
        if (p.group != PresetGroup::Processing) {
            continue;
        }
        apply(p.row);
        EXPECT_EQ(box("doorAirChangesPerDay"), "0") << p.row;
        EXPECT_EQ(box("workerCount"), "0") << p.row;
    }
}

TEST_F(OpenedFormState, ApplyingBringsShanghaisClimateBack) {
    dlg.userChooses(ctl::siteChoice, 0); // 北京
    ASSERT_EQ(box("ambientTemp"), "29");
    apply(23);
    EXPECT_EQ(dlg.currentText(ctl::siteChoice), "上海");
    EXPECT_EQ(box("ambientTemp"), "30");
    EXPECT_EQ(box("ambientHumidity"), "83");
    EXPECT_EQ(box("summerAirConditioningTemp"), "34");
    EXPECT_EQ(box("summerPressurePa"), "100530");
}

} // namespace
} // namespace gelvant
