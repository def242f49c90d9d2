#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace gelvant {

// Temperatures at which the respiration heats are given, °C.
inline constexpr std::array<float, 7> kRespirationPointsC{0, 2, 5, 10, 15, 20, 25};

// Respiration heat of a fresh fruit or vegetable at each temperature point,
// W per tonne; 0 means the point is not given and is filled in from its
// neighbours when the heats are interpolated.
struct RespirationRow {
    std::string_view item;          // list text, the key the row is found by
    std::array<float, 7> heatWPerT; // at 0, 2, 5, 10, 15, 20, 25 °C
};

// Rows in list order; the trailing number is the item's index in the list.
// The figures stand as measured, "菜花" with a 0 °C heat above its 2 °C heat
// and "坚果" with equal heats at 10 and 15 °C included.
// clang-format off
inline constexpr auto kRespirationTable = std::to_array<RespirationRow>({
    //  item, {0 °C, 2 °C, 5 °C, 10 °C, 15 °C, 20 °C, 25 °C} W/t
    {"杏子", {17.0F, 27.0F, 56.0F, 102.0F, 155.0F, 199.0F, 0.0F}}, // 0
    {"香蕉（青）", {0.0F, 0.0F, 52.0F, 98.0F, 131.0F, 155.0F, 0.0F}}, // 1
    {"香蕉（熟）", {0.0F, 0.0F, 58.0F, 116.0F, 164.0F, 242.0F, 0.0F}}, // 2
    {"成熟柠檬", {9.0F, 13.0F, 20.0F, 33.0F, 47.0F, 58.0F, 78.0F}}, // 3
    {"甜樱桃", {21.0F, 31.0F, 47.0F, 97.0F, 165.0F, 219.0F, 0.0F}}, // 4
    {"橙", {10.0F, 13.0F, 19.0F, 35.0F, 56.0F, 69.0F, 96.0F}}, // 5
    {"西瓜", {19.0F, 23.0F, 27.0F, 46.0F, 70.0F, 102.0F, 0.0F}}, // 6
    {"犁（早熟）", {20.0F, 28.0F, 47.0F, 63.0F, 160.0F, 278.0F, 0.0F}}, // 7
    {"犁（晚熟）", {10.0F, 22.0F, 41.0F, 56.0F, 126.0F, 219.0F, 0.0F}}, // 8
    {"苹果（早熟）", {19.0F, 21.0F, 31.0F, 60.0F, 92.0F, 121.0F, 149.0F}}, // 9
    {"苹果（晚熟）", {10.0F, 14.0F, 21.0F, 31.0F, 58.0F, 73.0F, 0.0F}}, // 10
    {"李子", {21.0F, 35.0F, 65.0F, 126.0F, 184.0F, 233.0F, 0.0F}}, // 11
    {"葡萄", {9.0F, 17.0F, 24.0F, 36.0F, 49.0F, 78.0F, 102.0F}}, // 12
    {"香瓜", {20.0F, 23.0F, 28.0F, 43.0F, 76.0F, 102.0F, 0.0F}}, // 13
    {"桃子", {19.0F, 22.0F, 41.0F, 92.0F, 131.0F, 181.0F, 236.0F}}, // 14
    {"菠萝（熟）", {0.0F, 0.0F, 45.0F, 70.0F, 80.0F, 87.0F, 0.0F}}, // 15
    {"酸樱桃", {22.0F, 34.0F, 53.0F, 107.0F, 184.0F, 242.0F, 0.0F}}, // 16
    {"草莓", {47.0F, 63.0F, 92.0F, 175.0F, 242.0F, 300.0F, 453.0F}}, // 17
    {"坚果", {2.0F, 3.0F, 5.0F, 10.0F, 10.0F, 15.0F, 0.0F}}, // 18
    {"抱子甘蓝嫩芽卷心菜", {67.0F, 78.0F, 135.0F, 228.0F, 295.0F, 520.0F, 0.0F}}, // 19
    {"菜花", {63.0F, 17.0F, 88.0F, 138.0F, 259.0F, 402.0F, 0.0F}}, // 20
    {"洋白菜卷心菜", {33.0F, 36.0F, 51.0F, 78.0F, 121.0F, 194.0F, 0.0F}}, // 21
    {"结球甘蓝", {19.0F, 24.0F, 24.0F, 38.0F, 58.0F, 116.0F, 0.0F}}, // 22
    {"土豆马铃薯", {20.0F, 22.0F, 24.0F, 26.0F, 36.0F, 44.0F, 0.0F}}, // 23
    {"胡萝卜", {28.0F, 34.0F, 38.0F, 44.0F, 97.0F, 135.0F, 0.0F}}, // 24
    {"黄瓜", {20.0F, 24.0F, 34.0F, 60.0F, 121.0F, 174.0F, 0.0F}}, // 25
    {"甜菜", {20.0F, 28.0F, 34.0F, 60.0F, 116.0F, 213.0F, 0.0F}}, // 26
    {"西红柿", {17.0F, 20.0F, 28.0F, 41.0F, 87.0F, 102.0F, 0.0F}}, // 27
    {"蒜", {22.0F, 31.0F, 47.0F, 71.0F, 128.0F, 152.0F, 0.0F}}, // 28
    {"洋葱", {20.0F, 21.0F, 26.0F, 34.0F, 46.0F, 58.0F, 0.0F}}, // 29
    {"青豆四季豆", {70.0F, 82.0F, 121.0F, 206.0F, 412.0F, 577.0F, 721.0F}}, // 30
    {"莴苣", {39.0F, 44.0F, 51.0F, 102.0F, 189.0F, 339.0F, 0.0F}}, // 31
    {"蘑菇", {121.0F, 131.0F, 160.0F, 252.0F, 485.0F, 635.0F, 0.0F}}, // 32
    {"豌豆", {104.0F, 143.0F, 189.0F, 267.0F, 460.0F, 645.0F, 872.0F}}, // 33
    {"芹菜", {20.0F, 24.0F, 29.0F, 66.0F, 102.0F, 138.0F, 0.0F}}, // 34
    {"玉蜀黍", {80.0F, 95.0F, 116.0F, 291.0F, 465.0F, 639.0F, 756.0F}}, // 35
    {"青椒", {33.0F, 45.0F, 64.0F, 96.0F, 114.0F, 131.0F, 0.0F}}, // 36
    {"芦笋", {65.0F, 73.0F, 85.0F, 160.0F, 279.0F, 363.0F, 0.0F}}, // 37
    {"菠菜", {82.0F, 129.0F, 199.0F, 313.0F, 523.0F, 897.0F, 0.0F}}, // 38
});
// clang-format on

// The two items after the rows: the strongest produce of the table (it takes
// the row of "菠菜", the highest heats from 5 °C up) and goods that do not
// respire.
inline constexpr std::string_view kStrongestProduceItem = "选表中最强";
inline constexpr std::string_view kStrongestProduceRowItem = "菠菜";
inline constexpr std::string_view kNoProduceItem = "无";

static_assert(kRespirationTable.back().item == kStrongestProduceRowItem);

} // namespace gelvant
