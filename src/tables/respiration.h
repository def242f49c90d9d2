#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

void OnRespirationProduceChange(CDesignDlg& dlg);
void OnAirChangeCountChange(CDesignDlg& dlg);

std::span<const std::string_view> respirationProduceItems();
std::span<const std::string_view> produceAirChangeItems();

} // namespace gelvant
