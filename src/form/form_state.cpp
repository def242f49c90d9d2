#include "form/form_state.h"

#include "form/controls.h"
#include "form/portable.h"

#include <algorithm>
#include <cstdint>

namespace gelvant {

bool sameRecord(const DesignSheet& a, const DesignSheet& b) {
    return std::all_of(kFields.begin(), kFields.end(), [&](const FieldDef& def) {
        return def.type == FieldType::Float ? bitCast<std::uint32_t>(a.*def.floatMember) ==
                                                  bitCast<std::uint32_t>(b.*def.floatMember)
                                            : a.*def.intMember == b.*def.intMember;
    });
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
