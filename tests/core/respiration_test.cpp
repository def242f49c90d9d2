#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "tables/respiration.h"
#include "tables/respiration_table.h"
#include "window/design_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace gelvant {
namespace {

std::size_t fieldIndex(std::string_view name) {
    return fieldIndexByName(name).value();
}

class RespirationRules : public testing::Test {
protected:
    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};
    DesignSheet& s = dlg.sheet();

    void setTemps(float intake, float final) {
        s.intakeTemp = intake;
        s.finalTemp = final;
        dlg.writeSheet();
    }
    void choose(std::string_view item) {
        const auto items = respirationProduceItems();
        const auto it = std::find(items.begin(), items.end(), item);
        ASSERT_NE(it, items.end()) << item;
        dlg.userChooses(ctl::respirationProduceChoice, static_cast<int>(it - items.begin()));
    }
    void edit(std::string_view field, std::string text) {
        dlg.userEdits(fieldIndex(field), std::move(text));
    }
    std::string_view text(std::string_view field) const { return dlg.editText(fieldIndex(field)); }
    std::string_view airChangeItem() const { return dlg.currentText(ctl::produceAirChangeChoice); }
};

TEST(RespirationTable, ListsTheRowsThenStrongestAndNone) {
    const auto items = respirationProduceItems();
    ASSERT_EQ(items.size(), 41U);
    EXPECT_EQ(items[0], "杏子");
    EXPECT_EQ(items[38], "菠菜");
    EXPECT_EQ(items[39], "选表中最强");
    EXPECT_EQ(items[40], "无");
    EXPECT_EQ(std::set<std::string_view>(items.begin(), items.end()).size(), 41U);
    EXPECT_EQ(kRespirationTable[20].item, "菜花");
    EXPECT_EQ(kRespirationTable[20].heatWPerT[0], 63.0F);
    EXPECT_EQ(kRespirationTable[20].heatWPerT[1], 17.0F);
    EXPECT_EQ(kRespirationTable[33].heatWPerT[6], 872.0F); // 豌豆 at 25 °C

    const auto airChanges = produceAirChangeItems();
    ASSERT_EQ(airChanges.size(), 3U);
    EXPECT_EQ(airChanges[0], "0");
    EXPECT_EQ(airChanges[2], "3");
}

struct HeatCase {
    const char* name;
    const char* item;
    float intakeTemp;
    float finalTemp;
    float intakeHeat;
    float finalHeat;
    const char* intensity; // as the form shows it
};

class RespirationHeats : public RespirationRules, public testing::WithParamInterface<HeatCase> {};

TEST_P(RespirationHeats, InterpolatesBothHeatsAndCutsTheIntensity) {
    const HeatCase& c = GetParam();
    setTemps(c.intakeTemp, c.finalTemp);
    choose(c.item);
    EXPECT_EQ(s.intakeRespirationHeat, c.intakeHeat);
    EXPECT_EQ(s.finalRespirationHeat, c.finalHeat);
    EXPECT_EQ(text("respirationPer10C"), c.intensity);
    EXPECT_EQ(airChangeItem(), "2");
    EXPECT_EQ(s.produceAirChangesPerDay, 2.0F);
}

INSTANTIATE_TEST_SUITE_P(
    Produce, RespirationHeats,
    testing::Values(
        // 25 °C not given: 2 · 199 - 155.
        HeatCase{"ApricotFilledAt25", "杏子", 25, 0, 243, 17, "5.71"},
        // 0 and 2 °C not given: both take the 5 °C heat.
        HeatCase{"GreenBananaFilledAt0And2", "香蕉（青）", 10, 1, 98, 52, "2.09"},
        HeatCase{"BelowZeroTakesTheZeroHeat", "香蕉（青）", 12, -1, 111, 52, "1.64"},
        // Beyond 25 °C the 20-to-25 slope carries on from 2 · 897 - 523.
        HeatCase{"StrongestBeyondTheLastPoint", "选表中最强", 30, 5, 1645, 199, "3.3"},
        HeatCase{"Spinach", "菠菜", 15, 2, 523, 129, "3.11"},
        // Falling from 63 to 17 between 0 and 2 °C, as measured; 40 at 1 °C.
        HeatCase{"CauliflowerAsMeasured", "菜花", 3.5F, 1, 53, 40, "5.3"},
        // Half-way heats round up: 45.5 at 12.5 °C and 11.5 at 1 °C.
        HeatCase{"OrangeHalfWayRoundsUp", "橙", 12.5F, 1, 46, 12, "3.33"}),
    [](const testing::TestParamInfo<HeatCase>& info) { return info.param.name; });

TEST_F(RespirationRules, NoneClearsTheHeatsAndTheAirChanges) {
    setTemps(30, 5);
    choose("菠菜");
    choose("无");
    EXPECT_EQ(s.intakeRespirationHeat, 0.0F);
    EXPECT_EQ(s.finalRespirationHeat, 0.0F);
    EXPECT_EQ(s.respirationPer10C, 0.0F);
    EXPECT_EQ(airChangeItem(), "0");
    EXPECT_EQ(s.produceAirChangesPerDay, 0.0F);
}

TEST_F(RespirationRules, EqualTemperaturesGiveAnInfiniteIntensityNotAFailure) {
    setTemps(5, 5);
    choose("菠菜");
    EXPECT_EQ(s.intakeRespirationHeat, 199.0F);
    EXPECT_EQ(text("respirationPer10C"), "inf");
    // The text reads back: the next rule runs from it without a prompt.
    edit("intakeTemp", "15");
    EXPECT_EQ(text("respirationPer10C"), "2.62");
    EXPECT_TRUE(presenter.messages.empty());
}

// Typing over the produce list leaves no item: its empty text finds no row
// and counts as a produce that does not respire, yet keeps 2 air changes.
TEST_F(RespirationRules, NoChosenProduceCountsAsARowOfZeros) {
    setTemps(15, 2);
    choose("菠菜");
    dlg.userChooses(ctl::produceAirChangeChoice, 2);
    dlg.userClearsList(ctl::respirationProduceChoice, "菠");
    edit("intakeTemp", "20");
    EXPECT_EQ(s.intakeRespirationHeat, 0.0F);
    EXPECT_EQ(s.finalRespirationHeat, 0.0F);
    EXPECT_EQ(text("respirationPer10C"), "nan"); // 0 over a final heat of 0
    EXPECT_EQ(airChangeItem(), "2");
    EXPECT_EQ(s.produceAirChangesPerDay, 2.0F);
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(RespirationRules, AirChangeItemsSetTheirCount) {
    for (const int index : {2, 0, 1}) {
        dlg.userChooses(ctl::produceAirChangeChoice, index);
        EXPECT_EQ(s.produceAirChangesPerDay, index == 0 ? 0.0F : index + 1.0F);
    }
    // With no item chosen the count stays.
    dlg.userClearsList(ctl::produceAirChangeChoice, "5");
    OnAirChangeCountChange(dlg);
    EXPECT_EQ(s.produceAirChangesPerDay, 2.0F);
}

} // namespace
} // namespace gelvant
