#pragma once

#include "project/load_unit.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace gelvant {

inline constexpr std::size_t kLoadColumnCount = 5;
inline constexpr std::size_t kFormulaColumnCount = 3;

// The fixed words of the calculation sheet around the form's own texts: the
// section titles, the load table's column titles and the marks that join a
// label to its text. The window's PDF and the page's printed sheet both take
// them from the report (Report::words), so that the two say the same in the
// same order; the load table on the clipboard heads its columns alike.
struct SheetWords {
    std::string_view summary;     // the project summary of a project of several rooms
    std::string_view machineLoad; // the plant's machine-load page
    std::string_view schedule;    // the equipment schedule after it
    std::string_view signOff;     // the sign-off block on the first page
    std::array<std::string_view, 4> signOffColumns;
    std::string_view room;   // before a room's name, above its pages
    std::string_view inputs; // the sections of a room, numbered in reading order
    std::string_view load;
    std::string_view chart; // the number before the load chart's own title
    std::string_view equipment;
    std::string_view reference;
    std::array<std::string_view, kLoadColumnCount> loadColumns;
    // Under the load table, how each line is worked out: its formula, the
    // values put in with the result, and the heat flow Q1…Q5 it counts in;
    // "where" leads what the symbols stand for.
    std::string_view formulas;
    std::array<std::string_view, kFormulaColumnCount> formulaColumns;
    std::string_view where;
    // On the machine-load page, the load lines each heat flow is made of.
    std::array<std::string_view, 2> flowColumns;
    std::string_view note;  // before a note under a table
    std::string_view colon; // between a label and its value on one line
    std::string_view gap;   // between two statements on one line
};

inline constexpr SheetWords kSheetWords{
    .summary = "项目汇总",
    .machineLoad = "冷间机械负荷（GB 50072）",
    .schedule = "设备表",
    .signOff = "签署",
    .signOffColumns = {"职责", "姓名", "签字", "日期"},
    .room = "库房：",
    .inputs = "一、设计参数",
    .load = "二、冷负荷计算",
    .chart = "三、",
    .equipment = "四、设备选型与防结露校核",
    .reference = "五、参考库房（经验数据）",
    .loadColumns = {"负荷项目", "冷负荷(W)", "冷负荷(kcal/h)", "占比", "计算依据"},
    .formulas = "冷负荷计算式",
    .formulaColumns = {"负荷项目", "热流量", "计算式、代入数值与计算结果"},
    .where = "式中：",
    .flowColumns = {"热流量", "组成（各库房计入的负荷项目，计算式见各库房的冷负荷计算式）"},
    .note = "注：",
    .colon = "：",
    .gap = "　　",
};

// The title of the load table's column of figures in each unit, in the
// order of kLoadUnits.
inline constexpr std::array<std::string_view, kLoadUnits.size()> kLoadFigureColumns{
    "冷负荷(W)", "冷负荷(kW)", "冷负荷(kcal/h)", "冷负荷(RT)", "冷负荷(BTU/h)"};

constexpr bool figureColumnsFollowUnits() {
    for (std::size_t i = 0; i < kLoadUnits.size(); ++i) {
        const std::string_view title = kLoadFigureColumns.at(i);
        const std::string_view symbol = kLoadUnits.at(i).symbol;
        if (!title.ends_with(")") || title.size() < symbol.size() + 2 ||
            title.substr(title.size() - symbol.size() - 1, symbol.size()) != symbol) {
            return false;
        }
    }
    return true;
}
static_assert(figureColumnsFollowUnits(), "each column title names its unit");
static_assert(kSheetWords.loadColumns[1] == kLoadFigureColumns[0] &&
                  kSheetWords.loadColumns[2] == kLoadFigureColumns[2],
              "a sheet in W shows W and kcal/h");

// The words of a sheet whose loads are shown in the unit: the load table's
// first column of figures in the unit, the second in kcal/h beside W (the
// sheet as it has always been), else in W, for a check against the form.
constexpr SheetWords sheetWordsIn(const SheetWords& words,
                                  const std::array<std::string_view, kLoadUnits.size()>& figures,
                                  LoadUnit unit) {
    SheetWords shown = words;
    const auto at = [&](LoadUnit u) { return figures.at(static_cast<std::size_t>(u)); };
    shown.loadColumns.at(1) = at(unit);
    shown.loadColumns.at(2) = at(unit == LoadUnit::W ? LoadUnit::KcalPerH : LoadUnit::W);
    return shown;
}

} // namespace gelvant
