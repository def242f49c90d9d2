#pragma once

#include "plant/machine_load.h"
#include "report/summary_table.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gelvant {

inline constexpr std::string_view kMachineLoadTitle = "机械负荷（GB 50072）";
// The code's formula, as the code writes it.
inline constexpr std::string_view kMachineLoadFormula =
    "Qj = (n1·ΣQ1 + n2·ΣQ2 + n3·ΣQ3 + n4·ΣQ4 + n5·ΣQ5)·R";

// What Q1…Q5 stand for, in the code's words.
inline constexpr std::array<std::string_view, kFlowCount> kFlowNames{
    "Q1 围护结构热流量", "Q2 货物热流量", "Q3 通风换气热流量", "Q4 电动机运转热流量",
    "Q5 操作热流量"};

// How the goods flow is counted, in one line under the flows' names.
// What the compressors are sized by, said once on the plant's page.
inline constexpr std::string_view kPlantBasis =
    "制冷压缩机按 GB 50072 的冷间机械负荷 Qj 选配，每个蒸发温度一组（R 与 n 见上表）；"
    "各库房自身的压缩机选配（冷风机或排管一行）之和列在旁边，仅供对照。";

inline constexpr std::string_view kGoodsFlowNote =
    "Q2 不计负荷系数 p（Q2 = 货物热流量 ÷ p）；参考库房冷却加工、冻结加工各行的进货量 130％ "
    "即已含 p = 1.3。";

inline constexpr std::size_t kMachineRoomColumnCount = 9;
inline constexpr std::array<SummaryColumn, kMachineRoomColumnCount> kMachineRoomColumns{{
    {"名称", ""},
    {"用途", ""},
    {"Q1", "W"},
    {"Q2", "W"},
    {"Q3", "W"},
    {"Q4", "W"},
    {"Q5", "W"},
    {"n1/n2/n3/n4/n5", ""},
    {"p", ""},
}};

inline constexpr std::size_t kMachineGroupColumnCount = 10;
inline constexpr std::array<SummaryColumn, kMachineGroupColumnCount> kMachineGroupColumns{{
    {"蒸发温度", "℃"},
    {"库房", ""},
    {"ΣQ1", "W"},
    {"ΣQ2", "W"},
    {"ΣQ3", "W"},
    {"ΣQ4", "W"},
    {"ΣQ5", "W"},
    {"机械负荷", "W"},
    {"机械负荷", "kW"},
    {"单位机械负荷", "W/t"},
}};

// One coefficient used: what it is and its value ("R", "1.07").
struct CoefficientRow {
    std::string label;
    std::string value;
};

using MachineRoomRow = std::array<std::string, kMachineRoomColumnCount>;
using MachineGroupRow = std::array<std::string, kMachineGroupColumnCount>;

// The machine load as the designer reads it, in the summary window, the
// report's page and the CSV alike: the coefficients used, every room with
// its use, flows, coefficients and p, the groups (coldest first) with the
// project total, the rooms left out of the sums (the summary's own notes)
// and the rooms whose temperature difference exceeds the system's limit.
struct MachineLoadTable {
    std::array<SummaryColumn, kMachineRoomColumnCount> roomColumns = kMachineRoomColumns;
    std::array<SummaryColumn, kMachineGroupColumnCount> groupColumns = kMachineGroupColumns;
    std::vector<CoefficientRow> coefficients;
    std::vector<MachineRoomRow> rooms;
    std::vector<MachineGroupRow> groups;
    MachineGroupRow total;
    // Which figure sizes the compressors, with the rooms' own compressor
    // lines beside it for comparison: one line, then one per evaporating
    // temperature and one for the total.
    std::vector<std::string> basis;
    // What each of Q1…Q5 is made of, in the names of the rooms' load lines,
    // one line per flow, to print under the formula.
    std::vector<std::string> flowSources;
    std::vector<std::string> leftOutNotes;
    std::vector<std::string> tempDiffNotes;
};

// The flows and machine loads in W in the unit (the machine load in kW and
// the load per tonne stay as they are).
MachineLoadTable machineLoadTable(const ProjectSummary& summary, const MachineLoad& load,
                                  LoadUnit unit = LoadUnit::W);

} // namespace gelvant
