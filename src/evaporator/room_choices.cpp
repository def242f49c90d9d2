#include "evaporator/room_choices.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> roomKindItems() {
    static constexpr std::array<std::string_view, 3> kItems{"加工间、包装间", "冷却间、冻结间", "冷藏间、冰库和穿堂"};
    return kItems;
}

std::span<const std::string_view> floorItems() {
    static constexpr std::array<std::string_view, 3> kItems{"地面无通风加热设备", "地面有通风加热设备", "地面为通风架空层"};
    return kItems;
}

std::span<const std::string_view> freshAirItems() {
    static constexpr std::array<std::string_view, 2> kItems{"长时间需新风", "不需新风(m3/h)"};
    return kItems;
}

void OnRoomKindChange(CDesignDlg& /*dlg*/) {}

void OnFloorChange(CDesignDlg& /*dlg*/) {}

void OnFreshAirChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
