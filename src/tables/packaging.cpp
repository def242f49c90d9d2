#include "tables/packaging.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> packagingMaterialItems() {
    static constexpr std::array<std::string_view, 9> kItems{"木板", "黄铜", "铁皮", "铝皮", "玻璃容器", "瓦愣纸", "黄油纸", "布类", "竹器"};
    return kItems;
}

std::span<const std::string_view> packagingRatioItems() {
    static constexpr std::array<std::string_view, 9> kItems{"鱼肉冻蛋类冷藏", "猪单轨叉档", "猪双轨叉档", "鱼肉蛋搁架冷却冻结", "吊笼手推车冷却冻结", "鲜蛋类", "鲜水果", "鲜蔬菜", "无"};
    return kItems;
}

void OnPackagingMaterialChange(CDesignDlg& /*dlg*/) {}

void OnPackagingRatioChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
