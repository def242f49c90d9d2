#include "project/summary.h"

#include "calc/surface_areas.h"
#include "evaporator/compressor_selection.h"
#include "form/controls.h"
#include "form_tables/design_form.h"
#include "project/result_inputs.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>

namespace gelvant {
namespace {

// The compressor line the equipment selects, from the same computation that
// writes the line on the form.
std::optional<CompressorSelection> selectedLine(const FormState& form, CoolingEquipment equipment) {
    const bool coil = equipment == CoolingEquipment::Coil;
    const int tempDiffList = coil ? ctl::coilTempDiffChoice : ctl::airCoolerTempDiffChoice;
    const ListChoice* tempDiff = listChoiceIn(form, tempDiffList);
    const auto tempDiffC =
        temperatureDifferenceForIndex(tempDiff != nullptr ? tempDiff->current : -1);
    if (!tempDiffC) {
        return std::nullopt;
    }
    return coil ? coilCompressorSelection(form.sheet, *tempDiffC)
                : airCoolerCompressorSelection(form.sheet, *tempDiffC);
}

} // namespace

bool isComputed(const DesignSheet& s) {
    return std::any_of(kFields.begin(), kFields.end(), [&](const FieldDef& def) {
        if (def.kind != FieldKind::Result) {
            return false;
        }
        return def.type == FieldType::Float ? s.*def.floatMember != 0.0F : s.*def.intMember != 0;
    });
}

RoomSummary summarizeRoom(const Room& room) {
    const DesignSheet& s = room.form->sheet;
    RoomSummary r;
    r.name = room.name;
    r.computed = isComputed(s);
    r.stale = hasStaleResults(room);
    r.equipment = room.equipment;
    r.roomTemp = s.roomTemp;
    r.innerVolume = s.innerVolume;
    r.storageTonnage = s.storageTonnage;
    r.totalCoolingLoadW = s.totalCoolingLoadW;
    r.coilAreaM2 = s.coilAreaM2;
    r.airCoolerAreaM2 = s.airCoolerAreaM2;
    const auto line = selectedLine(*room.form, room.equipment);
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    r.evaporatingTemp = line ? line->evaporatingC : kNone;
    // A room that stores nothing (an anteroom) has no load per tonne.
    r.loadPerTonW = s.storageTonnage > 0 ? static_cast<double>(s.loadPerTonW) : kNone;
    r.capacityKw = line ? line->capacityKw : kNone;
    r.inSums = r.computed && std::isfinite(r.totalCoolingLoadW) &&
               std::isfinite(r.evaporatingTemp) && std::isfinite(r.capacityKw);
    return r;
}

ProjectSummary summarizeProject(const Project& project) {
    ProjectSummary summary;
    summary.rooms.reserve(project.rooms.size());
    std::map<double, EvaporatingGroup> groups; // ordered from the coldest
    for (std::size_t i = 0; i < project.rooms.size(); ++i) {
        const RoomSummary& room = summary.rooms.emplace_back(summarizeRoom(project.rooms[i]));
        if (!room.inSums) {
            continue;
        }
        EvaporatingGroup& group = groups[room.evaporatingTemp];
        group.evaporatingTemp = room.evaporatingTemp;
        group.rooms.push_back(i);
        group.totalCoolingLoadW += room.totalCoolingLoadW;
        group.capacityKw += room.capacityKw;
        summary.total.stale = summary.total.stale || room.stale;
        ++summary.total.rooms;
        summary.total.totalCoolingLoadW += room.totalCoolingLoadW;
        summary.total.capacityKw += room.capacityKw;
    }
    for (auto& entry : groups) {
        summary.groups.push_back(std::move(entry.second));
    }
    return summary;
}

} // namespace gelvant
