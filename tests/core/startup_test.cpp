#include "recording_form.h"
#include "reference/reference_catalogue.h"
#include "reference/reference_notes.h"
#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "sheet/field_dictionary.h"
#include "window/design_form.h"
#include "window/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gelvant {
namespace {

using testing_form::Choice;
using testing_form::choiceLog;
using testing_form::choicesMade;

std::size_t field(std::string_view name) {
    return *fieldIndexByName(name);
}

TEST(StartupPresets, StoreTheDictionaryValuesAndTheFiguresWorkedFromThem) {
    DesignSheet s;
    storeStartupPresets(s);
    for (const FieldDef& def : kFields) {
        if (def.type == FieldType::Float) {
            EXPECT_EQ(s.*def.floatMember, static_cast<float>(def.startupPreset)) << def.name;
        } else {
            EXPECT_EQ(s.*def.intMember, static_cast<std::int32_t>(def.startupPreset)) << def.name;
        }
    }
    // Worked from 6 x 7 x 4.2 m with a 0.2 m wall allowance: 158 m3, 193 m2,
    // coefficient 0.4, 20.856 t at 330 kg/m3 and 2.085 t a day, 42 m2.
    EXPECT_EQ(s.innerVolume, 158.0F);
    EXPECT_EQ(s.outerSurfaceArea, 193.0F);
    EXPECT_EQ(s.volumeCoefficient, 0.4F);
    EXPECT_EQ(s.storageTonnage, 20.856F);
    EXPECT_EQ(s.dailyIntakeTons, 2.085F);
    EXPECT_EQ(s.floorArea, 42.0F);
    EXPECT_EQ(s.heatPerPerson, 410.0F);
}

TEST(StartupPresets, OverwriteWhatTheFirstChoicesSetAndNothingElse) {
    DesignSheet s;
    s.ambientTemp = 34.0F; // what a site and the packaging lists may have set
    s.ambientHumidity = 70;
    s.packagingRatio = 0.1F;
    s.packagingSpecificHeat = 1.6F;
    s.workerCount = 7;
    s.doorAirChangesPerDay = 2.25F;
    s.summerAirConditioningTemp = 34.4F;
    s.summerPressurePa = 100530;
    s.produceAirChangesPerDay = 3.0F;
    storeStartupPresets(s);
    EXPECT_EQ(s.ambientTemp, 30.0F);
    EXPECT_EQ(s.ambientHumidity, 83);
    EXPECT_EQ(s.packagingRatio, 0.3F);
    EXPECT_EQ(s.packagingSpecificHeat, 0.84F);
    EXPECT_EQ(s.workerCount, 2);
    EXPECT_EQ(s.doorAirChangesPerDay, 4.0F);
    EXPECT_EQ(s.produceAirChangesPerDay, 0.0F);
    EXPECT_EQ(s.summerAirConditioningTemp, 34.4F);
    EXPECT_EQ(s.summerPressurePa, 100530);
}

TEST(StartupWelcome, IntroducesTheProgramThenGivesTheUsageInstructions) {
    const std::string_view text = welcomeText();
    const auto usage =
        text.find("使用说明：进入界面后从下方各类冷间热负荷经验数据中选择你要设计的冷库类型");
    ASSERT_NE(usage, std::string_view::npos);
    EXPECT_GT(usage, 20U);
    EXPECT_EQ(text.substr(usage - 2, 2), "  ");
    EXPECT_TRUE(text.ends_with("呼吸热和果蔬开门换气是针对鲜果蔬而言其它库不需要的不用加。"));
    EXPECT_NE(text.find("所以负数先输正数，在移到前面输负号，或者剪贴进去也行"),
              std::string_view::npos);
}

// The whole sequence on a form whose lists only record their choices.
TEST(StartupSequence, ChoosesTheStartingItemsInTurnThenAppliesRow27) {
    RecordingPresenter presenter;
    CDesignDlg dlg(testing_form::recordingLayout(), presenter);
    choiceLog().clear();
    EXPECT_TRUE(OnInitDialog(dlg));

    const std::vector<Choice> firstChoices{{1108, 2}, {1097, 1}, {1101, 3}, {1102, 4}};
    const std::vector<Choice> goodsChoices{{1057, 18}, {1058, 9}, {1014, 0}, {1107, 38}};
    const std::vector<Choice> evaporatorChoices{{1135, 0}, {1118, 2}, {1117, 1}, {1116, 0},
                                                {1115, 0}, {1113, 6}, {1112, 0}, {1111, 0},
                                                {1123, 1}, {1119, 0}, {1133, 2}, {1134, 0}};
    const std::vector<Choice> appliedChoices{{1097, 1},  {1014, 0}, {1057, 17}, {1108, 0},
                                             {1107, 27}, {1101, 6}, {1102, 5},  {1133, 2},
                                             {1119, 2},  {1134, 0}, {1058, 74}};
    // The last calculation: 0 °C less the 8 °C design difference is -8 °C.
    const std::vector<Choice> calculationChoices{{1120, 3}, {1116, 0}};
    std::vector<Choice> expected;
    std::vector<float> lengthSeen;
    for (const auto& [part, length] :
         {std::pair{&firstChoices, 0.0F}, std::pair{&goodsChoices, 6.0F},
          std::pair{&evaporatorChoices, 6.0F}, std::pair{&appliedChoices, 50.0F},
          std::pair{&calculationChoices, 50.0F}}) {
        expected.insert(expected.end(), part->begin(), part->end());
        lengthSeen.insert(lengthSeen.end(), part->size(), length);
    }
    ASSERT_EQ(choicesMade(), expected);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(choiceLog()[i].storeLength, lengthSeen[i]) << i;
    }
    EXPECT_EQ(choiceLog().back().airCoolerCount, 2.0F);

    EXPECT_EQ(dlg.currentIndex(ctl::referenceList), 27);
    EXPECT_EQ(dlg.itemCount(ctl::referenceList), 172U);
    EXPECT_EQ(dlg.staticText(ctl::referenceNote), referenceNoteForRow(27));
    ASSERT_FALSE(presenter.messages.empty());
    EXPECT_EQ(presenter.messages.front().caption, "欢迎使用");
}

class StartedForm : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OnInitDialog(dlg)); }
    std::string_view box(std::string_view name) const { return dlg.editText(field(name)); }

    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};
};

TEST_F(StartedForm, WelcomesFirstWithTheOptionButtonsOnEnthalpy) {
    ASSERT_FALSE(presenter.messages.empty());
    EXPECT_EQ(presenter.messages.front(), (Message{"欢迎使用", std::string(welcomeText())}));
    EXPECT_TRUE(dlg.isChecked(ctl::enthalpyOption));
    EXPECT_FALSE(dlg.isChecked(ctl::specificHeatOption));
}

TEST_F(StartedForm, ShowsRow27AppliedWithItsNoteAndTheWholeCatalogue) {
    EXPECT_EQ(dlg.currentIndex(ctl::referenceList), 27);
    EXPECT_EQ(dlg.currentText(ctl::referenceList), kReferenceCatalogue[27].text);
    EXPECT_EQ(dlg.staticText(ctl::referenceNote), kReferenceNotes[4]);
    EXPECT_TRUE(dlg.isVisible(ctl::applyReferenceButton));
    EXPECT_EQ(dlg.itemCount(ctl::referenceList), 172U);
    EXPECT_TRUE(dlg.referenceRowsAppended);

    EXPECT_EQ(box("storeLength"), "50");
    EXPECT_EQ(box("storeWidth"), "7");
    EXPECT_EQ(box("storeHeight"), "4.2");
    EXPECT_EQ(box("innerVolume"), "1355");
    EXPECT_EQ(box("roomTemp"), "0");
    EXPECT_EQ(box("intakeTemp"), "25");
    EXPECT_EQ(box("airCoolerCount"), "2");
    EXPECT_EQ(box("roomHumidity"), "90");
    EXPECT_EQ(box("doorWidth"), "900");
    EXPECT_EQ(box("lightingHours"), "2");
}

TEST_F(StartedForm, LeavesEveryListOnItsStartingOrAppliedItem) {
    const std::vector<std::pair<int, int>> expected{
        {ctl::insulationChoice, 0},
        {ctl::doorChoice, 0},
        {ctl::floorChoice, 2},
        {ctl::roomKindChoice, 2},
        {ctl::freshAirChoice, 0},
        {ctl::packagingRatioChoice, 6},
        {ctl::packagingMaterialChoice, 5},
        {ctl::coilTypeChoice, 0},
        {ctl::coilPitchChoice, 0},
        {ctl::coilDiameterChoice, 6},
        {ctl::coilFeedChoice, 0},
        {ctl::coilTempDiffChoice, 1},
        {ctl::coilRowsChoice, 2},
        {ctl::airCoolerTempDiffChoice, 1},
        {ctl::airCoolerTubeChoice, 0},
        // moved by the last calculation to the room's 0 °C
        {ctl::coilRoomTempChoice, 0},
        {ctl::airCoolerEvapChoice, 3},
        {ctl::referenceListCompact, -1}};
    for (const auto& [list, index] : expected) {
        EXPECT_EQ(dlg.currentIndex(list), index) << list;
    }
}

} // namespace
} // namespace gelvant
