#include "tables/site.h"

#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/table_items.h"
#include "tables/site_climate_table.h"

#include <optional>

namespace gelvant {
namespace {

constexpr auto kItems = itemTexts(kSiteClimateTable);

// The chosen site's row: a built-in one, found by its text, or the
// designer's own entry as a row of the table.
std::optional<SiteClimateRow> chosenRow(const CDesignDlg& dlg) {
    if (const SiteClimateRow* row =
            findRowByItem(kSiteClimateTable, dlg.currentText(ctl::siteChoice))) {
        return *row;
    }
    if (const LibraryEntry* entry = dlg.chosenEntry(ctl::siteChoice)) {
        const DesignSheet& v = entry->values;
        return SiteClimateRow{entry->name, v.ambientTemp, v.ambientHumidity,
                              v.summerAirConditioningTemp, v.summerPressurePa};
    }
    return std::nullopt;
}

} // namespace

std::span<const std::string_view> siteItems() {
    return kItems;
}

// Copies the site's design climate. The humidity ratios, densities and dew
// point built on it are results, and change only when the load is computed.
void OnSiteChange(CDesignDlg& dlg) {
    dlg.readSheet();
    if (const auto row = chosenRow(dlg)) {
        DesignSheet& s = dlg.sheet();
        s.ambientTemp = row->ambientTempC;
        s.ambientHumidity = row->ambientHumidityPercent;
        s.summerAirConditioningTemp = row->summerAirConditioningTempC;
        s.summerPressurePa = row->summerPressurePa;
    }
    dlg.writeSheet();
}

} // namespace gelvant
