#include "tables/packaging.h"

#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/table_items.h"
#include "tables/packaging_material_table.h"
#include "tables/packaging_ratio_table.h"

namespace gelvant {
namespace {

constexpr auto kMaterialItems = itemTexts(kPackagingMaterialTable);
constexpr auto kRatioItems = itemTexts(kPackagingRatioTable);

} // namespace

std::span<const std::string_view> packagingMaterialItems() {
    return kMaterialItems;
}

std::span<const std::string_view> packagingRatioItems() {
    return kRatioItems;
}

// The packaging heat itself is a result of the load calculation; choosing a
// material only sets its specific heat.
void OnPackagingMaterialChange(CDesignDlg& dlg) {
    dlg.readSheet();
    if (const PackagingMaterialRow* row =
            findRowByItem(kPackagingMaterialTable, dlg.currentText(ctl::packagingMaterialChoice))) {
        dlg.sheet().packagingSpecificHeat = row->specificHeatKJPerKgC;
    }
    dlg.writeSheet();
}

void OnPackagingRatioChange(CDesignDlg& dlg) {
    dlg.readSheet();
    if (const PackagingRatioRow* row =
            findRowByItem(kPackagingRatioTable, dlg.currentText(ctl::packagingRatioChoice))) {
        dlg.sheet().packagingRatio = row->kgPerKgGoods;
    }
    dlg.writeSheet();
}

} // namespace gelvant
