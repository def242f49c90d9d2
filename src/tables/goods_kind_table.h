#pragma once

#include <array>
#include <string_view>

namespace gelvant {

// Stacking density of stored goods by product and by the way they are packed
// or shelved. The list is looked up by position; the text only labels a row.
struct GoodsKindRow {
    std::string_view item;
    float densityKgPerM3;
};

using GoodsKindTable = std::array<GoodsKindRow, 25>;

// clang-format off
inline constexpr GoodsKindTable kGoodsKindTable{{
    {"冻猪白条肉", 400.0F},
    {"冻牛白条肉", 330.0F},
    {"冻羊腔", 250.0F},
    {"块装冻剔骨肉或副产品", 600.0F},
    {"冻猪油(动物油)", 650.0F},
    {"罐冰蛋", 600.0F},
    {"纸箱冻家禽", 550.0F},
    {"盘冻鸡", 350.0F},
    {"盘冻鸭", 450.0F},
    {"盘冻蛇", 700.0F},
    {"块装冻鱼", 470.0F},
    {"块装冻冰蛋", 630.0F},
    {"纸箱冻蛇", 450.0F},
    {"纸箱冻兔(带骨)", 500.0F},
    {"纸箱冻兔(去骨)", 650.0F},
    {"木箱鲜鸡蛋", 300.0F},
    {"筐装新鲜水果", 220.0F},
    {"箱装新鲜水果", 300.0F},
    {"活动架存蔬菜", 250.0F},
    {"固定架存蔬菜", 220.0F},
    {"篓装蔬菜", 250.0F},
    {"机制冰", 750.0F},
    {"篓装鲜鸡蛋", 230.0F},
    {"篓装鸭蛋", 250.0F},
    {"食品罐头", 600.0F},
}};
// clang-format on
static_assert(!kGoodsKindTable.back().item.empty());

} // namespace gelvant
