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
std::span<const std::string_view> referenceCompactItems();

} // namespace gelvant
