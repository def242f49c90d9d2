#include "tables/product.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> productItems() { return {}; }

void OnProductChange(CDesignDlg& /*dlg*/) {}

void RecomputeGoodsHeat(CDesignDlg& /*dlg*/) {}

void OnGoodsTempChange(CDesignDlg& /*dlg*/) {}

void OnFrozenFractionChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
