#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace gelvant {

// W to kcal/h, the form's own factor (3.6 / 4.18).
inline constexpr double kWToKcalPerHour = 0.8612440191387561;

// The units a design can show cooling and machine loads in. The program
// computes and keeps every load in W; a unit changes only what is shown.
enum class LoadUnit : std::uint8_t { W, KW, KcalPerH, RT, BtuPerH };

struct LoadUnitDef {
    LoadUnit unit;
    std::string_view key;    // as the design file and the page name it
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

constexpr const LoadUnitDef& loadUnitDef(LoadUnit unit) {
    return kLoadUnits.at(static_cast<std::size_t>(unit));
}

std::optional<LoadUnit> loadUnitFromKey(std::string_view key);

} // namespace gelvant
