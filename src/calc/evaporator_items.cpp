#include "calc/evaporator_items.h"

#include "form/numeric.h"

#include <array>
#include <cstdint>

namespace gelvant {

int airCoolerEvaporationItem(float roomTempC, double designDifferenceC) {
    const std::int32_t d = truncInt(static_cast<double>(roomTempC) - designDifferenceC);
    if (d >= 0) {
        return 4;
    }
    if (d >= -15) {
        return 3;
    }
    if (d >= -20) {
        return 2;
    }
    if (d >= -30) {
        return 1;
    }
    return 0;
}

int coilRoomTempItem(float roomTempC) {
    static constexpr std::array<float, 9> kLowerBoundsC{0, -4, -10, -12, -15, -18, -20, -23, -25};
    for (std::size_t i = 0; i < kLowerBoundsC.size(); ++i) {
        if (roomTempC >= kLowerBoundsC[i]) {
            return static_cast<int>(i);
        }
    }
    return 9; // -30 °C and below
}

} // namespace gelvant
