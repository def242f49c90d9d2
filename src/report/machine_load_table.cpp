#include "report/machine_load_table.h"

#include "plant/plant_settings.h"
#include "report/load_formulas.h"
#include "report/report_numbers.h"

#include <cmath>

namespace gelvant {
namespace {

constexpr double kWPerKw = 1000.0;

std::string kwText(double watts) {
    return numberText(watts / kWPerKw, 1);
}

std::string perTonText(double wattsPerTon) {
    return std::isfinite(wattsPerTon) ? numberText(wattsPerTon, 0) : std::string(kNoValue);
}

std::string useText(const AppliedUse& use) {
    return std::string(useLabel(use.use)) + (use.inferred ? "（自动）" : "");
}

std::vector<CoefficientRow> coefficientRows(const MachineLoad& load) {
    const PlantSettings& s = load.settings;
    return {
        {"R 制冷系统及管道冷损耗系数（" + std::string(systemLabel(s.system)) + "）",
         coefficientText(load.lossFactor)},
        {"n1 围护结构热流量季节修正系数", coefficientText(s.n1)},
        {"n2 货物热流量折减系数：冷却物冷藏间", coefficientText(s.n2Chilled)},
        {"n2 货物热流量折减系数：冻结物冷藏间", coefficientText(s.n2Frozen)},
        {"n2 货物热流量折减系数：其他冷间", "1"},
        {"n3 同期换气系数", coefficientText(s.n3)},
        {"n4 电动机运转热流量折减系数", "同一蒸发温度下同类冷间 1 间 1，2～4 间 0.5，5 间及以上 "
                                        "0.4；冷却间、冷却物冷藏间、冻结间 1"},
        {"n5 操作热流量折减系数", "同一蒸发温度下同类冷间 1 间 1，2～4 间 0.5，5 间及以上 0.4"},
    };
}

MachineRoomRow roomRow(const RoomSummary& summary, const RoomMachineLoad& room, LoadUnit unit) {
    MachineRoomRow row;
    row[0] = markedName(summary);
    row[1] = useText(room.use);
    for (std::size_t q = 0; q < kFlowCount; ++q) {
        row[2 + q] = loadCell(room.flows[q], unit);
    }
    for (std::size_t i = 0; i < kFlowCount; ++i) {
        if (i > 0) {
            row[7] += '/';
        }
        row[7] += coefficientText(room.n[i]);
    }
    row[8] = coefficientText(room.goodsLoadFactor);
    return row;
}

MachineGroupRow groupRow(std::string first, std::string rooms, const HeatFlows& flows,
                         double machineLoadW, double perTonW, LoadUnit unit) {
    MachineGroupRow row;
    row[0] = std::move(first);
    row[1] = std::move(rooms);
    for (std::size_t q = 0; q < kFlowCount; ++q) {
        row[2 + q] = loadCell(flows[q], unit);
    }
    row[7] = loadCell(machineLoadW, unit);
    row[8] = kwText(machineLoadW);
    row[9] = perTonText(perTonW);
    return row;
}

std::string tempDiffNote(const RoomSummary& summary, const RoomMachineLoad& room,
                         CoolingSystem system) {
    return summary.name + "：库温与蒸发温度相差 " + numberText(room.tempDiffC, 1) + "℃，超过" +
           std::string(systemLabel(system)) + "的 " + numberText(tempDiffLimitC(system), 0) +
           "℃（GB 50072）。";
}

// "-10℃：机械负荷 37.5 kW，库房选配合计 48.0 kW，比机械负荷多 10.5 kW（28.0%）。"
std::string basisLine(const std::string& what, double machineLoadW, double roomLinesKw) {
    const double machineKw = machineLoadW / kWPerKw;
    const double difference = roomLinesKw - machineKw;
    std::string line = what + "：机械负荷 " + kwText(machineLoadW) + " kW，库房选配合计 " +
                       numberText(roomLinesKw, 1) + " kW，";
    if (!std::isfinite(difference) || machineKw <= 0) {
        return line + "无从比较。";
    }
    if (numberText(std::abs(difference), 1) == "0.0") {
        return line + "与机械负荷相同。";
    }
    line += difference < 0 ? "比机械负荷少 " : "比机械负荷多 ";
    line += numberText(std::abs(difference), 1);
    line += " kW（";
    line += numberText(std::abs(difference) / machineKw * 100, 1);
    line += "%）。";
    return line;
}

std::vector<std::string> plantBasis(const ProjectSummary& summary, const MachineLoad& load) {
    std::vector<std::string> lines{std::string(kPlantBasis)};
    for (std::size_t i = 0; i < load.groups.size() && i < summary.groups.size(); ++i) {
        lines.push_back(basisLine(evaporatingTempText(load.groups[i].evaporatingTemp),
                                  load.groups[i].machineLoadW, summary.groups[i].capacityKw));
    }
    lines.push_back(basisLine(totalLabel(summary), load.totalW, summary.total.capacityKw));
    return lines;
}

} // namespace

MachineLoadTable machineLoadTable(const ProjectSummary& summary, const MachineLoad& load,
                                  LoadUnit unit) {
    MachineLoadTable table;
    table.roomColumns = columnsIn(kMachineRoomColumns, unit);
    table.groupColumns = columnsIn(kMachineGroupColumns, unit);
    table.coefficients = coefficientRows(load);
    table.basis = plantBasis(summary, load);
    table.flowSources = flowSources();
    table.leftOutNotes = summaryTable(summary).notes;
    for (std::size_t i = 0; i < summary.rooms.size() && i < load.rooms.size(); ++i) {
        table.rooms.push_back(roomRow(summary.rooms[i], load.rooms[i], unit));
        if (load.rooms[i].tempDiffOverLimit) {
            table.tempDiffNotes.push_back(
                tempDiffNote(summary.rooms[i], load.rooms[i], load.settings.system));
        }
    }
    HeatFlows totalFlows{};
    double totalTonnage = 0;
    std::size_t totalRooms = 0;
    for (const GroupMachineLoad& group : load.groups) {
        table.groups.push_back(groupRow(numberText(group.evaporatingTemp, 0),
                                        roomNamesText(summary, group.rooms), group.flows,
                                        group.machineLoadW, group.machineLoadPerTonW, unit));
        for (std::size_t q = 0; q < kFlowCount; ++q) {
            totalFlows[q] += group.flows[q];
        }
        totalTonnage += group.storageTonnage;
        totalRooms += group.rooms.size();
    }
    const double perTon = totalTonnage > 0 ? load.totalW / totalTonnage : std::nan("");
    table.total = groupRow(totalLabel(summary), std::to_string(totalRooms), totalFlows, load.totalW,
                           perTon, unit);
    return table;
}

} // namespace gelvant
