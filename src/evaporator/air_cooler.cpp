#include "evaporator/air_cooler.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> airCoolerEvapItems() {
    static constexpr std::array<std::string_view, 5> kItems{"冷风机管内制冷剂蒸发温度-40℃，翅片管间风速4-5m/s", "冷风机管内制冷剂蒸发温度-30℃，翅片管间风速4-5m/s", "冷风机管内制冷剂蒸发温度-20℃，翅片管间风速4-5m/s", "冷风机管内制冷剂蒸发温度-15℃，翅片管间风速4-5m/s", "冷风机管内制冷剂蒸发温度 >0℃，翅片管间风速4-5m/s"};
    return kItems;
}

std::span<const std::string_view> airCoolerTempDiffItems() {
    static constexpr std::array<std::string_view, 5> kItems{"冷风机计算温差 6℃", "冷风机计算温差 8℃", "冷风机计算温差10℃", "冷风机计算温差12℃", "冷风机计算温差15℃"};
    return kItems;
}

std::span<const std::string_view> airCoolerTubeItems() {
    static constexpr std::array<std::string_view, 3> kItems{"钢管", "铝管", "铜管"};
    return kItems;
}

void OnAirCoolerChoiceChange(CDesignDlg& /*dlg*/) {}

void OnAirCoolerTempDiffChange(CDesignDlg& /*dlg*/) {}

void OnAirCoolerHeatTransferChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
