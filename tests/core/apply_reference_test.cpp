#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form/portable.h"
#include "form/text_exchange.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"
#include "reference/reference_group_choices.h"
#include "reference/reference_notes.h"
#include "reference/reference_presets.h"
#include "reference/reference_rooms.h"
#include "script/form_json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace gelvant {
namespace {

constexpr std::string_view kDoorNotice =
    "库门为冷却冻结间状态次数锁定0，即封闭式换气次数和人工恒为0，如为冷藏类有货物进出或考虑库体有跑"
    "冷现象请改为有空气幕或其它状态！";

std::size_t field(std::string_view name) {
    return *fieldIndexByName(name);
}

// Records each message with the total load on screen when it came up.
struct WitnessPresenter final : MessagePresenter {
    void showMessage(const Message& message) override {
        messages.push_back(message);
        totalAtMessage.emplace_back(dlg->editText(field("totalCoolingLoadW")));
    }
    const CDesignDlg* dlg = nullptr;
    std::vector<Message> messages;
    std::vector<std::string> totalAtMessage;
};

// The form as the program opens it, before anything the test raises.
struct OpenedForm {
    OpenedForm() {
        presenter.dlg = &dlg;
        OnInitDialog(dlg);
        presenter.messages.clear();
    }
    std::string box(std::string_view name) const { return std::string(dlg.editText(field(name))); }
    void apply(int row) {
        dlg.userChooses(ctl::referenceList, row);
        dlg.userClicks(ctl::applyReferenceButton);
    }
    long raised(std::string_view text) const {
        return countBy(presenter.messages, text, &Message::text);
    }
    WitnessPresenter presenter;
    CDesignDlg dlg{designFormListsAndEvents(), presenter};
};

// From the opened form with another site picked and the user's own door,
// defrost, lighting and humidity inputs.
TEST(ApplyReference, EveryPresetWritesItsRoomChoosesItsItemsAndKeepsTheRest) {
    for (const ReferencePreset& p : kReferencePresets) {
        SCOPED_TRACE(p.row);
        OpenedForm f;
        f.dlg.userChooses(ctl::siteChoice, 0); // 北京
        // clang-format off
        std::map<std::string_view, std::string> expected{
            {"roomHumidity", "77"}, {"doorWidth", "1000"}, {"doorHeight", "2000"},
            {"heaterPowerKw", "3"}, {"defrostHours", "0.5"}, {"heaterCount", "2"},
            {"steelMassKg", "40"}, {"workHoursPerDay", "5"}, {"lightingHours", "3"}};
        // clang-format on
        for (const auto& [name, text] : expected) {
            f.dlg.setEditText(field(name), text);
        }
        const std::string start = f.box("totalCoolingLoadW");
        f.apply(p.row);

        const PresetGroupChoices& g = choicesForGroup(p.group);
        const bool produce = p.group == PresetGroup::Produce; // two air changes
        // clang-format off
        expected.insert({
            {"storeLength", formatFloatText(p.storeLengthM)},
            {"storeWidth", formatFloatText(p.storeWidthM)}, {"storeHeight", "4.2"},
            {"insulationThicknessMm", formatIntText(p.insulationThicknessMm)},
            {"roomTemp", formatFloatText(p.roomTempC)}, {"finalTemp", formatFloatText(p.finalTempC)},
            {"intakeTemp", formatFloatText(p.intakeTempC)},
            {"coolingHours", formatFloatText(p.coolingHours)},
            {"dailyIntakePercent", formatFloatText(p.dailyIntakePercent)},
            {"airCoolerPowerKw", formatFloatText(p.airCoolerPowerKw)},
            {"airCoolerCount", formatFloatText(p.airCoolerCount)},
            {"produceAirChangesPerDay", produce ? "2" : "0"},
            {"ambientTemp", "30"}, {"ambientHumidity", "83"}, {"summerPressurePa", "100530"}});
        const std::pair<int, int> indexes[] = {
            {ctl::siteChoice, 1}, {ctl::insulationChoice, 0}, {ctl::floorChoice, 2},
            {ctl::freshAirChoice, 0}, {ctl::roomKindChoice, g.roomKindItem},
            {ctl::packagingRatioChoice, g.packagingRatioItem},
            {ctl::packagingMaterialChoice, g.packagingMaterialItem},
            {ctl::doorChoice, g.finalDoorItem}, {ctl::goodsKindChoice, g.goodsKindItem},
            {ctl::productChoice, g.productItem},
            {ctl::respirationProduceChoice, g.respirationProduceItem},
            {ctl::produceAirChangeChoice, produce ? 1 : 0}, {ctl::referenceList, p.row}};
        // clang-format on
        for (const auto& [name, text] : expected) {
            EXPECT_EQ(f.box(name), text) << name;
        }
        for (const auto& [list, index] : indexes) {
            EXPECT_EQ(f.dlg.currentIndex(list), index) << list;
        }
        EXPECT_EQ(f.dlg.staticText(ctl::referenceNote), referenceNoteForRow(p.row));
        EXPECT_TRUE(f.dlg.isVisible(ctl::applyReferenceButton));
        // Processing rooms lock the door; the ice store of row 20 keeps its
        // curtain but nobody goes in.
        const bool shut = p.group == PresetGroup::Processing || p.row == 20;
        EXPECT_EQ(f.box("doorAirChangesPerDay") == "0", shut);
        EXPECT_EQ(f.box("workerCount") == "0", shut);
        EXPECT_EQ(f.raised(kDoorNotice), p.group == PresetGroup::Processing ? 1 : 0);
        const bool warns = p.row >= 14 && p.row <= 16;
        ASSERT_EQ(f.raised(kMultiStoreyWarning), warns ? 1 : 0);
        if (warns) { // last, with the results already on screen
            EXPECT_EQ(f.presenter.messages.back(),
                      (Message{"注意", std::string(kMultiStoreyWarning)}));
            EXPECT_EQ(f.presenter.totalAtMessage.back(), f.box("totalCoolingLoadW"));
            EXPECT_NE(f.box("totalCoolingLoadW"), start);
        }
    }
}

// Rows without a room (9, 17, 21) and no row at all (the list typed over)
// change nothing and compute nothing when applied.
TEST(ApplyReference, RowsWithoutARoomChangeNothing) {
    for (const int row : {9, 17, 21, -1}) {
        OpenedForm f;
        f.dlg.userEdits(field("roomHumidity"), "75");
        row < 0 ? f.dlg.userClearsList(ctl::referenceList)
                : f.dlg.userChooses(ctl::referenceList, row);
        const std::string before = dumpFormJson(f.dlg, {});
        f.dlg.userClicks(ctl::applyReferenceButton);
        EXPECT_EQ(dumpFormJson(f.dlg, {}), before) << row;
        EXPECT_TRUE(f.presenter.messages.empty()) << row;
    }
}

// The saturation pressures at the table's points are the table's figures to
// the last pascal, and these figures turn on it: 90 % of 101325 Pa at 100 °C
// leaves a tenth of the atmosphere as dry air (622 × 9 g/kg, not a hair
// less); the single-storey frozen store of row 13 at 77 % has an empty-store
// heat two thousandths of a kilocalorie above a half.
TEST(ApplyReference, FiguresOnTheEdgeOfTheirRounding) {
    OpenedForm boiling;
    boiling.dlg.userEdits(field("roomTemp"), "100");
    boiling.dlg.userClicks(ctl::computeButton);
    EXPECT_EQ(boiling.box("roomMoistureGPerKg"), "5598");
    OpenedForm row13;
    row13.dlg.userEdits(field("roomHumidity"), "77");
    row13.apply(13);
    EXPECT_EQ(row13.dlg.staticText(ctl::emptyStoreNote),
              "空库热=959743Kcal，空库降温需959743/56342=17.0小时");
}

TEST(ApplyReference, MultiStoreyRows13And14GiveTheSameResultsOnly14Warns) {
    OpenedForm form13;
    OpenedForm form14;
    form13.apply(13);
    form14.apply(14);
    form13.dlg.chooseItem(ctl::referenceList, 14); // runs nothing: only the selection differed
    EXPECT_EQ(dumpFormJson(form13.dlg, {}), dumpFormJson(form14.dlg, {}));
    std::vector<Message> expected = form13.presenter.messages;
    expected.push_back({"注意", std::string(kMultiStoreyWarning)});
    EXPECT_EQ(form14.presenter.messages, expected);
}

} // namespace
} // namespace gelvant
