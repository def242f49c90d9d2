#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

void OnCoilChoiceChange(CDesignDlg& dlg);
void OnCoilHeatTransferChange(CDesignDlg& dlg);

std::span<const std::string_view> coilTypeItems();
std::span<const std::string_view> coilPitchItems();
std::span<const std::string_view> coilDiameterItems();
std::span<const std::string_view> coilFeedItems();
std::span<const std::string_view> coilRoomTempItems();
std::span<const std::string_view> coilTempDiffItems();
std::span<const std::string_view> coilRowsItems();

} // namespace gelvant
