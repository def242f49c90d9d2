#pragma once

#include "project/project.h"

#include <cstddef>
#include <string>
#include <vector>

namespace gelvant {

// One room as the plant sees it. Values are the stored record values (floats
// and ints widened to double); the evaporating temperature and capacity are
// those of the compressor line the room's equipment selects, NaN where that
// line has no design difference to work from.
struct RoomSummary {
    std::string name;
    bool computed = false; // the calculation has written its results
    // Its inputs changed since its results were computed: the results stay
    // in the sums, marked as not current.
    bool stale = false;
    CoolingEquipment equipment = CoolingEquipment::AirCooler;
    double roomTemp = 0;
    double innerVolume = 0;
    double storageTonnage = 0;
    double totalCoolingLoadW = 0;
    double evaporatingTemp = 0;
    double capacityKw = 0;
    double loadPerTonW = 0; // NaN for a room that stores nothing
    double coilAreaM2 = 0;
    double airCoolerAreaM2 = 0;
    // Counted in the group and project totals: computed, with a finite
    // load, evaporating temperature and capacity.
    bool inSums = false;
};

// The rooms whose compressors work at one evaporating temperature.
struct EvaporatingGroup {
    double evaporatingTemp = 0;
    std::vector<std::size_t> rooms; // indices into the project's rooms
    double totalCoolingLoadW = 0;
    double capacityKw = 0;
};

struct ProjectTotal {
    std::size_t rooms = 0;
    bool stale = false; // a room in the sums has results that are not current
    double totalCoolingLoadW = 0;
    double capacityKw = 0;
};

// What the refrigeration plant is chosen from: the rooms, the groups from
// the coldest evaporating temperature up, and the project total. Sums are
// taken in double from the stored values.
struct ProjectSummary {
    std::vector<RoomSummary> rooms;
    std::vector<EvaporatingGroup> groups;
    ProjectTotal total;
};

RoomSummary summarizeRoom(const Room& room);
ProjectSummary summarizeProject(const Project& project);

// Whether the calculation has written a room's results (any result nonzero).
bool isComputed(const DesignSheet& s);

} // namespace gelvant
