#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

void OnGoodsKindChange(CDesignDlg& dlg);

std::span<const std::string_view> goodsKindItems();

} // namespace gelvant
