#pragma once

#include "form/form_state.h"
#include "form/library_entries.h"
#include "project/load_unit.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gelvant {

// Which of a room's two compressor lines the plant is sized from: the air
// coolers' (line 2, the whole load) or the coils' (line 1, without the fans).
enum class CoolingEquipment { AirCooler, Coil };

// What a room is for, as the national cold-store code sorts rooms when it
// sizes the compressors. Auto: inferred from the form (room kind, room
// temperature, goods kind).
enum class RoomUse { Auto, Chilling, Freezing, Chilled, Frozen, Ice, Anteroom, Processing };

// Direct: the refrigerant evaporates in the rooms' coolers. Indirect: a
// secondary fluid (brine, CO2) carries the cold, with more plant and piping loss.
enum class CoolingSystem { Direct, Indirect };

// The project's choices for the plant's machine load: the system and the
// coefficients the designer may set (each within the code's range).
struct PlantSettings {
    CoolingSystem system = CoolingSystem::Direct;
    double n1 = 1.0;        // seasonal correction of the envelope flow
    double n3 = 1.0;        // simultaneous air-change factor
    double n2Chilled = 0.6; // goods-flow reduction of chilled stores
    double n2Frozen = 0.8;  // goods-flow reduction of frozen stores
    friend bool operator==(const PlantSettings&, const PlantSettings&) = default;
};

// What the title block of a calculation sheet names.
struct ProjectInfo {
    std::string name;
    std::string company;  // 设计单位
    std::string designer; // 设计人
    std::string checker;  // 校对
    std::string reviewer; // 审核
    std::string approver; // 审定
    std::string date;
    std::string notes;
    friend bool operator==(const ProjectInfo&, const ProjectInfo&) = default;
};

// One room of the cold store: its name, its cooling equipment, its use, the
// goods load factor p its daily intake holds, and its whole form. A form, once
// captured, never changes: rooms, undo steps and saved projects share it.
struct Room {
    std::string name;
    CoolingEquipment equipment = CoolingEquipment::AirCooler;
    std::shared_ptr<const FormState> form;
    RoomUse use = RoomUse::Auto;
    // The designer's p; none: the one the room's use gives (1.3 for chilling
    // and freezing rooms, 1 for the others).
    std::optional<double> goodsLoadFactor{};
    // The fingerprint of the inputs its results were last computed from
    // (none: never computed, or a file that does not say).
    std::optional<std::uint64_t> computedInputs{};
};

// A cold-store project: its information, its plant settings, the unit its
// loads are shown in, the designer's own data its rooms' lists show, and its
// rooms, one of them current. The library, like a form, is shared and never
// changes.
struct Project {
    ProjectInfo info;
    PlantSettings plant;
    LoadUnit loadUnit = LoadUnit::W;
    std::vector<Room> rooms;
    std::size_t current = 0;
    std::shared_ptr<const Library> library = emptyLibrary();

    const Room& currentRoom() const { return rooms.at(current); }
};

inline constexpr std::string_view kFirstRoomName = "库房1";
inline constexpr std::string_view kCopySuffix = " 副本";

// 库房N with the least N above every number the rooms already carry as 库房N.
std::string nextRoomName(const std::vector<Room>& rooms);

// A room holding the given form; results the form holds answer to its
// inputs as they stand (the start-up form's, a form just computed).
Room roomOfForm(std::string name, std::shared_ptr<const FormState> form);

// A project of one room holding the given form.
Project singleRoomProject(std::shared_ptr<const FormState> form);

std::string_view equipmentKey(CoolingEquipment equipment);   // "aircooler" / "coil"
std::string_view equipmentLabel(CoolingEquipment equipment); // 冷风机 / 排管

} // namespace gelvant
