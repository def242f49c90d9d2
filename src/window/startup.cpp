#include "window/startup.h"

#include "sheet/design_dlg.h"

namespace gelvant {

bool OnInitDialog(CDesignDlg& /*dlg*/) { return true; }

} // namespace gelvant
