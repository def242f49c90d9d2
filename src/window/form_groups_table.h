#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace gelvant {

// The note across the top of the form, blank runs included.
inline constexpr std::string_view kFormTopNote =
    "说明：空库热仅指库板和库内金属材料、空气的降温热量 ，不含操作通风和货物热。"
    "压缩机选用指直接制冷式，冷凝温度一般35-45℃，管道冷损耗取7％，吸气间温差2℃。"
    "间接制冷蒸       发温度和冷量都会相应增加，计算排管面积时未包括冷风机的电机热，"
    "所以一般排管冷要小于冷风机用冷，如排管间另设有电机，应另外计算增加面积和负荷。"
    "对冷风机根据面积       和温度选定型号后输入冷风机功率和台数后二次计算修正结果。"
    "提高温差会使排管和冷风机面积减少，但会降低蒸发温度提高压缩机负荷增加运行成本，"
    "一般取8℃左右比较经济";

// The design form is a stack of bands under the long note. Each band is a
// row of columns, each column a stack of groups; the last group of a column
// stretches to the band's bottom so that the columns end level.
struct FormGroupDef {
    std::string_view title; // empty: an untitled band with a frame
    int band;
    int column;
};

// Group numbers, used by the cell table.
namespace grp {
inline constexpr int storeSize = 0;
inline constexpr int insulation = 1;
inline constexpr int goods = 2;
inline constexpr int ventilation = 3;
inline constexpr int workers = 4;
inline constexpr int goodsHeat = 5;
inline constexpr int respiration = 6;
inline constexpr int doorAndFloor = 7;
inline constexpr int otherMaterials = 8;
inline constexpr int airCoolers = 9;
inline constexpr int lighting = 10;
inline constexpr int results = 11;
inline constexpr int evaporators = 12;
inline constexpr int reference = 13;
inline constexpr int emptyStore = 14;
} // namespace grp

// In stacking order: band, then column, then top to bottom.
inline constexpr std::array<FormGroupDef, 15> kFormGroups{{
    {"库体尺寸", 0, 0},
    {"保温材料", 0, 0},
    {"货物参数", 0, 1},
    {"通风换气", 0, 1},
    {"人工操作热量", 0, 1},
    {"货物热量", 0, 2},
    {"鲜果蔬呼吸热", 0, 2},
    {"库门和地面", 0, 2},
    {"其它材料热", 0, 3},
    {"冷风机", 0, 3},
    {"照明热量", 0, 3},
    {"", 1, 0},
    {"", 2, 0},
    {"各类冷间热负荷的经验数据", 3, 0},
    {"空库降温", 3, 1},
}};
static_assert(kFormGroups.size() == 15);

} // namespace gelvant
