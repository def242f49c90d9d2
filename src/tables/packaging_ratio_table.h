#pragma once

#include <array>
#include <string_view>

namespace gelvant {

// Mass of packaging and handling gear (trays, hooks, trolleys, crates) per
// mass of goods taken in, by the way the goods are stored.
struct PackagingRatioRow {
    std::string_view item;
    float kgPerKgGoods;
};

using PackagingRatioTable = std::array<PackagingRatioRow, 9>;

// clang-format off
inline constexpr PackagingRatioTable kPackagingRatioTable{{
    {"鱼肉冻蛋类冷藏", 0.1F},
    {"猪单轨叉档", 0.1F},
    {"猪双轨叉档", 0.3F},
    {"鱼肉蛋搁架冷却冻结", 0.3F},
    {"吊笼手推车冷却冻结", 0.6F},
    {"鲜蛋类", 0.25F},
    {"鲜水果", 0.25F},
    {"鲜蔬菜", 0.35F},
    {"无", 0.0F},
}};
// clang-format on
static_assert(!kPackagingRatioTable.back().item.empty());

} // namespace gelvant
