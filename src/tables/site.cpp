#include "tables/site.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> siteItems() { return {}; }

void OnSiteChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
