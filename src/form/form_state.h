#pragma once

#include "form/controls.h"
#include "form/design_sheet.h"
#include "form/field_dictionary.h"

#include <array>
#include <string>
#include <vector>

namespace gelvant {

// One list of the form as the designer left it: its current item (-1 when
// none) and the text of its edit part (the item's text, or what was typed).
struct ListChoice {
    int current = -1;
    std::string editText;
    friend bool operator==(const ListChoice&, const ListChoice&) = default;
};

// Everything the designer sees on the form, as a value: the record, the text
// of every box, every list's choice, the run-time texts, the two controls
// whose visibility changes, the option buttons and whether the catalogue's
// later rows have been appended. Capturing the form and restoring it gives
// back the very same form, so that undo, rooms and design files continue
// exactly where the designer was. Messages and the focus are not part of it.
struct FormState {
    DesignSheet sheet;
    std::array<std::string, kFieldCount> editTexts;
    std::vector<ListChoice> lists; // in the form's list order
    std::array<std::string, kStaticTexts.size()> staticTexts;
    std::array<bool, 2> visible{true, true};
    bool enthalpyChecked = false;
    bool specificHeatChecked = false;
    bool referenceRowsAppended = false;

    // A run-time text by its control (empty for a control that has none),
    // and whether a control is shown (those whose visibility never changes are).
    const std::string& staticText(int textCtl) const;
    bool isVisible(int ctl) const;

    // Same form: the record compared bit for bit (a NaN equals the same NaN),
    // everything else by value.
    bool sameForm(const FormState& other) const;
};

// Every control whose visibility a rule changes starts shown.
static_assert(std::tuple_size_v<decltype(FormState::visible)> == kToggledControls.size());

// The record's fields compared bit for bit.
bool sameRecord(const DesignSheet& a, const DesignSheet& b);

} // namespace gelvant
