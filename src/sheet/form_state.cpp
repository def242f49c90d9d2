#include "sheet/form_state.h"

#include "sheet/controls.h"
#include "sheet/portable.h"

#include <cstdint>

namespace gelvant {

bool sameRecord(const DesignSheet& a, const DesignSheet& b) {
    for (const FieldDef& def : kFields) {
        const bool same = def.type == FieldType::Float
                              ? bitCast<std::uint32_t>(a.*def.floatMember) ==
                                    bitCast<std::uint32_t>(b.*def.floatMember)
                              : a.*def.intMember == b.*def.intMember;
        if (!same) {
            return false;
        }
    }
    return true;
}

const std::string& FormState::staticText(int textCtl) const {
    static const std::string kNone;
    const auto slot = staticTextSlot(textCtl);
    return slot ? staticTexts[*slot] : kNone;
}

bool FormState::isVisible(int ctl) const {
    const auto slot = toggledSlot(ctl);
    return !slot || visible[*slot];
}

bool FormState::sameForm(const FormState& other) const {
    return sameRecord(sheet, other.sheet) && editTexts == other.editTexts && lists == other.lists &&
           staticTexts == other.staticTexts && visible == other.visible &&
           enthalpyChecked == other.enthalpyChecked &&
           specificHeatChecked == other.specificHeatChecked &&
           referenceRowsAppended == other.referenceRowsAppended;
}

} // namespace gelvant
