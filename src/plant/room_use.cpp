#include "plant/room_use.h"

#include "form/controls.h"
#include "form_tables/design_form.h"

namespace gelvant {
namespace {

// At or below this room temperature a chilling room freezes and a store
// keeps frozen goods.
constexpr float kFrozenLineC = -5.0F;

constexpr std::string_view kWorkRoomKind = "加工间、包装间";
constexpr std::string_view kChillFreezeKind = "冷却间、冻结间";
constexpr std::string_view kStoreKind = "冷藏间、冰库和穿堂";
constexpr std::string_view kIceGoods = "机制冰";

struct UseNames {
    RoomUse use;
    std::string_view key;
    std::string_view label;
};

constexpr std::array<UseNames, 8> kUseNames{{
    {RoomUse::Auto, "auto", "自动"},
    {RoomUse::Chilling, "chilling", "冷却间"},
    {RoomUse::Freezing, "freezing", "冻结间"},
    {RoomUse::Chilled, "chilled", "冷却物冷藏间"},
    {RoomUse::Frozen, "frozen", "冻结物冷藏间"},
    {RoomUse::Ice, "ice", "冰库"},
    {RoomUse::Anteroom, "anteroom", "穿堂"},
    {RoomUse::Processing, "processing", "冷加工间（其他冷间）"},
}};
static_assert(kUseNames.size() == kRoomUses.size());

// The item chosen in a list of the form; empty when none is.
std::string_view chosenItem(const FormState& form, int listCtl) {
    const ListChoice* choice = listChoiceIn(form, listCtl);
    return choice != nullptr && choice->current >= 0 ? std::string_view(choice->editText)
                                                     : std::string_view();
}

const UseNames& namesOf(RoomUse use) {
    for (const UseNames& names : kUseNames) {
        if (names.use == use) {
            return names;
        }
    }
    return kUseNames.front();
}

} // namespace

RoomUse inferredUse(const FormState& form) {
    const bool frozen = form.sheet.roomTemp <= kFrozenLineC;
    const std::string_view kind = chosenItem(form, ctl::roomKindChoice);
    if (kind == kWorkRoomKind) {
        return RoomUse::Processing;
    }
    if (kind == kChillFreezeKind) {
        return frozen ? RoomUse::Freezing : RoomUse::Chilling;
    }
    if (kind == kStoreKind && chosenItem(form, ctl::goodsKindChoice) == kIceGoods) {
        return RoomUse::Ice;
    }
    return frozen ? RoomUse::Frozen : RoomUse::Chilled;
}

AppliedUse appliedUse(const Room& room) {
    if (room.use != RoomUse::Auto) {
        return AppliedUse{room.use, false};
    }
    return AppliedUse{inferredUse(*room.form), true};
}

std::string_view useKey(RoomUse use) {
    return namesOf(use).key;
}

std::string_view useLabel(RoomUse use) {
    return namesOf(use).label;
}

std::optional<RoomUse> useFromKey(std::string_view key) {
    for (const UseNames& names : kUseNames) {
        if (names.key == key) {
            return names.use;
        }
    }
    return std::nullopt;
}

} // namespace gelvant
