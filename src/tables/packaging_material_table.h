#pragma once

#include <array>
#include <string_view>

namespace gelvant {

// Specific heat of the packaging that comes in with the goods.
struct PackagingMaterialRow {
    std::string_view item;
    float specificHeatKJPerKgC;
};

using PackagingMaterialTable = std::array<PackagingMaterialRow, 9>;

// clang-format off
inline constexpr PackagingMaterialTable kPackagingMaterialTable{{
    {"木板", 2.51F},
    {"黄铜", 0.39F},
    {"铁皮", 0.46F},
    {"铝皮", 0.88F},
    {"玻璃容器", 0.84F},
    {"瓦愣纸", 1.47F},
    {"黄油纸", 1.51F},
    {"布类", 1.21F},
    {"竹器", 1.51F},
}};
// clang-format on
static_assert(!kPackagingMaterialTable.back().item.empty());

} // namespace gelvant
