#include "calc/dependent_rules.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> doorItems() {
    static constexpr std::array<std::string_view, 4> kItems{"有空气幕", "定温穿堂封闭月台", "无空气幕", "冷却冻结间次数锁定0"};
    return kItems;
}

void OnGeometryChange(CDesignDlg& /*dlg*/) {}

void OnVolumeCoefficientChange(CDesignDlg& /*dlg*/) {}

void OnInsulationChange(CDesignDlg& /*dlg*/) {}

void OnDoorSizeChange(CDesignDlg& /*dlg*/) {}

void OnTonnageChange(CDesignDlg& /*dlg*/) {}

void OnProduceAirChangesChange(CDesignDlg& /*dlg*/) {}

void OnRoomTempChange(CDesignDlg& /*dlg*/) {}

void OnRespirationFieldEdit(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
