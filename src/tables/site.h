#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

void OnSiteChange(CDesignDlg& dlg);

std::span<const std::string_view> siteItems();

} // namespace gelvant
