#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

void OnRoomKindChange(CDesignDlg& dlg);
void OnFloorChange(CDesignDlg& dlg);
void OnFreshAirChange(CDesignDlg& dlg);

std::span<const std::string_view> roomKindItems();
std::span<const std::string_view> floorItems();
std::span<const std::string_view> freshAirItems();

} // namespace gelvant
