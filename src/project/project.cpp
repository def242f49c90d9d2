#include "project/project.h"

#include "project/result_inputs.h"
#include "project/summary.h"

#include <algorithm>
#include <charconv>

namespace gelvant {
namespace {

constexpr std::string_view kRoomPrefix = "库房";
constexpr long kLargestRoomNumber = 1'000'000'000;

// The number N of a name 库房N, or 0 when the name is not of that form.
long roomNumber(std::string_view name) {
    if (!name.starts_with(kRoomPrefix)) {
        return 0;
    }
    name.remove_prefix(kRoomPrefix.size());
    long number = 0;
    const auto parsed = std::from_chars(name.data(), name.data() + name.size(), number);
    if (name.empty() || parsed.ec != std::errc{} || parsed.ptr != name.data() + name.size()) {
        return 0;
    }
    // Beyond a billion rooms a name is just a name (and N + 1 cannot overflow).
    return number <= kLargestRoomNumber ? number : 0;
}

} // namespace

std::string nextRoomName(const std::vector<Room>& rooms) {
    long highest = 0;
    for (const Room& room : rooms) {
        highest = std::max(highest, roomNumber(room.name));
    }
    return std::string(kRoomPrefix) + std::to_string(highest + 1);
}

Room roomOfForm(std::string name, std::shared_ptr<const FormState> form) {
    Room room{std::move(name), CoolingEquipment::AirCooler, std::move(form)};
    if (isComputed(room.form->sheet)) {
        room.computedInputs = inputsFingerprint(*room.form);
    }
    return room;
}

Project singleRoomProject(std::shared_ptr<const FormState> form) {
    Project project;
    project.rooms.push_back(roomOfForm(std::string(kFirstRoomName), std::move(form)));
    return project;
}

std::string_view equipmentKey(CoolingEquipment equipment) {
    return equipment == CoolingEquipment::Coil ? "coil" : "aircooler";
}

std::string_view equipmentLabel(CoolingEquipment equipment) {
    return equipment == CoolingEquipment::Coil ? "排管" : "冷风机";
}

} // namespace gelvant
