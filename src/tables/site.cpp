#include "tables/site.h"

#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "sheet/table_items.h"
#include "tables/site_climate_table.h"

namespace gelvant {
namespace {

constexpr auto kItems = itemTexts(kSiteClimateTable);

} // namespace

std::span<const std::string_view> siteItems() {
    return kItems;
}

// Copies the site's design climate. The humidity ratios, densities and dew
// point built on it are results, and change only when the load is computed.
void OnSiteChange(CDesignDlg& dlg) {
    dlg.readSheet();
    if (const SiteClimateRow* row =
            findRowByItem(kSiteClimateTable, dlg.currentText(ctl::siteChoice))) {
        DesignSheet& s = dlg.sheet();
        s.ambientTemp = row->ambientTempC;
        s.ambientHumidity = row->ambientHumidityPercent;
        s.summerAirConditioningTemp = row->summerAirConditioningTempC;
        s.summerPressurePa = row->summerPressurePa;
    }
    dlg.writeSheet();
}

} // namespace gelvant
