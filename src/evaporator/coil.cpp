#include "evaporator/coil.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> coilTypeItems() {
    static constexpr std::array<std::string_view, 4> kItems{"光滑U形顶排管", "单层光滑蛇形顶排管", "双层光滑蛇形顶排管", "单排光滑蛇形顶排管"};
    return kItems;
}

std::span<const std::string_view> coilPitchItems() {
    static constexpr std::array<std::string_view, 2> kItems{"S/D=4", "S/D=2"};
    return kItems;
}

std::span<const std::string_view> coilDiameterItems() {
    static constexpr std::array<std::string_view, 12> kItems{"φ89", "φ76", "φ57", "φ48", "φ45", "φ42", "φ38", "φ32", "φ25", "φ20", "φ16", "φ12"};
    return kItems;
}

std::span<const std::string_view> coilFeedItems() {
    static constexpr std::array<std::string_view, 2> kItems{"非氨泵供液", "氨泵强制供液"};
    return kItems;
}

std::span<const std::string_view> coilRoomTempItems() {
    static constexpr std::array<std::string_view, 10> kItems{"库房温度  0℃", "库房温度 -4℃", "库房温度-10℃", "库房温度-12℃", "库房温度-15℃", "库房温度-18℃", "库房温度-20℃", "库房温度-23℃", "库房温度-25℃", "库房温度-30℃"};
    return kItems;
}

std::span<const std::string_view> coilTempDiffItems() {
    static constexpr std::array<std::string_view, 5> kItems{"温差 6℃", "温差 8℃", "温差10℃", "温差12℃", "温差15℃"};
    return kItems;
}

std::span<const std::string_view> coilRowsItems() {
    static constexpr std::array<std::string_view, 9> kItems{"高度横根数 4", "高度横根数 6", "高度横根数 8", "高度横根数10", "高度横根数12", "高度横根数14", "高度横根数16", "高度横根数18", "高度横根数20"};
    return kItems;
}

void OnCoilChoiceChange(CDesignDlg& /*dlg*/) {}

void OnCoilHeatTransferChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
