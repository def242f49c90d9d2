#include "tables/respiration.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> respirationProduceItems() { return {}; }

std::span<const std::string_view> produceAirChangeItems() {
    static constexpr std::array<std::string_view, 3> kItems{"0", "2", "3"};
    return kItems;
}

void OnRespirationProduceChange(CDesignDlg& /*dlg*/) {}

void OnAirChangeCountChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
