#pragma once

#include "project/load_unit.h"
#include "report/report_numbers.h"

#include <span>
#include <string>
#include <string_view>

namespace gelvant {

// The load in the unit, unrounded.
double loadInUnit(double watts, LoadUnit unit);

// The load as a cell shows it: the unit's decimals, no symbol ("12.35");
// "—" for a load that is not a finite number.
std::string loadText(double watts, LoadUnit unit);

// A total of loads in the unit: the exact sum of the watts converted and
// rounded once, never a sum of figures already rounded.
std::string loadTotalText(std::span<const double> watts, LoadUnit unit);

// A load cell's text in W ("38613", as the program shows loads) in the unit;
// a text that is no number is left as it is.
std::string loadCellText(std::string_view wattsText, LoadUnit unit);

} // namespace gelvant
