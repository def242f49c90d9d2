#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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

// The groups of the design form, in stacking order.
enum class FormGroup : std::uint8_t {
    StoreSize,
    Insulation,
    Goods,
    Ventilation,
    Workers,
    GoodsHeat,
    Respiration,
    DoorAndFloor,
    OtherMaterials,
    AirCoolers,
    Lighting,
    Results,
    Evaporators,
    Reference,
    EmptyStore,
};

// The design form is a stack of bands under the long note. Each band is a
// row of columns, each column a stack of groups; the last group of a column
// stretches to the band's bottom so that the columns end level.
struct FormGroupDef {
    FormGroup group;
    std::string_view title; // empty: an untitled band with a frame
    int band;
    int column;
};

// In stacking order: band, then column, then top to bottom.
inline constexpr std::array kFormGroups{
    FormGroupDef{FormGroup::StoreSize, "库体尺寸", 0, 0},
    FormGroupDef{FormGroup::Insulation, "保温材料", 0, 0},
    FormGroupDef{FormGroup::Goods, "货物参数", 0, 1},
    FormGroupDef{FormGroup::Ventilation, "通风换气", 0, 1},
    FormGroupDef{FormGroup::Workers, "人工操作热量", 0, 1},
    FormGroupDef{FormGroup::GoodsHeat, "货物热量", 0, 2},
    FormGroupDef{FormGroup::Respiration, "鲜果蔬呼吸热", 0, 2},
    FormGroupDef{FormGroup::DoorAndFloor, "库门和地面", 0, 2},
    FormGroupDef{FormGroup::OtherMaterials, "其它材料热", 0, 3},
    FormGroupDef{FormGroup::AirCoolers, "冷风机", 0, 3},
    FormGroupDef{FormGroup::Lighting, "照明热量", 0, 3},
    FormGroupDef{FormGroup::Results, "", 1, 0},
    FormGroupDef{FormGroup::Evaporators, "", 2, 0},
    FormGroupDef{FormGroup::Reference, "各类冷间热负荷的经验数据", 3, 0},
    FormGroupDef{FormGroup::EmptyStore, "空库降温", 3, 1},
};

// A group's row is found by the group's value: every group has its row, in
// the enumeration's order.
consteval bool formGroupsInEnumOrder() {
    for (std::size_t i = 0; i < kFormGroups.size(); ++i) {
        if (static_cast<std::size_t>(kFormGroups[i].group) != i) {
            return false;
        }
    }
    return kFormGroups.size() == static_cast<std::size_t>(FormGroup::EmptyStore) + 1;
}
static_assert(formGroupsInEnumOrder(), "one row per group, in the enumeration's order");

constexpr const FormGroupDef& formGroupDef(FormGroup group) {
    return kFormGroups[static_cast<std::size_t>(group)];
}

} // namespace gelvant
