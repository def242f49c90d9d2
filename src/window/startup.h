#pragma once

namespace gelvant {

class CDesignDlg;

// Opens the form as a complete, computed worked example: the welcome box,
// the presets, a first item in every list and reference row 27 applied.
// Returns true, letting the window put the focus on the first control.
bool OnInitDialog(CDesignDlg& dlg);

} // namespace gelvant
