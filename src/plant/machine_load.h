#pragma once

#include "plant/room_use.h"
#include "project/summary.h"

#include <array>
#include <cstddef>
#include <vector>

namespace gelvant {

// The code's five heat flows of a room, in W: Q1 envelope, Q2 goods (without
// the load factor p), Q3 air change, Q4 motors, Q5 operation. The
// coefficients n1…n5 weigh them alike.
inline constexpr std::size_t kFlowCount = 5;
inline constexpr std::size_t kMotorsFlow = 3;    // Q4
inline constexpr std::size_t kOperatingFlow = 4; // Q5
using HeatFlows = std::array<double, kFlowCount>;
using FlowCoefficients = std::array<double, kFlowCount>;

// One room as the machine load sees it.
struct RoomMachineLoad {
    AppliedUse use;
    HeatFlows flows{};
    FlowCoefficients n{};
    double goodsLoadFactor = 1; // p, which Q2 is divided by
    bool inSums = false;        // as in the project summary
    // Room temperature less evaporating temperature beyond the system's limit.
    bool tempDiffOverLimit = false;
    double tempDiffC = 0; // NaN where the evaporating temperature is unknown
};

// The machine load of the rooms at one evaporating temperature.
struct GroupMachineLoad {
    double evaporatingTemp = 0;
    std::vector<std::size_t> rooms; // indices into the project's rooms
    HeatFlows flows{};              // ΣQ1…ΣQ5
    double storageTonnage = 0;      // t, the rooms' storage together
    double machineLoadW = 0;
    double machineLoadPerTonW = 0; // NaN when the group stores nothing
};

// The plant by the national code: the coefficients used, every room, the
// groups of the project summary (coldest first) and the project total.
struct MachineLoad {
    PlantSettings settings;
    double lossFactor = 0; // R
    std::vector<RoomMachineLoad> rooms;
    std::vector<GroupMachineLoad> groups;
    double totalW = 0;
};

// Whether a room's flow (0 for Q1 … 4 for Q5) enters the machine load: the
// motors only where air coolers cool the room, the operation not in a
// chilling or freezing room; the others always.
bool flowCounted(std::size_t flow, CoolingEquipment equipment, RoomUse use);

// A room's five flows from its stored results, widened to double. The goods
// flow (goods, respiration, packaging) is divided by the load factor p its
// intake holds; the motors count only where air coolers cool the room; a
// chilling or freezing room has no operating flow in the code's sum.
HeatFlows roomHeatFlows(const DesignSheet& s, CoolingEquipment equipment, RoomUse use,
                        double goodsLoadFactor);

// n4 and n5 for N rooms of one use working at one evaporating temperature:
// the more rooms, the less their motors and doors run at the same time.
double simultaneityFactor(std::size_t roomsOfSameUse);

// The coefficients of a room among sameUseCount rooms of its use in its group.
FlowCoefficients flowCoefficients(RoomUse use, std::size_t sameUseCount,
                                  const PlantSettings& settings);

// Qj = R × Σ (n1·Q1 + n2·Q2 + n3·Q3 + n4·Q4 + n5·Q5) per evaporating
// temperature, the rooms summed in project order, all in double.
MachineLoad machineLoad(const Project& project, const ProjectSummary& summary);

} // namespace gelvant
