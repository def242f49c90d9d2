#pragma once

#include "project/project.h"

#include <optional>
#include <string_view>

namespace gelvant {

// The use a room is sized by and whether it was inferred from the form.
struct AppliedUse {
    RoomUse use = RoomUse::Chilled;
    bool inferred = false;
    friend bool operator==(const AppliedUse&, const AppliedUse&) = default;
};

// The use the form implies: the room kind says chilling/freezing room, store
// or work room; the −5 °C line splits chilled from frozen, and the goods kind
// 机制冰 makes a store an ice store. Never Auto.
RoomUse inferredUse(const FormState& form);

// The room's own use, or the inferred one when it says Auto.
AppliedUse appliedUse(const Room& room);

std::string_view useKey(RoomUse use);   // "auto", "chilling", ... "processing"
std::string_view useLabel(RoomUse use); // 自动, 冷却间, ... 冷加工间（其他冷间）
std::optional<RoomUse> useFromKey(std::string_view key);

// Every use in the order the designer picks them, 自动 first.
inline constexpr std::array<RoomUse, 8> kRoomUses{
    RoomUse::Auto,   RoomUse::Chilling, RoomUse::Freezing, RoomUse::Chilled,
    RoomUse::Frozen, RoomUse::Ice,      RoomUse::Anteroom, RoomUse::Processing};

} // namespace gelvant
