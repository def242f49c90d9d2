#include "recording_form.h"
#include "reference/reference_presets.h"
#include "reference/reference_rooms.h"
#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "sheet/field_dictionary.h"
#include "sheet/text_exchange.h"
#include "window/design_form.h"
#include "window/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace gelvant {
namespace {

using testing_form::Choice;
using testing_form::choiceLog;
using testing_form::choicesMade;
using testing_form::recordingLayout;

constexpr std::string_view kDoorNotice =
    "库门为冷却冻结间状态次数锁定0，即封闭式换气次数和人工恒为0，如为冷藏类有货物进出或考虑库体有跑"
    "冷现象请改为有空气幕或其它状态！";

std::size_t field(std::string_view name) {
    return *fieldIndexByName(name);
}

const ReferencePreset& presetOf(int row) {
    return *std::find_if(kReferencePresets.begin(), kReferencePresets.end(),
                         [row](const ReferencePreset& p) { return p.row == row; });
}

// --- Which lists a preset chooses, in which order ------------------------------

struct OrderCase {
    const char* name;
    int row;
    std::vector<Choice> choices;
    friend void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }
};

class ApplyOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(ApplyOrder, ChoosesTheRoomsListsInTurnOnTheWrittenSheet) {
    const OrderCase& c = GetParam();
    RecordingPresenter presenter;
    CDesignDlg dlg(recordingLayout(), presenter);
    dlg.sheet().airCoolerCount = 9;
    dlg.writeSheet();
    dlg.userChooses(ctl::referenceList, c.row);
    choiceLog().clear();

    dlg.userClicks(ctl::applyReferenceButton);

    const std::vector<Choice> made = choicesMade();
    ASSERT_GT(made.size(), c.choices.size());
    EXPECT_EQ(std::vector<Choice>(made.begin(), made.begin() + std::ssize(c.choices)), c.choices);
    const ReferencePreset& preset = presetOf(c.row);
    for (std::size_t i = 0; i < made.size(); ++i) {
        const auto& seen = choiceLog()[i];
        // The room is written before the first choice; the fans only after
        // the last, just before the final calculation.
        EXPECT_EQ(seen.storeLength, preset.storeLengthM) << i;
        if (i < c.choices.size()) {
            EXPECT_EQ(seen.airCoolerCount, 9.0F) << i;
        } else {
            // The final calculation moves only the evaporator lists.
            EXPECT_TRUE(made[i].listCtl == ctl::airCoolerEvapChoice ||
                        made[i].listCtl == ctl::coilRoomTempChoice)
                << made[i].listCtl;
            EXPECT_EQ(seen.airCoolerCount, preset.airCoolerCount) << i;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Groups, ApplyOrder,
    testing::Values(
        // Processing rooms: floor and room kind before the packaging, and the
        // door locked at the end.
        OrderCase{"ChillingRoom", 0,
                  {{1097, 1}, {1014, 0}, {1057, 0}, {1108, 0}, {1107, 40}, {1133, 2}, {1119, 1},
                   {1101, 4}, {1102, 3}, {1134, 0}, {1058, 2}, {1108, 3}}},
        OrderCase{"ChilledStore", 10,
                  {{1097, 1}, {1014, 0}, {1057, 0}, {1108, 0}, {1107, 40}, {1101, 0}, {1102, 2},
                   {1133, 2}, {1119, 2}, {1134, 0}, {1058, 2}}},
        OrderCase{"IceMaking", 18,
                  {{1097, 1}, {1014, 0}, {1057, 21}, {1108, 0}, {1107, 40}, {1101, 4}, {1102, 2},
                   {1133, 2}, {1119, 2}, {1134, 0}, {1058, 82}}},
        OrderCase{"FruitStore", 26,
                  {{1097, 1}, {1014, 0}, {1057, 17}, {1108, 0}, {1107, 27}, {1101, 6}, {1102, 5},
                   {1133, 2}, {1119, 2}, {1134, 0}, {1058, 74}}},
        OrderCase{"EggStore", 29,
                  {{1097, 1}, {1014, 0}, {1057, 22}, {1108, 0}, {1107, 40}, {1101, 5}, {1102, 5},
                   {1133, 2}, {1119, 2}, {1134, 0}, {1058, 46}}}),
    [](const testing::TestParamInfo<OrderCase>& info) { return info.param.name; });
// clang-format on

TEST(ApplyChoices, ChoosesShanghaiAgainAfterTheUserPickedAnotherSite) {
    RecordingPresenter presenter;
    CDesignDlg dlg(recordingLayout(), presenter);
    dlg.userChooses(ctl::siteChoice, 5);
    dlg.userChooses(ctl::referenceList, 27);
    dlg.userClicks(ctl::applyReferenceButton);
    EXPECT_EQ(dlg.currentIndex(ctl::siteChoice), 1);
}

// --- Applying on the opened form ------------------------------------------------

struct FormState {
    std::vector<std::string> boxes;
    std::vector<int> lists;
    std::vector<std::string> texts;
    bool buttonShown;
    friend bool operator==(const FormState&, const FormState&) = default;
};

class OpenedForm : public testing::Test {
protected:
    void SetUp() override {
        OnInitDialog(dlg);
        presenter.messages.clear();
    }

    void apply(int row) {
        dlg.userChooses(ctl::referenceList, row);
        OnApplyReference(dlg); // also for the rows whose button is hidden
    }

    FormState state() const {
        FormState s;
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            s.boxes.emplace_back(dlg.editText(i));
        }
        for (const ListDef& def : dlg.listDefs()) {
            s.lists.push_back(dlg.currentIndex(def.controlId));
        }
        for (const StaticTextDef& def : kStaticTexts) {
            s.texts.emplace_back(dlg.staticText(def.controlId));
        }
        s.buttonShown = dlg.isVisible(ctl::applyReferenceButton);
        return s;
    }

    long count(std::string_view text) const {
        return std::count_if(presenter.messages.begin(), presenter.messages.end(),
                             [text](const Message& m) { return m.text == text; });
    }

    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};
};

// List items each kind of room leaves: room kind, packaging ratio and
// material, door.
struct GroupItems {
    int roomKind, ratio, material, door;
};
const std::map<PresetGroup, GroupItems> kGroupItems{
    {PresetGroup::Processing, {1, 4, 3, 3}}, {PresetGroup::Storage, {2, 0, 2, 0}},
    {PresetGroup::Ice, {2, 4, 2, 0}},        {PresetGroup::Produce, {2, 6, 5, 0}},
    {PresetGroup::Eggs, {2, 5, 5, 0}},
};

TEST(ApplyReference, EveryPresetWritesItsRoomAndLeavesTheOtherInputsAlone) {
    for (const ReferencePreset& p : kReferencePresets) {
        SCOPED_TRACE(p.row);
        RecordingPresenter presenter;
        CDesignDlg dlg(designFormLayout(), presenter);
        OnInitDialog(dlg);
        presenter.messages.clear();
        const std::map<std::string_view, std::string> userInputs{
            {"roomHumidity", "77"}, {"doorWidth", "1000"},    {"doorHeight", "2000"},
            {"heaterPowerKw", "3"}, {"defrostHours", "0.5"},  {"heaterCount", "2"},
            {"steelMassKg", "40"},  {"workHoursPerDay", "5"}, {"lightingHours", "3"}};
        for (const auto& [name, text] : userInputs) {
            dlg.setEditText(field(name), text);
        }
        dlg.userChooses(ctl::referenceList, p.row);
        const std::string note(dlg.staticText(ctl::referenceNote));
        dlg.userClicks(ctl::applyReferenceButton);

        const auto box = [&](std::string_view name) {
            return std::string(dlg.editText(field(name)));
        };
        EXPECT_EQ(box("storeLength"), formatFloatText(p.storeLengthM));
        EXPECT_EQ(box("storeWidth"), formatFloatText(p.storeWidthM));
        EXPECT_EQ(box("storeHeight"), "4.2");
        EXPECT_EQ(box("insulationThicknessMm"), formatIntText(p.insulationThicknessMm));
        EXPECT_EQ(box("roomTemp"), formatFloatText(p.roomTempC));
        EXPECT_EQ(box("intakeTemp"), formatFloatText(p.intakeTempC));
        EXPECT_EQ(box("finalTemp"), formatFloatText(p.finalTempC));
        EXPECT_EQ(box("coolingHours"), formatFloatText(p.coolingHours));
        EXPECT_EQ(box("dailyIntakePercent"), formatFloatText(p.dailyIntakePercent));
        EXPECT_EQ(box("airCoolerPowerKw"), formatFloatText(p.airCoolerPowerKw));
        EXPECT_EQ(box("airCoolerCount"), formatFloatText(p.airCoolerCount));
        for (const auto& [name, text] : userInputs) {
            EXPECT_EQ(box(name), text) << name;
        }

        const GroupItems& items = kGroupItems.at(p.group);
        EXPECT_EQ(dlg.currentIndex(ctl::insulationChoice), 0);
        EXPECT_EQ(dlg.currentIndex(ctl::floorChoice), 2);
        EXPECT_EQ(dlg.currentIndex(ctl::freshAirChoice), 0);
        EXPECT_EQ(dlg.currentIndex(ctl::roomKindChoice), items.roomKind);
        EXPECT_EQ(dlg.currentIndex(ctl::packagingRatioChoice), items.ratio);
        EXPECT_EQ(dlg.currentIndex(ctl::packagingMaterialChoice), items.material);
        EXPECT_EQ(dlg.currentIndex(ctl::doorChoice), items.door);
        EXPECT_EQ(dlg.currentIndex(ctl::referenceList), p.row);
        EXPECT_EQ(dlg.staticText(ctl::referenceNote), note);
        EXPECT_TRUE(dlg.isVisible(ctl::applyReferenceButton));

        const auto raised = [&](std::string_view text) {
            return std::count_if(presenter.messages.begin(), presenter.messages.end(),
                                 [text](const Message& m) { return m.text == text; });
        };
        EXPECT_EQ(raised(kDoorNotice), p.group == PresetGroup::Processing ? 1 : 0);
        const bool warns = p.row >= 14 && p.row <= 16;
        ASSERT_EQ(raised(kMultiStoreyWarning), warns ? 1 : 0);
        if (warns) {
            EXPECT_EQ(presenter.messages.back(),
                      (Message{"注意", std::string(kMultiStoreyWarning)}));
        }
    }
}

TEST_F(OpenedForm, TheFruitStoreOfRow27) {
    apply(27);
    const auto box = [&](std::string_view name) { return std::string(dlg.editText(field(name))); };
    EXPECT_EQ(box("storeLength"), "50");
    EXPECT_EQ(box("storeWidth"), "7");
    EXPECT_EQ(box("insulationThicknessMm"), "100");
    EXPECT_EQ(box("intakeTemp"), "25");
    EXPECT_EQ(box("finalTemp"), "0");
    EXPECT_EQ(box("coolingHours"), "24");
    EXPECT_EQ(box("dailyIntakePercent"), "8");
    EXPECT_EQ(box("airCoolerPowerKw"), "1.5");
    EXPECT_EQ(box("airCoolerCount"), "2");
    EXPECT_EQ(dlg.currentText(ctl::packagingRatioChoice), "鲜水果");
    EXPECT_EQ(dlg.currentText(ctl::packagingMaterialChoice), "瓦愣纸");
    EXPECT_EQ(dlg.currentText(ctl::roomKindChoice), "冷藏间、冰库和穿堂");
}

TEST_F(OpenedForm, ProcessingRoomsEndOnTheLockedDoorAndSayItOnce) {
    for (const int row : {0, 4, 8}) {
        presenter.messages.clear();
        apply(row);
        EXPECT_EQ(dlg.currentText(ctl::doorChoice), "冷却冻结间次数锁定0") << row;
        EXPECT_EQ(count(kDoorNotice), 1) << row;
    }
}

TEST_F(OpenedForm, TheIceStoreKeepsItsAirCurtainButNobodyGoesIn) {
    apply(19);
    ASSERT_NE(dlg.editText(field("doorAirChangesPerDay")), "0");
    ASSERT_NE(dlg.editText(field("workerCount")), "0");
    apply(20);
    EXPECT_EQ(dlg.currentText(ctl::doorChoice), "有空气幕");
    EXPECT_EQ(dlg.editText(field("doorAirChangesPerDay")), "0");
    EXPECT_EQ(dlg.editText(field("workerCount")), "0");
    EXPECT_EQ(count(kDoorNotice), 0);
}

TEST_F(OpenedForm, RowsWithoutAPresetChangeNothingAndComputeNothing) {
    dlg.setEditText(field("storeLength"), "12");
    dlg.readSheet();
    for (const int row : {9, 17, 21, 30, 31, 58, 100, 171, -1}) {
        SCOPED_TRACE(row);
        if (row < 0) {
            dlg.userClearsList(ctl::referenceList);
        } else {
            dlg.userChooses(ctl::referenceList, row);
        }
        const FormState before = state();
        presenter.messages.clear();
        OnApplyReference(dlg);
        EXPECT_EQ(state(), before);
        EXPECT_TRUE(presenter.messages.empty());
    }
    EXPECT_EQ(dlg.editText(field("storeLength")), "12");
}

TEST_F(OpenedForm, AHiddenButtonAppliesNothing) {
    dlg.userChooses(ctl::referenceList, 31);
    const FormState before = state();
    dlg.userClicks(ctl::applyReferenceButton);
    EXPECT_EQ(state(), before);
}

TEST(ApplyReference, MultiStoreyRows13And14GiveTheSameResultsOnly14Warns) {
    RecordingPresenter presenter13;
    RecordingPresenter presenter14;
    CDesignDlg form13(designFormLayout(), presenter13);
    CDesignDlg form14(designFormLayout(), presenter14);
    OnInitDialog(form13);
    OnInitDialog(form14);
    presenter13.messages.clear();
    presenter14.messages.clear();
    form13.userChooses(ctl::referenceList, 13);
    form14.userChooses(ctl::referenceList, 14);
    form13.userClicks(ctl::applyReferenceButton);
    form14.userClicks(ctl::applyReferenceButton);

    for (std::size_t i = 0; i < kFieldCount; ++i) {
        EXPECT_EQ(form13.editText(i), form14.editText(i)) << kFields[i].name;
    }
    for (const ListDef& def : form13.listDefs()) {
        if (def.controlId != ctl::referenceList) {
            EXPECT_EQ(form13.currentIndex(def.controlId), form14.currentIndex(def.controlId))
                << def.name;
        }
    }
    for (const StaticTextDef& def : kStaticTexts) {
        EXPECT_EQ(form13.staticText(def.controlId), form14.staticText(def.controlId)) << def.name;
    }
    std::vector<Message> expected = presenter13.messages;
    expected.push_back({"注意", std::string(kMultiStoreyWarning)});
    EXPECT_EQ(presenter14.messages, expected);
}

// Remembers what the form showed when the multi-storey warning came up.
class WarningWitness final : public MessagePresenter {
public:
    void showMessage(const Message& message) override {
        if (message.text == kMultiStoreyWarning && dlg != nullptr) {
            totalAtWarning = dlg->editText(*fieldIndexByName("totalCoolingLoadW"));
            noteAtWarning = dlg->staticText(ctl::totalLoadNote);
            ++warnings;
        }
    }
    const CDesignDlg* dlg = nullptr;
    std::string totalAtWarning;
    std::string noteAtWarning;
    int warnings = 0;
};

TEST(ApplyReference, TheMultiStoreyWarningComesAfterTheResults) {
    for (const int row : {14, 15, 16}) {
        WarningWitness witness;
        CDesignDlg dlg(designFormLayout(), witness);
        witness.dlg = &dlg;
        OnInitDialog(dlg);
        const std::string startTotal(dlg.editText(field("totalCoolingLoadW")));
        dlg.userChooses(ctl::referenceList, row);
        dlg.userClicks(ctl::applyReferenceButton);
        EXPECT_EQ(witness.warnings, 1) << row;
        EXPECT_NE(witness.totalAtWarning, startTotal) << row;
        EXPECT_EQ(witness.totalAtWarning, dlg.editText(field("totalCoolingLoadW"))) << row;
        EXPECT_EQ(witness.noteAtWarning, dlg.staticText(ctl::totalLoadNote)) << row;
    }
}

} // namespace
} // namespace gelvant
