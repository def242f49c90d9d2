#include "tables/insulation.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> insulationItems() {
    static constexpr std::array<std::string_view, 5> kItems{"聚氨酯泡沫", "聚苯乙烯泡沫", "玻璃纤维", "软木", "砖墙"};
    return kItems;
}

void OnInsulationMaterialChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
