#include "form/library_entries.h"

#include "form/form_state.h"

#include <algorithm>

namespace gelvant {

bool Library::empty() const {
    return std::all_of(entries.begin(), entries.end(),
                       [](const std::vector<LibraryEntry>& list) { return list.empty(); });
}

bool Library::sameAs(const Library& other) const {
    const auto sameEntry = [](const LibraryEntry& a, const LibraryEntry& b) {
        return a.name == b.name && sameRecord(a.values, b.values);
    };
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (!std::equal(entries[k].begin(), entries[k].end(), other.entries[k].begin(),
                        other.entries[k].end(), sameEntry)) {
            return false;
        }
    }
    return true;
}

const std::shared_ptr<const Library>& emptyLibrary() {
    static const std::shared_ptr<const Library> kEmpty = std::make_shared<const Library>();
    return kEmpty;
}

std::shared_ptr<const Library> sharedLibrary(Library library) {
    return library.empty() ? emptyLibrary() : std::make_shared<const Library>(std::move(library));
}

} // namespace gelvant
