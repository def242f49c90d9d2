#pragma once

#include "language/language.h"

#include <array>

namespace gelvant {

// The plant's coefficients and systems, the rooms' uses, the project's rooms and
// its title block.
// clang-format off
inline constexpr auto kPlantEnglish = std::to_array<Translation>({
    {"围护结构热流量季节修正系数 n1",
     "Seasonal correction of the envelope heat flow n1"},
    {"同期换气系数 n3",
     "Simultaneous air change factor n3"},
    {"冷却物冷藏间货物热流量折减系数 n2",
     "Goods heat flow reduction of chilled stores n2"},
    {"冻结物冷藏间货物热流量折减系数 n2",
     "Goods heat flow reduction of frozen stores n2"},
    {"负荷系数 p",
     "Load factor p"},
    {"间接冷却",
     "Indirect cooling"},
    {"直接冷却",
     "Direct cooling"},
    {"自动",
     "Auto"},
    {"冷却间",
     "Chilling room"},
    {"冻结间",
     "Freezing room"},
    {"冷却物冷藏间",
     "Chilled store"},
    {"冻结物冷藏间",
     "Frozen store"},
    {"冰库",
     "Ice store"},
    {"穿堂",
     "Anteroom"},
    {"冷加工间（其他冷间）",
     "Cold processing room (other cold rooms)"},
    {"库房1",
     "Room 1"},
    {"项目名称",
     "Project"},
    {"设计单位",
     "Company"},
    {"设计人",
     "Designer"},
    {"校对",
     "Checked by"},
    {"审核",
     "Reviewed by"},
    {"审定",
     "Approved by"},
    {"日期",
     "Date"},
    {"备注",
     "Notes"},
});
// clang-format on
static_assert(wordRowsValid(kPlantEnglish), "each row: CJK in Chinese, none in English");

} // namespace gelvant
