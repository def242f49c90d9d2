#pragma once

#include "sheet/form_state.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace gelvant {

// Which of a room's two compressor lines the plant is sized from: the air
// coolers' (line 2, the whole load) or the coils' (line 1, without the fans).
enum class CoolingEquipment { AirCooler, Coil };

// What the title block of a calculation sheet names.
struct ProjectInfo {
    std::string name;
    std::string company;  // 设计单位
    std::string designer; // 设计人
    std::string date;
    std::string notes;
    friend bool operator==(const ProjectInfo&, const ProjectInfo&) = default;
};

// One room of the cold store: its name, its cooling equipment and its whole
// form. A form, once captured, never changes: rooms, undo steps and saved
// projects share it.
struct Room {
    std::string name;
    CoolingEquipment equipment = CoolingEquipment::AirCooler;
    std::shared_ptr<const FormState> form;
};

// A cold-store project: its information and its rooms, one of them current.
struct Project {
    ProjectInfo info;
    std::vector<Room> rooms;
    std::size_t current = 0;

    const Room& currentRoom() const { return rooms.at(current); }
};

inline constexpr std::string_view kFirstRoomName = "库房1";
inline constexpr std::string_view kCopySuffix = " 副本";

// 库房N with the least N above every number the rooms already carry as 库房N.
std::string nextRoomName(const std::vector<Room>& rooms);

// A project of one room holding the given form.
Project singleRoomProject(std::shared_ptr<const FormState> form);

std::string_view equipmentKey(CoolingEquipment equipment);   // "aircooler" / "coil"
std::string_view equipmentLabel(CoolingEquipment equipment); // 冷风机 / 排管

} // namespace gelvant
