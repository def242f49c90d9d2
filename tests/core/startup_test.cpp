#include "form/field_dictionary.h"
#include "form_tables/startup.h"
#include "recording_form.h"

#include <gtest/gtest.h>

#include <vector>

namespace gelvant {
namespace {

using testing_form::Choice;
using testing_form::choiceLog;

// The value of a sheet field, float or whole number, by name.
double valueOf(const DesignSheet& s, std::string_view name) {
    const FieldDef& def = kFields[*fieldIndexByName(name)];
    return def.type == FieldType::Float ? static_cast<double>(s.*def.floatMember)
                                        : static_cast<double>(s.*def.intMember);
}

// The presets overwrite what the site, door and packaging lists set before
// them, work the room figures out from the 6 x 7 x 4.2 m room just stored
// (0.2 m wall allowance, coefficient 0.4, 330 kg/m3 and a tenth of it a
// day), and leave the fields they do not carry alone.
TEST(StartupPresets, OverwriteWhatTheFirstChoicesSetAndWorkOutTheRoom) {
    DesignSheet s;
    for (const FieldDef& def : kFields) {
        if (def.type == FieldType::Float) {
            s.*def.floatMember = 7.5F;
        } else {
            s.*def.intMember = 7;
        }
    }
    storeStartupPresets(s);
    // clang-format off
    const std::pair<std::string_view, float> expected[] = {
        {"ambientTemp", 30.0F}, {"ambientHumidity", 83.0F}, {"packagingRatio", 0.3F},
        {"packagingSpecificHeat", 0.84F}, {"workerCount", 2.0F}, {"doorAirChangesPerDay", 4.0F},
        {"produceAirChangesPerDay", 0.0F}, {"heatPerPerson", 410.0F}, {"innerVolume", 158.0F},
        {"outerSurfaceArea", 193.0F}, {"volumeCoefficient", 0.4F}, {"storageTonnage", 20.856F},
        {"dailyIntakeTons", 2.085F}, {"floorArea", 42.0F},
        {"summerAirConditioningTemp", 7.5F}, {"summerPressurePa", 7.0F}};
    // clang-format on
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(valueOf(s, name), double{value}) << name;
    }
}

// The whole sequence on a form whose lists only record their choices; the
// room length each choice saw shows where the presets (6 m) and row 27
// (50 m) came in.
TEST(StartupSequence, ChoosesTheStartingItemsInTurnThenAppliesRow27) {
    RecordingPresenter presenter;
    CDesignDlg dlg(testing_form::recordingListsAndEvents(), presenter);
    choiceLog() = {};
    EXPECT_TRUE(OnInitDialog(dlg));
    EXPECT_TRUE(dlg.isChecked(ctl::enthalpyOption));
    EXPECT_FALSE(dlg.isChecked(ctl::specificHeatOption));

    // clang-format off
    const std::pair<float, std::vector<Choice>> steps[] = {
        {0.0F, {{1108, 2}, {1097, 1}, {1101, 3}, {1102, 4}}}, // on the all-zero sheet
        {6.0F, {{1057, 18}, {1058, 9}, {1014, 0}, {1107, 38}}},
        {6.0F, {{1135, 0}, {1118, 2}, {1117, 1}, {1116, 0}, {1115, 0}, {1113, 6}, {1112, 0},
                {1111, 0}, {1123, 1}, {1119, 0}, {1133, 2}, {1134, 0}}},
        {50.0F, {{1097, 1}, {1014, 0}, {1057, 17}, {1108, 0}, {1107, 27}, {1101, 6}, {1102, 5},
                 {1133, 2}, {1119, 2}, {1134, 0}, {1058, 74}}},
        // The last calculation: 0 °C less the 8 °C design difference is -8 °C.
        {50.0F, {{1120, 3}, {1116, 0}}}};
    // clang-format on
    std::vector<Choice> expected;
    std::vector<float> lengthSeen;
    for (const auto& [length, choices] : steps) {
        expected.insert(expected.end(), choices.begin(), choices.end());
        lengthSeen.insert(lengthSeen.end(), choices.size(), length);
    }
    EXPECT_EQ(choiceLog().choices, expected);
    EXPECT_EQ(choiceLog().lengthSeen, lengthSeen);
    EXPECT_EQ(choiceLog().fansSeen.back(), 2.0F);
}

} // namespace
} // namespace gelvant
