#include "evaporator_form.h"
#include "sheet/controls.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gelvant::evaporator_testing {
namespace {

struct ChoiceCase {
    const char* name;
    int list, item; // item -1: the user typed over the list's edit part
    const char* field;
    const char* value;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) {
    *os << "list " << c.list << ", item " << c.item << " -> " << c.field;
}

class RoomChoice : public EvaporatorForm, public testing::WithParamInterface<ChoiceCase> {};

// A choice overwrites whatever the designer typed into the box, also when
// the item chosen is already the current one.
TEST_P(RoomChoice, OverwritesTheTypedFigure) {
    const ChoiceCase& c = GetParam();
    dlg.chooseItem(c.list, c.item < 0 ? 0 : c.item);
    set({{c.field, "7.5"}});
    if (c.item < 0) {
        dlg.userClearsList(c.list);
    }
    dlg.raise(c.list, EventKind::ListChange); // the current item (or none) chosen again
    EXPECT_EQ(shown(c.field), c.value);
}

const ChoiceCase kChoices[] = {
    {"WorkRoomLighting", ctl::roomKindChoice, 0, "lightingPerArea", "5"},
    {"FreezingRoomLighting", ctl::roomKindChoice, 1, "lightingPerArea", "2.3"},
    {"StorageRoomLighting", ctl::roomKindChoice, 2, "lightingPerArea", "2.3"},
    {"NoRoomKindLighting", ctl::roomKindChoice, -1, "lightingPerArea", "2.3"},
    {"LongStayFreshAir", ctl::freshAirChoice, 0, "freshAirPerPerson", "30"},
    {"NoFreshAirNeeded", ctl::freshAirChoice, 1, "freshAirPerPerson", "0"},
    {"NoFreshAirChoice", ctl::freshAirChoice, -1, "freshAirPerPerson", "0"},
};
INSTANTIATE_TEST_SUITE_P(Choices, RoomChoice, testing::ValuesIn(kChoices),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gelvant::evaporator_testing
