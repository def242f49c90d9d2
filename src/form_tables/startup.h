#pragma once

#include <string_view>

namespace gelvant {

class CDesignDlg;
struct DesignSheet;

// Opens the form as a complete, computed worked example: the welcome box,
// the presets, a first item in every list and reference row 27 applied.
// Returns true, letting the window put the focus on the first control.
bool OnInitDialog(CDesignDlg& dlg);

// Stores the start-up values of the sheet in their fixed order; the volume,
// surface, volume coefficient, tonnage, daily intake and floor area are
// worked out from the dimensions stored before them.
void storeStartupPresets(DesignSheet& s);

// Text of the welcome box shown before the form.
std::string_view welcomeText();

} // namespace gelvant
