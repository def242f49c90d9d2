#include "calc/surface_areas.h"

#include "form/design_sheet.h"
#include "form/numeric.h"

#include <array>

namespace gelvant {

void UpdateSurfaceAreas(DesignSheet& sheet) {
    const double coilLoadW =
        static_cast<double>(sheet.totalCoolingLoadW) - static_cast<double>(sheet.airCoolerHeatW);
    sheet.coilAreaM2 = rndInt(coilLoadW / sheet.coilHeatFlux);
    sheet.airCoolerAreaM2 =
        rndInt(static_cast<double>(sheet.totalCoolingLoadW) / sheet.airCoolerHeatFlux);
}

std::optional<double> temperatureDifferenceForIndex(int index) {
    static constexpr std::array<double, 5> kDifferencesC{6, 8, 10, 12, 15};
    if (index < 0 || index >= static_cast<int>(kDifferencesC.size())) {
        return std::nullopt;
    }
    return kDifferencesC[static_cast<std::size_t>(index)];
}

} // namespace gelvant
