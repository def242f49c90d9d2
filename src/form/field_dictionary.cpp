#include "form/field_dictionary.h"

namespace gelvant {

std::optional<std::size_t> fieldIndexByName(std::string_view name) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> fieldIndexByControl(int controlId) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].controlId == controlId) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace gelvant
