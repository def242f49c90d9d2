#include "tables/goods_kind.h"

#include "calc/dependent_rules.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/table_items.h"
#include "tables/goods_kind_table.h"

#include <cstddef>

namespace gelvant {
namespace {

constexpr auto kItems = itemTexts(kGoodsKindTable);

} // namespace

std::span<const std::string_view> goodsKindItems() {
    return kItems;
}

// Sets the stacking density of the chosen kind, then lets the geometry rule
// bring the volume coefficient, tonnage and intake in line with it.
void OnGoodsKindChange(CDesignDlg& dlg) {
    dlg.readSheet();
    const int index = dlg.currentIndex(ctl::goodsKindChoice);
    if (index >= 0 && static_cast<std::size_t>(index) < kGoodsKindTable.size()) {
        dlg.sheet().goodsDensity = kGoodsKindTable[static_cast<std::size_t>(index)].densityKgPerM3;
    } else if (const LibraryEntry* entry = dlg.chosenEntry(ctl::goodsKindChoice)) {
        dlg.sheet().goodsDensity = entry->values.goodsDensity; // the designer's own kind
    }
    dlg.writeSheet();
    OnGeometryChange(dlg);
}

} // namespace gelvant
