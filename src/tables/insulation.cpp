#include "tables/insulation.h"

#include "calc/dependent_rules.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/table_items.h"
#include "tables/insulation_table.h"

#include <optional>

namespace gelvant {
namespace {

constexpr auto kItems = itemTexts(kInsulationTable);

// The chosen material's row: a built-in one, found by its text, or the
// designer's own entry as a row of the table.
std::optional<InsulationRow> chosenRow(const CDesignDlg& dlg) {
    if (const InsulationRow* row =
            findRowByItem(kInsulationTable, dlg.currentText(ctl::insulationChoice))) {
        return *row;
    }
    if (const LibraryEntry* entry = dlg.chosenEntry(ctl::insulationChoice)) {
        const DesignSheet& v = entry->values;
        return InsulationRow{entry->name, v.insulationConductivity, v.insulationDensity,
                             v.insulationSpecificHeat};
    }
    return std::nullopt;
}

} // namespace

std::span<const std::string_view> insulationItems() {
    return kItems;
}

// Copies the chosen material's properties. The wall's U-value follows the
// conductivity in the sheet whether or not the item has a row; the inner
// volume does not change with the material, only with the thickness.
void OnInsulationMaterialChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    if (const auto row = chosenRow(dlg)) {
        s.insulationConductivity = row->conductivityWPerMC;
        s.insulationDensity = row->densityKgPerM3;
        s.insulationSpecificHeat = row->specificHeatKJPerKgC;
    }
    updateWallHeatTransfer(s);
    dlg.writeSheet();
}

} // namespace gelvant
