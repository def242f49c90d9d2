#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

void OnAirCoolerChoiceChange(CDesignDlg& dlg);
void OnAirCoolerTempDiffChange(CDesignDlg& dlg);
void OnAirCoolerHeatTransferChange(CDesignDlg& dlg);

std::span<const std::string_view> airCoolerEvapItems();
std::span<const std::string_view> airCoolerTempDiffItems();
std::span<const std::string_view> airCoolerTubeItems();

} // namespace gelvant
