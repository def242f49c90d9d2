#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form/messages.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"

#include <gtest/gtest.h>

namespace gelvant {
namespace {

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

// The program opens with the enthalpy method chosen for the goods' heat.
TEST(StartupSequence, ChoosesTheEnthalpyMethod) {
    RecordingPresenter presenter;
    CDesignDlg dlg(designFormListsAndEvents(), presenter);
    EXPECT_TRUE(OnInitDialog(dlg));
    EXPECT_TRUE(dlg.isChecked(ctl::enthalpyOption));
    EXPECT_FALSE(dlg.isChecked(ctl::specificHeatOption));
}

} // namespace
} // namespace gelvant
