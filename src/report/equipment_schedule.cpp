#include "report/equipment_schedule.h"

#include "form/field_dictionary.h"
#include "report/load_units.h"
#include "report/report_numbers.h"
#include "report/summary_table.h"

#include <cmath>

namespace gelvant {
namespace {

const std::string& box(const FormState& form, std::string_view field) {
    return form.editTexts.at(fieldIndexByName(field).value());
}

std::string kwText(double kw) {
    return std::isfinite(kw) ? numberText(kw, 1) : std::string(kNoValue);
}

// A coil room has no air coolers: their count and fans say nothing there.
std::vector<std::string> roomRow(const Room& room, const RoomSummary& summary, LoadUnit unit) {
    const FormState& form = *room.form;
    const bool coils = room.equipment == CoolingEquipment::Coil;
    const std::string none(kNoValue);
    const double fansKw = static_cast<double>(form.sheet.airCoolerPowerKw) *
                          static_cast<double>(form.sheet.airCoolerCount);
    return {markedName(summary),
            std::string(equipmentLabel(room.equipment)),
            box(form, coils ? "coilAreaM2" : "airCoolerAreaM2"),
            coils ? none : box(form, "airCoolerCount"),
            coils ? none : box(form, "airCoolerPowerKw"),
            coils ? none : kwText(fansKw),
            summary.computed ? evaporatingTempText(summary.evaporatingTemp) : none,
            summary.computed ? kwText(summary.capacityKw) : none,
            summary.computed ? loadCellText(box(form, "totalCoolingLoadW"), unit)
                             : std::string(kNotComputed)};
}

} // namespace

EquipmentSchedule equipmentSchedule(const Project& project, const ProjectSummary& summary,
                                    const MachineLoad& load) {
    EquipmentSchedule schedule;
    const LoadUnit unit = project.loadUnit;
    const std::string loadColumn = columnHeader({"总冷负荷", loadUnitDef(unit).symbol});
    schedule.rooms.title = "库房冷却设备";
    schedule.rooms.columns = {"库房",       "冷却设备",       "冷却面积(m2)",
                              "冷风机台数", "单台功率(kW)",   "风机功率合计(kW)",
                              "蒸发温度",   "压缩机选配(kW)", loadColumn};
    for (std::size_t i = 0; i < project.rooms.size() && i < summary.rooms.size(); ++i) {
        schedule.rooms.rows.push_back(roomRow(project.rooms[i], summary.rooms[i], unit));
    }
    schedule.groups.title = "按蒸发温度的制冷压缩机负荷";
    schedule.groups.columns = {"蒸发温度", "库房", loadColumn, "库房选配合计(kW)", "机械负荷(kW)"};
    for (std::size_t i = 0; i < summary.groups.size() && i < load.groups.size(); ++i) {
        const EvaporatingGroup& group = summary.groups[i];
        schedule.groups.rows.push_back(
            {evaporatingTempText(group.evaporatingTemp), roomNamesText(summary, group.rooms),
             loadCell(group.totalCoolingLoadW, unit), kwText(group.capacityKw),
             kwText(load.groups[i].machineLoadW / 1000)});
    }
    schedule.groups.rows.push_back({totalLabel(summary), "",
                                    loadCell(summary.total.totalCoolingLoadW, unit),
                                    kwText(summary.total.capacityKw), kwText(load.totalW / 1000)});
    schedule.groups.lastRowIsTotal = true;
    return schedule;
}

} // namespace gelvant
