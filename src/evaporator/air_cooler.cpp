#include "evaporator/air_cooler.h"

#include "calc/evaporator_items.h"
#include "calc/surface_areas.h"
#include "evaporator/air_cooler_evap_table.h"
#include "evaporator/air_cooler_tube_table.h"
#include "evaporator/compressor_selection.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/note_text.h"
#include "form/numeric.h"
#include "form/table_items.h"

#include <array>
#include <cstdint>
#include <string>

namespace gelvant {
namespace {

constexpr auto kEvapItems = itemTexts(kAirCoolerEvapTable);

constexpr auto kTubeItems = itemTexts(kAirCoolerTubeTable);

template <typename Table> const typename Table::value_type* rowAt(const Table& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        return nullptr;
    }
    return &table[static_cast<std::size_t>(index)];
}

// Compressor selection for the air coolers: the whole load, fans and
// defrost heaters included, and a reminder when the fan power is missing.
std::string airCoolerCompressorLine(const DesignSheet& s, double tempDiffC) {
    const CompressorSelection selection = airCoolerCompressorSelection(s, tempDiffC);
    std::string line = "压缩机选用：蒸发T=" + fixedText(selection.evaporatingC, 0) + "℃,制冷量" +
                       fixedText(selection.capacityKw, 1) + "KW";
    if (s.airCoolerPowerKw != 0 && s.airCoolerCount != 0) {
        line += "--冷风机功率已加入请核对";
    } else {
        line += "--输入冷风机功率后再计算一次";
    }
    return line;
}

} // namespace

std::span<const std::string_view> airCoolerEvapItems() {
    return kEvapItems;
}

std::span<const std::string_view> airCoolerTempDiffItems() {
    static constexpr std::array<std::string_view, 5> kItems{
        "冷风机计算温差 6℃", "冷风机计算温差 8℃", "冷风机计算温差10℃", "冷风机计算温差12℃",
        "冷风机计算温差15℃"};
    return kItems;
}

std::span<const std::string_view> airCoolerTubeItems() {
    return kTubeItems;
}

// Evaporating temperature or tube material changed: coefficient and flux
// from the table, both surfaces, and the air cooler's compressor line. A
// list without an item leaves what depends on it as it is, so the tube
// factor never lands twice on the same coefficient.
void OnAirCoolerChoiceChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    const AirCoolerEvapRow* evap =
        rowAt(kAirCoolerEvapTable, dlg.currentIndex(ctl::airCoolerEvapChoice));
    const AirCoolerTubeRow* tube =
        rowAt(kAirCoolerTubeTable, dlg.currentIndex(ctl::airCoolerTubeChoice));
    const auto tempDiffC =
        temperatureDifferenceForIndex(dlg.currentIndex(ctl::airCoolerTempDiffChoice));

    if (tube != nullptr) {
        dlg.setStaticText(ctl::airCoolerTubeLabel, std::string(tube->label));
    }
    if (tube != nullptr && evap != nullptr) {
        s.airCoolerHeatTransfer = toFloat32(tube->factor * evap->baseUWPerM2C);
        if (tempDiffC) {
            s.airCoolerHeatFlux = toFloat32(tube->factor * evap->baseUWPerM2C * *tempDiffC);
        }
    }
    UpdateSurfaceAreas(s);
    if (tempDiffC) {
        dlg.setStaticText(ctl::compressorNote2, airCoolerCompressorLine(s, *tempDiffC));
    }
    dlg.writeSheet();
}

// A new design difference: the evaporating temperature follows the room
// temperature less the difference, then the coefficient, flux, surfaces and
// compressor line are redone.
void OnAirCoolerTempDiffChange(CDesignDlg& dlg) {
    dlg.readSheet();
    const auto tempDiffC =
        temperatureDifferenceForIndex(dlg.currentIndex(ctl::airCoolerTempDiffChoice));
    if (tempDiffC) {
        // The choice runs the evaporating-temperature rule at once, which
        // starts with its own read of the form.
        dlg.chooseItem(ctl::airCoolerEvapChoice,
                       airCoolerEvaporationItem(dlg.sheet().roomTemp, *tempDiffC));
    }
    dlg.writeSheet();
    OnAirCoolerChoiceChange(dlg);
}

// A coefficient typed by the designer: the flux and surfaces follow it as
// typed, without the tube factor; the label and compressor line stay.
void OnAirCoolerHeatTransferChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    if (const auto tempDiffC =
            temperatureDifferenceForIndex(dlg.currentIndex(ctl::airCoolerTempDiffChoice))) {
        s.airCoolerHeatFlux = toFloat32(static_cast<double>(s.airCoolerHeatTransfer) * *tempDiffC);
    }
    UpdateSurfaceAreas(s);
    dlg.writeSheet();
}

} // namespace gelvant
