#pragma once

// What the design file's writer and reader share.

#include "form/library_entries.h"
#include "form_tables/design_form.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace gelvant {

// A non-finite float is written as a word (nan, -nan, inf, -inf); its bits
// when read back.
inline constexpr std::uint32_t kSignBit = 0x80000000U;
inline constexpr std::uint32_t kQuietNan = 0x7FC00000U;

// A list's items as the design's rooms show them: its built-in items (with
// the catalogue's later rows once appended), then the design's entries.
class ListItems {
public:
    ListItems(const ListDef& def, bool laterAppended, const Library& library)
        : def_(def), builtIn_(def.itemCount(laterAppended)) {
        if (const auto kind = libraryKindOfList(def.controlId)) {
            entries_ = &library.of(*kind);
        }
    }
    std::size_t count() const { return builtIn_ + (entries_ != nullptr ? entries_->size() : 0); }
    std::string_view at(std::size_t index) const {
        return index < builtIn_ ? def_.itemAt(index) : (*entries_)[index - builtIn_].name;
    }

private:
    const ListDef& def_;
    std::size_t builtIn_;
    const std::vector<LibraryEntry>* entries_ = nullptr;
};

} // namespace gelvant
