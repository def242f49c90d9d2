#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

// Selection in the reference catalogue: shows the row's notes and whether
// it can be applied.
void OnReferenceChange(CDesignDlg& dlg);
// Sets the form up for the selected reference room and computes it.
void OnApplyReference(CDesignDlg& dlg);
// Change of the hidden compact catalogue list.
void OnReferenceCompactChange(CDesignDlg& dlg);

// Rows the catalogue list holds when the form is created.
std::span<const std::string_view> referenceInitialItems();
// Rows appended to the catalogue list the first time a row is selected.
std::span<const std::string_view> referenceAppendedItems();
std::span<const std::string_view> referenceCompactItems();

// The warning shown after a multi-storey cold store has been computed.
inline constexpr std::string_view kMultiStoreyWarning =
    "多层库按单层核算负荷会偏大，主要应修正各库的实际环境温度和夏季空调温度来降低库体漏热。";

} // namespace gelvant
