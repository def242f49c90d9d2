#include "report/load_units.h"

#include "report/summary_table.h"

#include <cmath>

namespace gelvant {

double loadInUnit(double watts, LoadUnit unit) {
    return watts * loadUnitDef(unit).perWatt;
}

std::string loadText(double watts, LoadUnit unit) {
    if (!std::isfinite(watts)) {
        return std::string(kNoValue);
    }
    return numberText(loadInUnit(watts, unit), loadUnitDef(unit).decimals);
}

std::string loadTotalText(std::span<const double> watts, LoadUnit unit) {
    double sum = 0;
    for (const double w : watts) {
        sum += w;
    }
    return loadText(sum, unit);
}

std::string loadCellText(std::string_view wattsText, LoadUnit unit) {
    if (unit == LoadUnit::W) {
        return std::string(wattsText);
    }
    const std::optional<double> watts = shownNumber(wattsText);
    return watts ? loadText(*watts, unit) : std::string(wattsText);
}

} // namespace gelvant
