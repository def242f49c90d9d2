#include "session/command_table.h"

#include <cstddef>

namespace gelvant {
namespace {

// The rows stand in the enumeration's order, so that a command is its row.
constexpr bool rowsInCommandOrder() {
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        if (static_cast<std::size_t>(kCommands[i].command) != i) {
            return false;
        }
    }
    return static_cast<std::size_t>(Command::About) + 1 == kCommands.size();
}
static_assert(rowsInCommandOrder(), "one row per command, in the enumeration's order");

bool offered(const MenuItem& item, CommandViews view) {
    return item.kind != MenuItem::Kind::Entry || (commandDef(item.command).views & view) != 0;
}

} // namespace

const CommandDef& commandDef(Command command) {
    return kCommands[static_cast<std::size_t>(command)];
}

std::vector<MenuItem> menuItemsIn(const MenuDef& menu, CommandViews view) {
    std::vector<MenuItem> items;
    for (const MenuItem& item : menu.items) {
        if (!offered(item, view)) {
            continue;
        }
        const bool separator = item.kind == MenuItem::Kind::Separator;
        if (separator && (items.empty() || items.back().kind == MenuItem::Kind::Separator)) {
            continue;
        }
        items.push_back(item);
    }
    if (!items.empty() && items.back().kind == MenuItem::Kind::Separator) {
        items.pop_back();
    }
    return items;
}

} // namespace gelvant
