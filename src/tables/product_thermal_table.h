#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace gelvant {

// Thermal properties of a food product, as the goods-heat rules use them.
// -99 marks a property the table does not know; it is copied like any value.
struct ProductThermalRow {
    std::string_view item; // list text, the key the row is found by
    float waterContentPercent;
    float freezingPointC;
    float specificHeatUnfrozenKJPerKgC; // above the freezing point
    float specificHeatFrozenKJPerKgC;   // below the freezing point
    // Whether choosing the product goes on to the frozen fraction and the
    // enthalpies; an incomplete row is copied and the designer is told.
    bool derives;
};

// The product list holds one item without a row: choosing it copies nothing.
inline constexpr std::size_t kProductItemWithoutRowIndex = 53;
inline constexpr std::string_view kProductItemWithoutRow = "杏子";

// Rows in list order; the trailing number is the item's index in the list.
// "生西红柿" and "西红柿" share one set of values; "犁" and "犁子" are
// spelled as the list shows them.
// clang-format off
inline constexpr auto kProductThermalTable = std::to_array<ProductThermalRow>({
    //  item, water %, freezing point °C, c unfrozen, c frozen kJ/(kg·°C), derives
    {"猪肉", 65.0F, -1.7F, 2.26F, 1.34F, true}, // 0
    {"土豆", 77.8F, -1.8F, 3.43F, 1.8F, true}, // 1
    {"鲜家禽（肉类）", 74.0F, -1.7F, 3.35F, 1.8F, true}, // 2
    {"冻家禽", 60.0F, -99.0F, 2.85F, -99.0F, false}, // 3
    {"南瓜", 90.5F, -1.0F, 3.85F, 1.97F, true}, // 4
    {"兔肉", 60.0F, -1.7F, 3.35F, 1.8F, true}, // 5
    {"冻兔肉", 60.0F, -99.0F, 2.85F, -99.0F, false}, // 6
    {"萝卜", 93.6F, -2.2F, 3.98F, 2.01F, true}, // 7
    {"米", 10.0F, -1.7F, 1.09F, 1.0F, true}, // 8
    {"菠菜", 92.7F, -0.9F, 3.94F, 2.01F, true}, // 9
    {"杨梅", 90.0F, -1.3F, 3.85F, 1.97F, true}, // 10
    {"糖", 0.5F, -99.0F, 0.84F, 0.84F, true}, // 11
    {"罐装糖汁", 36.0F, -2.2F, 2.68F, 2.0F, true}, // 12
    {"生西红柿", 94.0F, -0.9F, 3.98F, 2.01F, true}, // 13
    {"牛奶", 87.0F, -2.8F, 3.77F, 1.93F, true}, // 14
    {"羊肉", 70.0F, -1.7F, 3.35F, 1.8F, true}, // 15
    {"干坚果", 6.0F, -7.0F, 1.05F, 0.92F, true}, // 16
    {"菜油", 15.4F, -99.0F, -99.0F, -99.0F, false}, // 17
    {"洋葱", 87.5F, -1.0F, 3.77F, 1.93F, true}, // 18
    {"桔子", 90.0F, -2.2F, 3.77F, 1.93F, true}, // 19
    {"桃子", 86.9F, -1.5F, 3.77F, 1.93F, true}, // 20
    {"犁", 83.0F, -2.0F, 3.77F, 2.01F, true}, // 21
    {"犁子", 10.0F, -2.0F, 1.17F, 0.92F, true}, // 22
    {"青豌豆", 74.0F, -1.1F, 3.31F, 1.76F, true}, // 23
    {"菠萝", 85.3F, -1.2F, 3.68F, 1.88F, true}, // 24
    {"李子", 86.0F, -2.2F, 3.68F, 1.88F, true}, // 25
    {"葡萄", 82.0F, -4.0F, 3.6F, 1.84F, true}, // 26
    {"火腿", 54.0F, -1.7F, 2.43F, 1.42F, true}, // 27
    {"冰淇淋", 67.0F, -1.7F, 3.27F, 1.88F, true}, // 28
    {"果酱", 36.0F, -1.7F, 2.01F, 1.8F, true}, // 29
    {"人造奶油", 18.0F, -1.7F, 3.35F, 1.8F, true}, // 30
    {"牡蛎", 80.0F, -2.2F, 3.52F, 1.84F, true}, // 31
    {"猪油", 46.0F, -1.7F, 2.26F, 1.3F, true}, // 32
    {"韭菜", 88.2F, -1.4F, 3.77F, 1.93F, true}, // 33
    {"柠檬", 89.0F, -2.1F, 3.85F, 1.93F, true}, // 34
    {"莴苣", 94.8F, -0.3F, 4.02F, 2.01F, true}, // 35
    {"对虾", 79.0F, -1.7F, 3.65F, 1.84F, true}, // 36
    {"玉米", 73.9F, -0.8F, 3.31F, 1.76F, true}, // 37
    {"柑桔", 86.0F, -2.2F, 3.64F, 1.8F, true}, // 38
    {"甜瓜", 92.7F, -1.7F, 3.94F, 2.01F, true}, // 39
    {"樱桃", 82.0F, -4.5F, 3.64F, 1.93F, true}, // 40
    {"巧克力", 1.5F, -99.0F, 3.18F, 3.14F, false}, // 41
    {"奶油", 59.0F, -1.7F, 2.85F, 1.8F, true}, // 42
    {"黄瓜", 96.4F, -0.8F, 4.06F, 2.05F, true}, // 43
    {"葡萄干", 8.5F, -1.1F, 3.22F, 1.88F, true}, // 44
    {"椰子", 83.0F, -2.8F, 3.43F, 1.8F, true}, // 45
    {"鲜蛋", 70.0F, -2.2F, 3.18F, 1.68F, true}, // 46
    {"蛋粉", 6.0F, -1.7F, 1.05F, 0.88F, true}, // 47
    {"冰蛋", 73.0F, -2.2F, 3.35F, 1.76F, true}, // 48
    {"鲜鱼", 73.0F, -1.0F, 3.43F, 1.8F, true}, // 49
    {"干鱼", 45.0F, -1.7F, 2.35F, 1.42F, true}, // 50
    {"干果", 30.0F, -1.7F, 1.76F, 1.13F, true}, // 51
    {"干大蒜", 74.0F, -4.0F, 3.31F, 1.76F, true}, // 52
    // 53 "杏子": listed, no row (kProductItemWithoutRow)
    {"龙须菜", 94.0F, -2.0F, 3.89F, 1.93F, true}, // 54
    {"咸肉（初腌）", 39.0F, -1.7F, 2.14F, 1.34F, true}, // 55
    {"腊肉（熏制）", 29.0F, -1.7F, 1.8F, 1.21F, true}, // 56
    {"香蕉", 75.0F, -1.7F, 3.35F, 1.76F, true}, // 57
    {"干蚕豆", 13.0F, -1.7F, 1.26F, 1.01F, true}, // 58
    {"扁豆", 89.0F, -1.5F, 3.85F, 1.97F, true}, // 59
    {"甜菜", 72.0F, -2.0F, 3.22F, 1.72F, true}, // 60
    {"啤酒", 91.0F, -2.0F, 3.77F, 1.88F, true}, // 61
    {"洋白菜", 85.0F, -1.7F, 3.85F, 1.97F, true}, // 62
    {"黄油", 15.0F, -2.2F, 2.3F, 1.42F, true}, // 63
    {"酪乳", 87.0F, -1.7F, 3.77F, 1.9F, true}, // 64
    {"卷心菜", 91.0F, -0.5F, 3.89F, 1.97F, true}, // 65
    {"胡萝卜", 83.0F, -1.7F, 3.64F, 1.88F, true}, // 66
    {"芹菜", 94.0F, -1.2F, 3.98F, 1.93F, true}, // 67
    {"干酪", 53.0F, -2.2F, 2.68F, 1.47F, true}, // 68
    {"草莓", 90.0F, -1.17F, 3.86F, 1.97F, true}, // 69
    {"菜卷（牛肉馅）", 64.0F, -2.0F, 3.3858F, 1.7974F, true}, // 70
    {"芦笋", 94.0F, -1.2F, 3.89F, 1.97F, true}, // 71
    {"青刀豆", 92.0F, -1.2F, 3.89F, 1.97F, true}, // 72
    {"苹果", 85.0F, -2.0F, 3.85F, 2.09F, true}, // 73
    {"西红柿", 94.0F, -0.9F, 3.98F, 2.01F, true}, // 74
    {"大头菜", 90.9F, -0.9F, 3.89F, 1.97F, true}, // 75
    {"西瓜", 92.1F, -1.6F, 4.06F, 2.01F, true}, // 76
    {"牛肉", 63.0F, -1.7F, 2.97F, 1.63F, true}, // 77
    {"鲜野味", 74.0F, -1.7F, 3.27F, 1.72F, true}, // 78
    {"枣", 83.0F, -2.8F, 3.43F, 1.85F, true}, // 79
    {"李子梅子", 86.0F, -2.2F, 3.68F, 1.88F, true}, // 80
    {"蘑菇", 91.1F, -1.0F, 3.89F, 1.97F, true}, // 81
    {"冰块", 100.0F, -4.0F, 4.19F, 2.09F, true}, // 82
    {"蜂蜜", 18.0F, -1.7F, 1.47F, 1.09F, true}, // 83
    {"麦片", 10.0F, -1.7F, 1.09F, 1.0F, true}, // 84
    {"听装果子汁", 36.0F, -2.2F, 2.68F, 1.87F, true}, // 85
});
// clang-format on

static_assert(kProductThermalTable[kProductItemWithoutRowIndex - 1].item == "干大蒜");
static_assert(kProductThermalTable[kProductItemWithoutRowIndex].item == "龙须菜");

} // namespace gelvant
