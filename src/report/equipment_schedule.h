#pragma once

#include "plant/machine_load.h"
#include "project/project.h"
#include "project/summary.h"

#include <string>
#include <vector>

namespace gelvant {

// A table of the calculation sheet as data: its title, its column titles
// and its rows of cell texts; the last row of a table with a total is it.
struct SheetTable {
    std::string title;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    bool lastRowIsTotal = false;
};

// The equipment chosen, as a schedule: per room its cooling equipment (air
// coolers or coils), their surface, the air coolers' count and fan power,
// and the compressor line it hands the plant; per evaporating temperature
// its rooms, their loads, the rooms' own compressor lines and the machine
// load that sizes the compressors.
struct EquipmentSchedule {
    SheetTable rooms;
    SheetTable groups;
};

EquipmentSchedule equipmentSchedule(const Project& project, const ProjectSummary& summary,
                                    const MachineLoad& load);

} // namespace gelvant
