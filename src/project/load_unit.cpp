#include "project/load_unit.h"

#include "form/portable.h"

namespace gelvant {

std::optional<LoadUnit> loadUnitFromKey(std::string_view key) {
    const auto found = findBy(kLoadUnits, key, &LoadUnitDef::key);
    return found == kLoadUnits.end() ? std::nullopt : std::optional<LoadUnit>(found->unit);
}

} // namespace gelvant
