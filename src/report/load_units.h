#pragma once

#include "report/report_numbers.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace gelvant {

// The units a view can show cooling and machine loads in. The program
// computes and keeps every load in W; a unit changes only what is shown.
enum class LoadUnit : std::uint8_t { W, KW, KcalPerH, RT, BtuPerH };

struct LoadUnitDef {
    LoadUnit unit;
    std::string_view key;    // as settings and the page's address name it
    std::string_view symbol; // after the figure and in column titles
    double perWatt;          // the unit's figure for 1 W
    int decimals;            // shown; the figure itself is never rounded
};

// kcal/h with the form's own factor 3.6 / 4.18, so that the sheet's kcal/h
// column and a load shown in kcal/h agree; 1 RT (US refrigeration ton) =
// 3516.85 W; 1 W = 3.412142 BTU/h.
inline constexpr std::array<LoadUnitDef, 5> kLoadUnits{{
    {LoadUnit::W, "W", "W", 1.0, 0},
    {LoadUnit::KW, "kW", "kW", 0.001, 1},
    {LoadUnit::KcalPerH, "kcal/h", "kcal/h", kWToKcalPerHour, 0},
    {LoadUnit::RT, "RT", "RT", 1.0 / 3516.85, 2},
    {LoadUnit::BtuPerH, "BTU/h", "BTU/h", 3.412142, 0},
}};

const LoadUnitDef& loadUnitDef(LoadUnit unit);
std::optional<LoadUnit> loadUnitFromKey(std::string_view key);

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
