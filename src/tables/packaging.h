#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

void OnPackagingMaterialChange(CDesignDlg& dlg);
void OnPackagingRatioChange(CDesignDlg& dlg);

std::span<const std::string_view> packagingMaterialItems();
std::span<const std::string_view> packagingRatioItems();

} // namespace gelvant
