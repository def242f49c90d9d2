#pragma once

#include "form/controls.h"
#include "form/design_sheet.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gelvant {

// The four lists whose rows fill boxes from a table, and to which the
// designer adds rows of his own: sites (地区气候), products (食品), insulation
// materials (保温材料) and goods kinds (货物种类).
enum class LibraryKind : std::uint8_t { Site, Product, Insulation, Goods };

inline constexpr std::array kLibraryKinds{LibraryKind::Site, LibraryKind::Product,
                                          LibraryKind::Insulation, LibraryKind::Goods};

constexpr std::size_t kindSlot(LibraryKind kind) {
    return static_cast<std::size_t>(kind);
}

// The list an entry of the kind is added to.
constexpr int libraryListControl(LibraryKind kind) {
    constexpr std::array<int, kLibraryKinds.size()> kLists{
        ctl::siteChoice, ctl::productChoice, ctl::insulationChoice, ctl::goodsKindChoice};
    return kLists[kindSlot(kind)];
}

// The kind whose entries the list takes; none for the other lists.
constexpr std::optional<LibraryKind> libraryKindOfList(int listCtl) {
    for (const LibraryKind kind : kLibraryKinds) {
        if (libraryListControl(kind) == listCtl) {
            return kind;
        }
    }
    return std::nullopt;
}

// One row of the designer's own: the name its list shows and the values it
// puts into the boxes a built-in row of the list fills, 32-bit as the record
// keeps them. The record's other fields stay zero and are never read.
struct LibraryEntry {
    std::string name;
    DesignSheet values;
};

// The designer's own data: each kind's entries in the order added. The form
// shows them after the built-in items of their list. A library, once made,
// is shared by the form, the design and its undo steps and never changes; a
// change is a new library.
struct Library {
    std::array<std::vector<LibraryEntry>, kLibraryKinds.size()> entries;

    const std::vector<LibraryEntry>& of(LibraryKind kind) const { return entries[kindSlot(kind)]; }
    std::vector<LibraryEntry>& of(LibraryKind kind) { return entries[kindSlot(kind)]; }
    bool empty() const;
    // Same names and same values, bit for bit, in the same order.
    bool sameAs(const Library& other) const;
};

// The one empty library every design without entries shares.
const std::shared_ptr<const Library>& emptyLibrary();
// A library to share: the one empty library when it holds no entry.
std::shared_ptr<const Library> sharedLibrary(Library library);

} // namespace gelvant
