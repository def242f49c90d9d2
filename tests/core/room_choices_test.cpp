#include "evaporator_form.h"
#include "form/controls.h"

#include <gtest/gtest.h>

namespace gelvant::evaporator_testing {
namespace {

// A choice overwrites whatever the designer typed into the box, also when
// the item chosen is already the current one; item -1: the user typed over
// the list's edit part.
TEST(RoomChoice, OverwritesTheTypedFigure) {
    const struct {
        const char* name;
        int list, item;
        const char* field;
        const char* value;
    } cases[] = {
        {"work room lighting", ctl::roomKindChoice, 0, "lightingPerArea", "5"},
        {"freezing room lighting", ctl::roomKindChoice, 1, "lightingPerArea", "2.3"},
        {"storage room lighting", ctl::roomKindChoice, 2, "lightingPerArea", "2.3"},
        {"no room kind lighting", ctl::roomKindChoice, -1, "lightingPerArea", "2.3"},
        {"long stay fresh air", ctl::freshAirChoice, 0, "freshAirPerPerson", "30"},
        {"no fresh air needed", ctl::freshAirChoice, 1, "freshAirPerPerson", "0"},
        {"no fresh air choice", ctl::freshAirChoice, -1, "freshAirPerPerson", "0"},
    };
    for (const auto& c : cases) {
        EvaporatorFormState f;
        f.dlg.chooseItem(c.list, c.item < 0 ? 0 : c.item);
        f.set({{c.field, "7.5"}});
        if (c.item < 0) {
            f.dlg.userClearsList(c.list);
        }
        f.dlg.raise(c.list, EventKind::ListChange); // the current item (or none) chosen again
        EXPECT_EQ(f.shown(c.field), c.value) << c.name;
    }
}

} // namespace
} // namespace gelvant::evaporator_testing
