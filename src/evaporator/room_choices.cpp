#include "evaporator/room_choices.h"

#include "calc/cooling_load.h"
#include "form/controls.h"
#include "form/design_dlg.h"

#include <array>

namespace gelvant {
namespace {

constexpr int kWorkRoomIndex = 0; // "加工间、包装间"
constexpr float kWorkRoomLightingWPerM2 = 5.0F;
constexpr float kColdRoomLightingWPerM2 = 2.3F;

constexpr int kLongStayIndex = 0; // "长时间需新风"
constexpr float kFreshAirM3PerHourPerWorker = 30.0F;

} // namespace

std::span<const std::string_view> roomKindItems() {
    static constexpr std::array<std::string_view, 3> kItems{"加工间、包装间", "冷却间、冻结间",
                                                            "冷藏间、冰库和穿堂"};
    return kItems;
}

std::span<const std::string_view> floorItems() {
    static constexpr std::array<std::string_view, 3> kItems{
        "地面无通风加热设备", "地面有通风加热设备", "地面为通风架空层"};
    return kItems;
}

std::span<const std::string_view> freshAirItems() {
    static constexpr std::array<std::string_view, 2> kItems{"长时间需新风", "不需新风(m3/h)"};
    return kItems;
}

// Lighting per floor area: work rooms are lit brighter than chilling,
// freezing and storage rooms.
void OnRoomKindChange(CDesignDlg& dlg) {
    dlg.readSheet();
    dlg.sheet().lightingPerArea = dlg.currentIndex(ctl::roomKindChoice) == kWorkRoomIndex
                                      ? kWorkRoomLightingWPerM2
                                      : kColdRoomLightingWPerM2;
    dlg.writeSheet();
}

// The floor construction changes the envelope leak, which the calculation
// reads from the list itself: recompute everything.
void OnFloorChange(CDesignDlg& dlg) {
    ComputeCoolingLoad(dlg);
}

// Fresh air per worker: only long stays need it.
void OnFreshAirChange(CDesignDlg& dlg) {
    dlg.readSheet();
    dlg.sheet().freshAirPerPerson = dlg.currentIndex(ctl::freshAirChoice) == kLongStayIndex
                                        ? kFreshAirM3PerHourPerWorker
                                        : 0.0F;
    dlg.writeSheet();
}

} // namespace gelvant
