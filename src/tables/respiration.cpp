#include "tables/respiration.h"

#include "calc/dependent_rules.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/numeric.h"
#include "tables/respiration_table.h"

#include <array>
#include <cmath>
#include <optional>

namespace gelvant {
namespace {

using Heats = std::array<float, 7>; // W/t at 0, 2, 5, 10, 15, 20, 25 °C

constexpr float kOneThird = 0.33333334F;
constexpr float kHundredth = 0.01F;

// Air changes per day that produce needs; each item is its own count.
constexpr std::array<std::string_view, 3> kAirChangeItems{"0", "2", "3"};
constexpr std::array<float, 3> kAirChangesPerDay{0.0F, 2.0F, 3.0F};
constexpr int kProduceAirChangeIndex = 1;   // "2": fresh produce
constexpr int kNoProduceAirChangeIndex = 0; // "0": goods that do not respire

constexpr std::array<std::string_view, kRespirationTable.size() + 2> kProduceItems = [] {
    std::array<std::string_view, kRespirationTable.size() + 2> items{};
    for (std::size_t i = 0; i < kRespirationTable.size(); ++i) {
        items[i] = kRespirationTable[i].item;
    }
    items[kRespirationTable.size()] = kStrongestProduceItem;
    items[kRespirationTable.size() + 1] = kNoProduceItem;
    return items;
}();
static_assert(kProduceItems.size() == 41);

// The heats of the chosen produce; all points 0 for goods that do not
// respire and for a text without a row.
Heats heatsOf(std::string_view item) {
    const std::string_view key = item == kStrongestProduceItem ? kStrongestProduceRowItem : item;
    for (const RespirationRow& row : kRespirationTable) {
        if (row.item == key) {
            return row.heatWPerT;
        }
    }
    return {};
}

// The points a row does not give: the 2 °C heat is taken as the 5 °C one
// and the 25 °C heat carries the 15-to-20 °C rise on. Returns the 0 °C heat
// to use, which falls back to the 5 °C one.
float fillMissingPoints(Heats& p) {
    const float k = p[0] != 0.0F ? p[0] : p[2];
    if (p[1] == 0.0F) {
        p[1] = p[2];
    }
    if (p[6] == 0.0F) {
        p[6] = 2.0F * p[5] - p[4];
    }
    return k;
}

// Piecewise linear between the points, ends included; where two intervals
// meet the later one is taken. Above 25 °C the last slope carries on. Below
// 0 °C (or for a temperature that is not a number) nothing is found.
std::optional<double> interpolate(const Heats& p, float k, double t) {
    std::optional<double> heat;
    if (t >= 0.0 && t <= 2.0) {
        heat = k + (static_cast<double>(p[1]) - k) * t * 0.5;
    }
    if (t >= 2.0 && t <= 5.0) {
        heat = p[1] + (static_cast<double>(p[2]) - p[1]) * (t - 2.0) * kOneThird;
    }
    for (std::size_t i = 2; i < 6; ++i) {
        const double from = kRespirationPointsC[i];
        if (t >= from && t <= from + 5.0) {
            heat = p[i] + (static_cast<double>(p[i + 1]) - p[i]) * (t - from) * 0.2;
        }
    }
    if (t > 25.0) {
        heat = p[6] + (static_cast<double>(p[6]) - p[5]) * (t - 25.0) * 0.2;
    }
    return heat;
}

// Heat at one temperature into its field, as a whole number; below 0 °C the
// 0 °C heat. Without an interval the field keeps its value, made whole.
void setRespirationHeat(float& field, const Heats& p, float k, float t) {
    if (const auto heat = interpolate(p, k, t)) {
        field = toFloat32(*heat);
    }
    field = wholeFloat(rndInt(field));
    if (t < 0.0F) {
        field = k;
    }
}

// Respiration intensity per 10 °C, cut to two decimals. When the two
// temperatures are equal (or the final heat is 0) the quotient is not
// finite and is stored as it is, for the form to show.
float intensityPer10C(const DesignSheet& s) {
    const double quotient = static_cast<double>(s.intakeRespirationHeat) * 10.0 /
                            s.finalRespirationHeat /
                            (static_cast<double>(s.intakeTemp) - s.finalTemp) * 100.0;
    if (!std::isfinite(quotient)) {
        return toFloat32(quotient);
    }
    return toFloat32(truncInt(quotient) * static_cast<double>(kHundredth));
}

} // namespace

std::span<const std::string_view> respirationProduceItems() {
    return kProduceItems;
}

std::span<const std::string_view> produceAirChangeItems() {
    return kAirChangeItems;
}

// Respiration heats of the chosen produce at the intake and final
// temperatures, the intensity per 10 °C, then the air changes produce needs.
// With no produce chosen (the designer typed over the list) the empty text
// finds no row and counts as a row of zeros.
void OnRespirationProduceChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    const std::string_view item = dlg.currentText(ctl::respirationProduceChoice);
    const bool respires = item != kNoProduceItem;

    Heats points = heatsOf(item);
    const float k = fillMissingPoints(points);
    setRespirationHeat(s.intakeRespirationHeat, points, k, s.intakeTemp);
    setRespirationHeat(s.finalRespirationHeat, points, k, s.finalTemp);
    if (respires) {
        s.respirationPer10C = intensityPer10C(s);
    } else {
        s.intakeRespirationHeat = 0.0F;
        s.finalRespirationHeat = 0.0F;
        s.respirationPer10C = 0.0F;
    }
    dlg.writeSheet();

    dlg.chooseItem(ctl::produceAirChangeChoice,
                   respires ? kProduceAirChangeIndex : kNoProduceAirChangeIndex);
}

void OnAirChangeCountChange(CDesignDlg& dlg) {
    dlg.readSheet();
    const std::string_view item = dlg.currentText(ctl::produceAirChangeChoice);
    for (std::size_t i = 0; i < kAirChangeItems.size(); ++i) {
        if (item == kAirChangeItems[i]) {
            dlg.sheet().produceAirChangesPerDay = kAirChangesPerDay[i];
        }
    }
    dlg.writeSheet();
    OnProduceAirChangesChange(dlg);
}

} // namespace gelvant
