#pragma once

#include "reference/reference_presets.h"

#include <array>

namespace gelvant {

// List items every preset chooses, whatever the kind of room: the site
// "上海", the insulation "聚氨酯泡沫", first the door "有空气幕", the floor
// "地面为通风架空层" and the fresh air "长时间需新风".
inline constexpr int kPresetSiteItem = 1;
inline constexpr int kPresetInsulationItem = 0;
inline constexpr int kPresetFirstDoorItem = 0;
inline constexpr int kPresetFloorItem = 2;
inline constexpr int kPresetFreshAirItem = 0;

// List items by kind of room. Items are chosen by index; the texts are those
// of the lists' items at that index.
struct PresetGroupChoices {
    PresetGroup group;
    int goodsKindItem;
    int respirationProduceItem;
    int packagingRatioItem;
    int packagingMaterialItem;
    int roomKindItem;
    int productItem;
    // The door the room is left with; chosen again at the end only where it
    // differs from the first door choice.
    int finalDoorItem;
};

// clang-format off
inline constexpr std::array<PresetGroupChoices, 5> kPresetGroupChoices{{
    // goods "冻猪白条肉", produce "无", ratio "吊笼手推车冷却冻结", material "铝皮",
    // room "冷却间、冻结间", product "鲜家禽（肉类）", door "冷却冻结间次数锁定0"
    {PresetGroup::Processing, 0, 40, 4, 3, 1, 2, 3},
    // goods "冻猪白条肉", produce "无", ratio "鱼肉冻蛋类冷藏", material "铁皮",
    // room "冷藏间、冰库和穿堂", product "鲜家禽（肉类）", door "有空气幕"
    {PresetGroup::Storage, 0, 40, 0, 2, 2, 2, 0},
    // goods "机制冰", produce "无", ratio "吊笼手推车冷却冻结", material "铁皮",
    // room "冷藏间、冰库和穿堂", product "冰块", door "有空气幕"
    {PresetGroup::Ice, 21, 40, 4, 2, 2, 82, 0},
    // goods "箱装新鲜水果", produce "西红柿", ratio "鲜水果", material "瓦愣纸",
    // room "冷藏间、冰库和穿堂", product "西红柿", door "有空气幕"
    {PresetGroup::Produce, 17, 27, 6, 5, 2, 74, 0},
    // goods "篓装鲜鸡蛋", produce "无", ratio "鲜蛋类", material "瓦愣纸",
    // room "冷藏间、冰库和穿堂", product "鲜蛋", door "有空气幕"
    {PresetGroup::Eggs, 22, 40, 5, 5, 2, 46, 0},
}};
// clang-format on

constexpr const PresetGroupChoices& choicesForGroup(PresetGroup group) {
    return kPresetGroupChoices[static_cast<std::size_t>(group)];
}

constexpr bool presetGroupChoicesInGroupOrder() {
    for (std::size_t i = 0; i < kPresetGroupChoices.size(); ++i) {
        if (static_cast<std::size_t>(kPresetGroupChoices[i].group) != i) {
            return false;
        }
    }
    return true;
}
static_assert(presetGroupChoicesInGroupOrder(), "looked up by the group's value");

} // namespace gelvant
