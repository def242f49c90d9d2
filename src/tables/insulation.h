#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

void OnInsulationMaterialChange(CDesignDlg& dlg);

std::span<const std::string_view> insulationItems();

} // namespace gelvant
