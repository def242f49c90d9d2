#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

// Extended lists run their handler whenever their current item changes, also
// when code chooses an item (even the current one). The plain reference list
// runs its handler only on the user's selection.
enum class ListStyle : std::uint8_t { Extended, Plain };

// Where a list's items come from: the item column of its reference table.
using ItemSource = std::span<const std::string_view> (*)();

struct ListDef {
    int controlId;
    std::string_view name;
    // The word the report writes before the chosen item (the form shows its
    // lists without labels); empty for a list the report does not show.
    std::string_view caption;
    ListStyle style;
    bool hidden;
    ItemSource items; // filled at creation, in this order
    // Items the form appends later, once (the catalogue's further rows).
    ItemSource laterItems = nullptr;

    // How many items the list holds, with or without its later items.
    std::size_t itemCount(bool laterAppended) const {
        return items().size() + (laterAppended && laterItems != nullptr ? laterItems().size() : 0);
    }
    // The item at an index below itemCount(laterAppended).
    std::string_view itemAt(std::size_t index) const {
        const auto first = items();
        return index < first.size() ? first[index] : laterItems()[index - first.size()];
    }
};

enum class EventKind : std::uint8_t {
    Edit,       // the user changed an edit box's text
    ListChange, // an extended list's current item changed (user or code)
    Selection,  // the user changed the plain list's selection
    Click,      // a button was pressed
};

using Handler = void (*)(CDesignDlg&);

// One row of the form's event table: a control and an event run one handler.
struct EventBinding {
    int controlId;
    EventKind event;
    Handler handler;
};

// The form's behaviour as data: its lists and its event table.
struct FormListsAndEvents {
    std::span<const ListDef> lists;
    std::span<const EventBinding> events;
};

} // namespace gelvant
