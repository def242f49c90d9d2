#pragma once

#include "project/load_unit.h"
#include "project/summary.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gelvant {

// One column of a summary table: its name and unit, apart so that a
// spreadsheet export can put the unit in a column of its own.
struct SummaryColumn {
    std::string_view name;
    std::string_view unit; // empty: none
};

// The header text of a column: "总冷负荷(W)", or the name alone.
std::string columnHeader(const SummaryColumn& column);

// The columns with a load in the unit: every column in W (a load per tonne,
// W/t, and a capacity in kW stay as they are).
template <std::size_t N>
constexpr std::array<SummaryColumn, N> columnsIn(std::array<SummaryColumn, N> columns,
                                                 LoadUnit unit) {
    for (SummaryColumn& column : columns) {
        if (column.unit == "W") {
            column.unit = loadUnitDef(unit).symbol;
        }
    }
    return columns;
}

// A load in a cell: as the program has always shown it in W ("inf" for a
// sum that is not finite), else in the unit with its decimals.
std::string loadCell(double watts, LoadUnit unit);

inline constexpr std::size_t kRoomColumnCount = 11;
inline constexpr std::array<SummaryColumn, kRoomColumnCount> kRoomColumns{{
    {"名称", ""},
    {"库温", "℃"},
    {"内容积", "m3"},
    {"贮藏吨位", "t"},
    {"总冷负荷", "W"},
    {"冷却设备", ""},
    {"蒸发温度", "℃"},
    {"制冷量", "kW"},
    {"冷却负荷", "W/t"},
    {"排管面积", "m2"},
    {"冷风机面积", "m2"},
}};

inline constexpr std::size_t kGroupColumnCount = 5;
inline constexpr std::array<SummaryColumn, kGroupColumnCount> kGroupColumns{{
    {"蒸发温度", "℃"},
    {"库房", ""},
    {"库房数", ""},
    {"制冷量", "kW"},
    {"总冷负荷", "W"},
}};

using SummaryRoomRow = std::array<std::string, kRoomColumnCount>;
using SummaryGroupRow = std::array<std::string, kGroupColumnCount>;

inline constexpr std::string_view kNotComputed = "未计算";
// Beside a room, a group or the total whose results no longer answer to the
// inputs: they stay in the sums, marked.
inline constexpr std::string_view kStaleMark = "（未重新计算）";
// Under the title of such a room's page of the calculation sheet.
inline constexpr std::string_view kStaleResultsNote =
    "未重新计算：本库房的输入在上次计算后有改动，以下结果与输入不符，请重新计算。";
// What a cell shows when there is no number to show.
inline constexpr std::string_view kNoValue = "—";

// The project summary as the designer reads it: the text of every cell of
// the rooms table, the groups by evaporating temperature (coldest first)
// and the project total, plus one note for each room left out of the sums.
// The report and the summary window show these very texts.
struct SummaryTable {
    std::array<SummaryColumn, kRoomColumnCount> roomColumns = kRoomColumns;
    std::array<SummaryColumn, kGroupColumnCount> groupColumns = kGroupColumns;
    std::vector<SummaryRoomRow> rooms;
    std::vector<SummaryGroupRow> groups;
    SummaryGroupRow total;
    std::vector<std::string> notes;
};

// Room values are formatted as the form formats its boxes and compressor
// lines; sums are shown with one decimal for kW and in whole watts. In
// another unit every load is the W figure converted, a sum the exact sum.
SummaryTable summaryTable(const ProjectSummary& summary, LoadUnit unit = LoadUnit::W);

// A room's name, with the mark when its results are not current.
std::string markedName(const RoomSummary& room);
// The rooms' names joined by 、, with one mark after them when any of their
// results are not current.
std::string roomNamesText(const ProjectSummary& summary, const std::vector<std::size_t>& rooms);
// 合计, with the mark when a room in the sums has results that are not current.
std::string totalLabel(const ProjectSummary& summary);

// The text of an evaporating temperature, as the compressor lines write it ("-10℃").
std::string evaporatingTempText(double evaporatingTemp);

} // namespace gelvant
