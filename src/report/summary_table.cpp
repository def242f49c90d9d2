#include "report/summary_table.h"

#include "form/numeric.h"
#include "form/text_exchange.h"
#include "report/load_units.h"
#include "report/report_numbers.h"

#include <cmath>

namespace gelvant {
namespace {

// The summary holds the record's floats and ints widened to double; narrowing
// them back gives the very values the form formats.
std::string floatCell(double stored) {
    return formatFloatText(static_cast<float>(stored));
}

std::string intCell(double stored) {
    return formatIntText(truncInt(stored));
}

SummaryRoomRow roomRow(const RoomSummary& r, LoadUnit unit) {
    SummaryRoomRow row;
    row[0] = markedName(r);
    row[1] = floatCell(r.roomTemp);
    row[2] = floatCell(r.innerVolume);
    row[3] = floatCell(r.storageTonnage);
    row[5] = std::string(equipmentLabel(r.equipment));
    if (!r.computed) {
        row[4] = std::string(kNotComputed);
        for (const std::size_t column : {6U, 7U, 8U, 9U, 10U}) {
            row[column] = std::string(kNoValue);
        }
        return row;
    }
    row[4] =
        unit == LoadUnit::W ? floatCell(r.totalCoolingLoadW) : loadText(r.totalCoolingLoadW, unit);
    // NaN: no design difference chosen, so the compressor line has nothing to work from.
    const bool lineKnown = !std::isnan(r.evaporatingTemp);
    row[6] = lineKnown ? numberText(r.evaporatingTemp, 0) : std::string(kNoValue);
    row[7] = lineKnown ? numberText(r.capacityKw, 1) : std::string(kNoValue);
    row[8] = std::isnan(r.loadPerTonW) ? std::string(kNoValue) : intCell(r.loadPerTonW);
    row[9] = intCell(r.coilAreaM2);
    row[10] = intCell(r.airCoolerAreaM2);
    return row;
}

// Why a computed room is not in the sums.
std::string leftOutNote(const RoomSummary& r) {
    if (!std::isfinite(r.totalCoolingLoadW)) {
        return r.name + "：总冷负荷不是有限数值，未计入合计。";
    }
    if (std::isnan(r.evaporatingTemp)) {
        return r.name + "：未选计算温差，蒸发温度无从确定，未计入合计。";
    }
    return r.name + "：蒸发温度或制冷量不是有限数值，未计入合计。";
}

} // namespace

std::string loadCell(double watts, LoadUnit unit) {
    return unit == LoadUnit::W ? numberText(watts, 0) : loadText(watts, unit);
}

std::string columnHeader(const SummaryColumn& column) {
    return column.unit.empty() ? std::string(column.name)
                               : std::string(column.name) + "(" + std::string(column.unit) + ")";
}

std::string markedName(const RoomSummary& room) {
    return room.stale ? room.name + std::string(kStaleMark) : room.name;
}

std::string roomNamesText(const ProjectSummary& summary, const std::vector<std::size_t>& rooms) {
    std::string names;
    bool stale = false;
    for (const std::size_t i : rooms) {
        if (!names.empty()) {
            names += "、";
        }
        names += summary.rooms.at(i).name;
        stale = stale || summary.rooms.at(i).stale;
    }
    if (stale) {
        names += kStaleMark;
    }
    return names;
}

std::string totalLabel(const ProjectSummary& summary) {
    return summary.total.stale ? "合计" + std::string(kStaleMark) : std::string("合计");
}

std::string evaporatingTempText(double evaporatingTemp) {
    return numberText(evaporatingTemp, 0) + "℃";
}

SummaryTable summaryTable(const ProjectSummary& summary, LoadUnit unit) {
    SummaryTable table;
    table.roomColumns = columnsIn(kRoomColumns, unit);
    table.groupColumns = columnsIn(kGroupColumns, unit);
    for (const RoomSummary& room : summary.rooms) {
        table.rooms.push_back(roomRow(room, unit));
        if (!room.computed) {
            table.notes.push_back(room.name + "：未计算，未计入合计。");
        } else if (!room.inSums) {
            table.notes.push_back(leftOutNote(room));
        } else if (room.stale) {
            table.notes.push_back(room.name +
                                  "：输入在上次计算后有改动，结果未重新计算，仍计入合计。");
        }
    }
    for (const EvaporatingGroup& group : summary.groups) {
        table.groups.push_back({numberText(group.evaporatingTemp, 0),
                                roomNamesText(summary, group.rooms),
                                std::to_string(group.rooms.size()), numberText(group.capacityKw, 1),
                                loadCell(group.totalCoolingLoadW, unit)});
    }
    table.total = {totalLabel(summary), "", std::to_string(summary.total.rooms),
                   numberText(summary.total.capacityKw, 1),
                   loadCell(summary.total.totalCoolingLoadW, unit)};
    return table;
}

} // namespace gelvant
