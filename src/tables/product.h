#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

void OnProductChange(CDesignDlg& dlg);
void RecomputeGoodsHeat(CDesignDlg& dlg);
void OnGoodsTempChange(CDesignDlg& dlg);
void OnFrozenFractionChange(CDesignDlg& dlg);

std::span<const std::string_view> productItems();

} // namespace gelvant
