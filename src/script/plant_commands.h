#pragma once

#include "project/project.h"

#include <string>
#include <string_view>
#include <variant>

namespace gelvant {

// What a `plant ...` line asks for: the project's settings with the change
// made, or the reason the line cannot be carried out.
std::variant<PlantSettings, std::string> changedPlantSettings(std::string_view args,
                                                              const PlantSettings& now);

// The use a `room use USE` line names, or the reason it names none.
std::variant<RoomUse, std::string> namedRoomUse(std::string_view args);

// The goods load factor a `room p X` line gives, or the reason it gives none.
std::variant<double, std::string> namedGoodsLoadFactor(std::string_view args);

} // namespace gelvant
