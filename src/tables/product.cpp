#include "tables/product.h"

#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/numeric.h"
#include "form/table_items.h"
#include "tables/product_thermal_table.h"
#include "tables/respiration.h"

#include <array>
#include <optional>

namespace gelvant {
namespace {

constexpr std::string_view kIceItem = "冰块";
constexpr std::string_view kIncompleteDataText = "数据不全，请重选";

// Enthalpies are counted from goods at -20 °C.
constexpr float kReferenceTempC = -20.0F;
constexpr double kLatentHeatOfWaterKcalPerKg = 80.0;
constexpr double kKcalToKJPerPercent = 0.0418; // kcal to kJ, and % to a fraction
constexpr double kFrozenFractionPerDegree = -0.05;

// Ice: 2.09 kJ/(kg·°C) below 0 °C; above it water at 4.18 on top of the ice
// warmed from -20 °C (20 · 2.09) and melted (80 · 4.18).
constexpr double kIceSpecificHeat = 2.09;
constexpr double kWaterSpecificHeat = 4.18;
constexpr double kMeltedIceAt0C = 376.2;

constexpr std::array<std::string_view, kProductThermalTable.size() + 1> kProductItems = [] {
    std::array<std::string_view, kProductThermalTable.size() + 1> items{};
    std::size_t row = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i] = i == kProductItemWithoutRowIndex ? kProductItemWithoutRow
                                                    : kProductThermalTable[row++].item;
    }
    return items;
}();
static_assert(kProductItems.size() == 86);
static_assert(kProductItems.front() == "猪肉" && kProductItems.back() == "听装果子汁");

// The chosen product's row: a built-in one, found by its text, or the
// designer's own entry as a complete row of the table.
std::optional<ProductThermalRow> chosenRow(const CDesignDlg& dlg) {
    if (const ProductThermalRow* row =
            findRowByItem(kProductThermalTable, dlg.currentText(ctl::productChoice))) {
        return *row;
    }
    if (const LibraryEntry* entry = dlg.chosenEntry(ctl::productChoice)) {
        const DesignSheet& v = entry->values;
        return ProductThermalRow{entry->name,          v.waterContentPercent,
                                 v.freezingPoint,      v.specificHeatUnfrozen,
                                 v.specificHeatFrozen, true};
    }
    return std::nullopt;
}

// The goods as the enthalpy formulas see them, from the sheet's four
// properties.
struct Goods {
    double freezingPoint;
    double cUnfrozen;
    double cFrozen;
    double latentHeat;      // kJ/kg, of the product's water
    double frozenAtMinus20; // fraction of the water frozen at -20 °C

    explicit Goods(const DesignSheet& s)
        : freezingPoint(s.freezingPoint), cUnfrozen(s.specificHeatUnfrozen),
          cFrozen(s.specificHeatFrozen),
          latentHeat(s.waterContentPercent * kLatentHeatOfWaterKcalPerKg * kKcalToKJPerPercent),
          frozenAtMinus20(1.0 - freezingPoint * kFrozenFractionPerDegree) {}

    // Fraction of the water frozen at t, below the freezing point.
    double frozenAt(double t) const { return 1.0 - freezingPoint / t; }

    // Warmed as frozen goods from -20 °C to the freezing point, all the water
    // melted, then warmed unfrozen to t.
    double enthalpyAbove(double t) const {
        return (t - freezingPoint) * cUnfrozen + (freezingPoint + 20.0) * cFrozen +
               frozenAtMinus20 * latentHeat;
    }
    // Warmed frozen from -20 °C to t, with the water that thawed on the way.
    double enthalpyBelow(double t) const {
        return (frozenAtMinus20 - frozenAt(t)) * latentHeat + (t + 20.0) * cFrozen;
    }
    double enthalpy(float t) const {
        return t >= freezingPoint ? enthalpyAbove(t) : enthalpyBelow(t);
    }
};

double iceEnthalpy(double t) {
    return t <= 0.0 ? (t + 20.0) * kIceSpecificHeat : kWaterSpecificHeat * t + kMeltedIceAt0C;
}

// Frozen fraction and both enthalpies from the sheet's properties and
// temperatures. Whether the goods are ice is asked of the list each time.
void deriveGoodsHeat(const CDesignDlg& dlg, DesignSheet& s) {
    const bool ice = dlg.currentText(ctl::productChoice) == kIceItem;
    const Goods goods(s);

    s.frozenFractionPercent =
        s.finalTemp < s.freezingPoint ? toFloat32(goods.frozenAt(s.finalTemp) * 100.0) : 0.0F;
    if (ice && s.finalTemp < 0.0F) {
        s.frozenFractionPercent = 100.0F;
    }

    s.finalEnthalpy = toFloat32(goods.enthalpy(s.finalTemp));
    s.intakeEnthalpy = toFloat32(goods.enthalpy(s.intakeTemp));
    if (s.finalTemp == kReferenceTempC) {
        s.finalEnthalpy = 0.0F;
    }
    if (s.intakeTemp == kReferenceTempC) {
        s.intakeEnthalpy = 0.0F;
    }

    if (ice) {
        s.finalEnthalpy = toFloat32(iceEnthalpy(s.finalTemp));
        s.intakeEnthalpy = toFloat32(iceEnthalpy(s.intakeTemp));
    }
}

} // namespace

std::span<const std::string_view> productItems() {
    return kProductItems;
}

// The chosen product's properties go into the sheet. A complete row goes on
// to the frozen fraction and the enthalpies; an incomplete row, the item
// without a row and an empty choice tell the designer to choose again.
void OnProductChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    const auto row = chosenRow(dlg);
    if (row) {
        s.waterContentPercent = row->waterContentPercent;
        s.freezingPoint = row->freezingPointC;
        s.specificHeatUnfrozen = row->specificHeatUnfrozenKJPerKgC;
        s.specificHeatFrozen = row->specificHeatFrozenKJPerKgC;
    }
    if (row && row->derives) {
        deriveGoodsHeat(dlg, s);
    } else {
        dlg.showMessage(caption::result, kIncompleteDataText);
    }
    dlg.writeSheet();
}

void RecomputeGoodsHeat(CDesignDlg& dlg) {
    dlg.readSheet();
    deriveGoodsHeat(dlg, dlg.sheet());
    dlg.writeSheet();
}

// A new intake or final temperature changes the goods enthalpies and the
// produce respiration heats, in that order, each with its own read and write.
void OnGoodsTempChange(CDesignDlg& dlg) {
    RecomputeGoodsHeat(dlg);
    OnRespirationProduceChange(dlg);
}

// A frozen fraction typed in by the designer: the final state is taken as
// frozen and the intake state as unfrozen, whatever the temperatures. The
// typed fraction itself does not enter the enthalpies.
void OnFrozenFractionChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    const Goods goods(s);
    s.finalEnthalpy = toFloat32(goods.enthalpyBelow(s.finalTemp));
    s.intakeEnthalpy = toFloat32(goods.enthalpyAbove(s.intakeTemp));
    dlg.writeSheet();
}

} // namespace gelvant
