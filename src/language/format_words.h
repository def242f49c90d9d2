#pragma once

#include "language/language.h"

#include <array>

namespace gelvant {

// The texts the core puts together from words and figures. A text is
// matched against the rows in order, so a narrower row stands before a
// wider one.
// clang-format off
inline constexpr auto kFormatEnglish = std::to_array<Translation>({
    // The notes and messages of the form's rules.
    {"=%sKcal/h，=%sKW", "= %s kcal/h, = %s kW"},
    {"吨位%st,日进货%st", "%s t, intake %s t/day"},
    {"空库热=%sKcal，空库降温需%s/%s=%s小时", "Empty-store heat = %s kcal; pull-down takes %s/%s = %s h"},
    {"库板厚度%s < 防结露厚度%s ，请重选", "Panel thickness %s < anti-condensation thickness %s; please choose again"},
    {"库板厚度%s ≥ 防结露厚度%s，外表面不结露", "Panel thickness %s ≥ anti-condensation thickness %s: no condensation on the outer surface"},
    {"压缩机选用：蒸发T=%s℃,制冷量%sKW--冷风机功率已加入请核对", "Compressor: evaporating T = %s℃, capacity %s kW (air cooler power included, please check)"},
    {"压缩机选用：蒸发T=%s℃,制冷量%sKW--输入冷风机功率后再计算一次", "Compressor: evaporating T = %s℃, capacity %s kW (enter the air cooler power and compute again)"},
    {"压缩机选用：蒸发T=%s℃,制冷量%sKW--冷负荷%s/%s=%sw/t", "Compressor: evaporating T = %s℃, capacity %s kW; load %s/%s = %s W/t"},
    {"    %t：%t", "    %t: %t"},
    // The plant's coefficients and the rooms' uses.
    {"%t 应在 %s～%s 之间。", "%t must lie between %s and %s."},
    {"%t 应为 %s～%s 之间的整数。", "%t must be a whole number between %s and %s."},
    {"%t（R = %s）", "%t (R = %s)"},
    {"%t（%s～%s）", "%t (%s to %s)"},
    {"%t（自动）", "%t (auto)"},
    {"自动 %s", "Auto %s"},
    {"R 制冷系统及管道冷损耗系数（%t）", "R refrigeration system and pipe loss factor (%t)"},
    // The custom data and the files.
    {"没有“%n”这一类自定义数据（地区气候、食品、保温材料、货物种类）。", "There is no kind of custom data “%n” (site climate, product, insulation, goods kind)."},
    {"请输入%t的名称。", "Please enter a name for the %t entry."},
    {"名称“%n”不能含空格或控制字符。", "The name “%n” may not hold blanks or control characters."},
    {"名称“%n”太长：最多 %s 个字。", "The name “%n” is too long: %s characters at most."},
    {"%t列表中已有“%n”，请另取一个名称。", "The %t list already has “%n”; please choose another name."},
    {"%t没有“%n”这一项。", "%t has no item “%n”."},
    {"%t 给出了不止一次。", "%t is given more than once."},
    {"请填写 %t。", "Please fill in %t."},
    {"%t 应为数字：“%n”不是数字。", "%t must be a number: “%n” is not one."},
    {"%t中没有自定义数据“%n”。", "%t holds no custom data “%n”."},
    {"以下自定义数据与本机的同名数据不同，本设计仍用设计文件中的数值：%l", "These custom data differ from this computer's data of the same name; this design keeps the values of its file: %l"},
    // A designer's entry named with its kind, as the message above lists it.
    {"地区气候 %n", "Site climate %n"},
    {"食品 %n", "Product %n"},
    {"保温材料 %n", "Insulation %n"},
    {"货物种类 %n", "Goods kind %n"},
    {"无法读取文件：%n", "Cannot read the file: %n"},
    {"文件格式错误（不是 JSON）：第 %s 行第 %s 列。", "The file is not JSON: line %s, column %s."},
    {"此文件由更新版本的 Gelvant 保存（格式版本 %s），请升级本程序后再导入。", "This file was saved by a newer Gelvant (format version %s); please update the program before importing it."},
    {"此文件由更新版本的 Gelvant 保存（格式版本 %s），请升级本程序后再打开。", "This file was saved by a newer Gelvant (format version %s); please update the program before opening it."},
    {"自定义数据文件内容有误（类型不对）：%n", "The custom data file holds a wrong type: %n"},
    {"自定义数据文件中的 %n 有误：%t", "%n in the custom data file is wrong: %t"},
    {"设计文件内容有误（类型不对）：%n", "The design file holds a wrong type: %n"},
    {"设计文件中的数值有误：%n", "The design file holds a wrong value: %n"},
    {"设计文件中的自定义数据有误（%t）：%t", "The design file's custom data is wrong (%t): %t"},
    {"以下列表的选项在本版本中找不到，已留空：%l", "The choices of these lists are not in this version and were left empty: %l"},
    {"系统错误：%n", "System error: %n"},
    // The file workflow's questions and refusals, line by line.
    {"设计“%n”已修改。", "The design “%n” has changed."},
    {"Gelvant 上次没有正常关闭。设计“无标题”有未保存的修改（%n 自动保存）。", "Gelvant did not close normally last time. The design “Untitled” has unsaved changes (saved automatically at %n)."},
    {"Gelvant 上次没有正常关闭。设计“%n”有未保存的修改（%n 自动保存）。", "Gelvant did not close normally last time. The design “%n” has unsaved changes (saved automatically at %n)."},
    {"无法打开“%n”：", "Cannot open “%n”:"},
    {"无法保存到“%n”：", "Cannot save to “%n”:"},
    {"本设计有 %s 个库房。输出整个项目（项目汇总和各库房），还是只输出当前库房“%n”？", "This design has %s rooms. Output the whole project (the project summary and every room), or only the current room “%n”?"},
    {"无法写入文件 %n：", "Cannot write the file %n:"},
    {"删除库房“%n”？", "Delete the room “%n”?"},
    // The calculation sheet and the summary.
    {"%n：总冷负荷不是有限数值，未计入合计。", "%n: the total cooling load is not a finite number; left out of the sums."},
    {"%n：未选计算温差，蒸发温度无从确定，未计入合计。", "%n: no design temperature difference chosen, so no evaporating temperature; left out of the sums."},
    {"%n：蒸发温度或制冷量不是有限数值，未计入合计。", "%n: the evaporating temperature or the capacity is not a finite number; left out of the sums."},
    {"%n：未计算，未计入合计。", "%n: not computed, left out of the sums."},
    {"%n：输入在上次计算后有改动，结果未重新计算，仍计入合计。", "%n: inputs changed after the last calculation; the results were not computed again and stay in the sums."},
    {"%n：库温与蒸发温度相差 %s℃，超过%t的 %s℃（GB 50072）。", "%n: room and evaporating temperatures %s℃ apart, beyond the limit of %t, %s℃ (GB 50072)."},
    {"%t：机械负荷 %s kW，库房选配合计 %s kW，无从比较。", "%t: machine load %s kW, rooms' selections %s kW; no comparison possible."},
    {"%t：机械负荷 %s kW，库房选配合计 %s kW，与机械负荷相同。", "%t: machine load %s kW, rooms' selections %s kW, the same as the machine load."},
    {"%t：机械负荷 %s kW，库房选配合计 %s kW，比机械负荷少 %s kW（%s%%）。", "%t: machine load %s kW, rooms' selections %s kW, %s kW (%s%%) less than the machine load."},
    {"%t：机械负荷 %s kW，库房选配合计 %s kW，比机械负荷多 %s kW（%s%%）。", "%t: machine load %s kW, rooms' selections %s kW, %s kW (%s%%) more than the machine load."},
    {"%n（未重新计算）", "%n (not computed again)"},
    {"不计入（%t冷却）", "Not counted: the room is cooled by %t"},
    {"不计入（%t）", "Not counted for a room of this use (%t)"},
    {"%t（选用）", "%t (chosen)"},
    {"压缩机（%t）", "Compressor (%t)"},
    {"蒸发温度%s", "Evaporating temperature %s"},
    {"第 %s 页 共 %s 页", "Page %s of %s"},
    {"%s（tn ≥ 0℃，不计）", "%s (tn ≥ 0℃, not counted)"},
    {"%s（%t）", "%s (%t)"},
    {"%t 蒸发温度%s℃", "%t, evaporating temperature %s℃"},
    {"%t 合计", "%t, total"},
    {"%n 副本", "%n copy"},
    {"库房%s", "Room %s"},
    // The widest: a label and its value, a symbol and what it stands for.
    {"%t（%t）", "%t (%t)"},
    {"%t — %t，%t，%s", "%t — %t, %t, %s"},
    {"%t — %t，%t", "%t — %t, %t"},
    {"%t — %t", "%t — %t"},
    {"%t：%t", "%t: %t"},
    {"%t(%s)", "%t (%s)"},
    {"%t %s", "%t %s"},
    {"%s～%s", "%s to %s"},
});
// clang-format on
static_assert(formatRowsAgree(kFormatEnglish), "both sides hold the same slots in the same order");

} // namespace gelvant
