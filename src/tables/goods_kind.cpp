#include "tables/goods_kind.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> goodsKindItems() { return {}; }

void OnGoodsKindChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
