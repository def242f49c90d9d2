#include "plant/machine_load.h"

#include "plant/plant_settings.h"

#include <cmath>
#include <limits>

namespace gelvant {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

bool isChillingOrFreezing(RoomUse use) {
    return use == RoomUse::Chilling || use == RoomUse::Freezing;
}

// The motors of a chilling room, a freezing room or a chilled store run
// whenever the room does: their n4 is 1 however many rooms share the plant.
bool motorsAlwaysRun(RoomUse use) {
    return isChillingOrFreezing(use) || use == RoomUse::Chilled;
}

std::size_t useIndex(RoomUse use) {
    return static_cast<std::size_t>(use);
}

double weightedSum(const HeatFlows& flows, const FlowCoefficients& n) {
    double sum = 0;
    for (std::size_t i = 0; i < kFlowCount; ++i) {
        sum += n[i] * flows[i];
    }
    return sum;
}

RoomMachineLoad roomAlone(const Room& room, const RoomSummary& summary,
                          const PlantSettings& settings) {
    RoomMachineLoad r;
    r.use = appliedUse(room);
    r.goodsLoadFactor = goodsLoadFactor(room);
    r.flows = roomHeatFlows(room.form->sheet, room.equipment, r.use.use, r.goodsLoadFactor);
    r.n = flowCoefficients(r.use.use, 1, settings);
    r.inSums = summary.inSums;
    if (std::isfinite(summary.evaporatingTemp)) {
        r.tempDiffC = summary.roomTemp - summary.evaporatingTemp;
        r.tempDiffOverLimit = r.tempDiffC > tempDiffLimitC(settings.system);
    } else {
        r.tempDiffC = kNoValue;
    }
    return r;
}

// The group's sums, with n4 and n5 of each room stepped by the number of
// rooms of its use in the group.
GroupMachineLoad groupLoad(const EvaporatingGroup& group, const ProjectSummary& summary,
                           MachineLoad& load) {
    std::array<std::size_t, kRoomUses.size()> sameUse{};
    for (const std::size_t i : group.rooms) {
        ++sameUse[useIndex(load.rooms[i].use.use)];
    }
    GroupMachineLoad g;
    g.evaporatingTemp = group.evaporatingTemp;
    g.rooms = group.rooms;
    double weighted = 0;
    for (const std::size_t i : group.rooms) {
        RoomMachineLoad& room = load.rooms[i];
        room.n = flowCoefficients(room.use.use, sameUse[useIndex(room.use.use)], load.settings);
        weighted += weightedSum(room.flows, room.n);
        for (std::size_t q = 0; q < kFlowCount; ++q) {
            g.flows[q] += room.flows[q];
        }
        g.storageTonnage += summary.rooms[i].storageTonnage;
    }
    g.machineLoadW = load.lossFactor * weighted;
    g.machineLoadPerTonW = g.storageTonnage > 0 ? g.machineLoadW / g.storageTonnage : kNoValue;
    return g;
}

} // namespace

HeatFlows roomHeatFlows(const DesignSheet& s, CoolingEquipment equipment, RoomUse use,
                        double goodsLoadFactor) {
    const double goodsW =
        (static_cast<double>(s.goodsHeatW) + s.respirationHeatW + s.materialHeatW) /
        goodsLoadFactor;
    HeatFlows flows{static_cast<double>(s.wallLeakHeatW), goodsW,
                    static_cast<double>(s.ventilationHeatW), s.airCoolerHeatW,
                    static_cast<double>(s.operatingHeatW)};
    for (std::size_t q = 0; q < kFlowCount; ++q) {
        if (!flowCounted(q, equipment, use)) {
            flows[q] = 0.0;
        }
    }
    return flows;
}

bool flowCounted(std::size_t flow, CoolingEquipment equipment, RoomUse use) {
    switch (flow) {
    case kMotorsFlow:
        return equipment == CoolingEquipment::AirCooler;
    case kOperatingFlow:
        return !isChillingOrFreezing(use);
    default:
        return true;
    }
}

double simultaneityFactor(std::size_t roomsOfSameUse) {
    // GB 50072-2010 §6.1: one room 1, two to four 0.5, five or more 0.4.
    if (roomsOfSameUse <= 1) {
        return 1.0;
    }
    return roomsOfSameUse <= 4 ? 0.5 : 0.4;
}

FlowCoefficients flowCoefficients(RoomUse use, std::size_t sameUseCount,
                                  const PlantSettings& settings) {
    const double n2 = use == RoomUse::Chilled  ? settings.n2Chilled
                      : use == RoomUse::Frozen ? settings.n2Frozen
                                               : 1.0;
    const double stepped = simultaneityFactor(sameUseCount);
    const double n4 = motorsAlwaysRun(use) ? 1.0 : stepped;
    return {settings.n1, n2, settings.n3, n4, stepped};
}

MachineLoad machineLoad(const Project& project, const ProjectSummary& summary) {
    MachineLoad load;
    load.settings = project.plant;
    load.lossFactor = lossFactor(project.plant.system);
    load.rooms.reserve(project.rooms.size());
    for (std::size_t i = 0; i < project.rooms.size() && i < summary.rooms.size(); ++i) {
        load.rooms.push_back(roomAlone(project.rooms[i], summary.rooms[i], project.plant));
    }
    load.groups.reserve(summary.groups.size());
    for (const EvaporatingGroup& group : summary.groups) {
        load.groups.push_back(groupLoad(group, summary, load));
        load.totalW += load.groups.back().machineLoadW;
    }
    return load;
}

} // namespace gelvant
