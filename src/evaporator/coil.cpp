#include "evaporator/coil.h"

#include "calc/surface_areas.h"
#include "evaporator/coil_base_table.h"
#include "evaporator/coil_diameter_table.h"
#include "evaporator/coil_type_table.h"
#include "evaporator/compressor_selection.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/note_text.h"
#include "form/numeric.h"
#include "form/table_items.h"

#include <array>
#include <optional>
#include <string>

namespace gelvant {
namespace {

constexpr auto kCoilTypeItems = itemTexts(kCoilTypeTable);

constexpr auto kCoilDiameterItems = itemTexts(kCoilDiameterTable);

constexpr int kClosePitchIndex = 1; // "S/D=2"
constexpr int kPumpFeedIndex = 1;   // "氨泵强制供液"
constexpr int kCoilRowsItems = 9;   // 4 to 20 tubes in height

// The current items of the seven coil lists (-1 where a list has none).
struct CoilChoices {
    int type;
    int pitch;
    int diameter;
    int feed;
    int roomTemp;
    int tempDiff;
    int rows;
};

CoilChoices currentCoilChoices(const CDesignDlg& dlg) {
    return {dlg.currentIndex(ctl::coilTypeChoice),     dlg.currentIndex(ctl::coilPitchChoice),
            dlg.currentIndex(ctl::coilDiameterChoice), dlg.currentIndex(ctl::coilFeedChoice),
            dlg.currentIndex(ctl::coilRoomTempChoice), dlg.currentIndex(ctl::coilTempDiffChoice),
            dlg.currentIndex(ctl::coilRowsChoice)};
}

bool inRange(int index, std::size_t count) {
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

// Base coefficient for the chosen construction and duty; none when a list it
// depends on has no item (the type, the difference, the room temperature,
// and for single-row coils the tubes in height).
std::optional<float> coilBaseValue(const CoilChoices& c) {
    if (!inRange(c.type, kCoilTypeTable.size()) || !inRange(c.tempDiff, kCoilTempDiffRows) ||
        !inRange(c.roomTemp, kCoilRoomTempColumns)) {
        return std::nullopt;
    }
    std::size_t block = 0;
    switch (kCoilTypeTable[static_cast<std::size_t>(c.type)].block) {
    case CoilBaseBlock::uShapedOrDoubleLayer:
        block = 0;
        break;
    case CoilBaseBlock::singleLayer:
        block = 1;
        break;
    case CoilBaseBlock::singleRow:
        if (!inRange(c.rows, kCoilRowsItems)) {
            return std::nullopt;
        }
        block = 2 + static_cast<std::size_t>(c.rows);
        break;
    }
    const CoilBaseRow& row =
        kCoilBaseTable[block * kCoilTempDiffRows + static_cast<std::size_t>(c.tempDiff)];
    return row.uWPerM2CByRoomTemp[static_cast<std::size_t>(c.roomTemp)];
}

// Diameter factor D; 1 (the 38 mm reference) without a diameter.
float diameterFactor(const CoilChoices& c) {
    if (!inRange(c.diameter, kCoilDiameterTable.size())) {
        return 1.0F;
    }
    const CoilDiameterRow& row = kCoilDiameterTable[static_cast<std::size_t>(c.diameter)];
    return c.type == kSingleRowCoilIndex ? row.singleRowFactor : row.otherTypesFactor;
}

// Pitch factor P: only the close pitch of a known construction corrects.
float pitchFactor(const CoilChoices& c) {
    if (c.pitch != kClosePitchIndex || !inRange(c.type, kCoilTypeTable.size())) {
        return 1.0F;
    }
    return kCoilTypeTable[static_cast<std::size_t>(c.type)].closePitchFactor;
}

// Feed factor F: pump feed raises every construction but the U-shaped coil.
float feedFactor(const CoilChoices& c) {
    const bool takesPump = !inRange(c.type, kCoilTypeTable.size()) ||
                           kCoilTypeTable[static_cast<std::size_t>(c.type)].takesPumpFeedFactor;
    return c.feed == kPumpFeedIndex && takesPump ? kPumpFeedFactor : 1.0F;
}

// Coefficient and flux from the base table, corrected for diameter, feed
// and pitch. The uncorrected flux is held in the field before it is
// corrected, so the flux is the corrected coefficient times the difference
// up to the last float digit.
void applyCoilCoefficient(DesignSheet& s, const CoilChoices& c, float baseU, double tempDiffC) {
    const double correction =
        static_cast<double>(diameterFactor(c)) * feedFactor(c) * pitchFactor(c);
    s.coilHeatTransfer = toFloat32(correction * baseU);
    const float baseFlux = toFloat32(static_cast<double>(baseU) * tempDiffC);
    s.coilHeatFlux = toFloat32(correction * baseFlux);
}

// Compressor selection for the coils: evaporating temperature, capacity and
// the coil load (without the air coolers' own heat) per tonne of stock.
std::string coilCompressorLine(const DesignSheet& s, double tempDiffC) {
    const CompressorSelection line = coilCompressorSelection(s, tempDiffC);
    const double loadW = coilLoadW(s);
    const double tonnage = s.storageTonnage;
    return "压缩机选用：蒸发T=" + fixedText(line.evaporatingC, 0) + "℃,制冷量" +
           fixedText(line.capacityKw, 1) + "KW--冷负荷" + fixedText(loadW, 0) + "/" +
           fixedText(tonnage, 1) + "=" + fixedText(loadW / tonnage, 0) + "w/t";
}

} // namespace

std::span<const std::string_view> coilTypeItems() {
    return kCoilTypeItems;
}

std::span<const std::string_view> coilPitchItems() {
    static constexpr std::array<std::string_view, 2> kItems{"S/D=4", "S/D=2"};
    return kItems;
}

std::span<const std::string_view> coilDiameterItems() {
    return kCoilDiameterItems;
}

std::span<const std::string_view> coilFeedItems() {
    static constexpr std::array<std::string_view, 2> kItems{"非氨泵供液", "氨泵强制供液"};
    return kItems;
}

std::span<const std::string_view> coilRoomTempItems() {
    static constexpr std::array<std::string_view, kCoilRoomTempColumns> kItems{
        "库房温度  0℃", "库房温度 -4℃", "库房温度-10℃", "库房温度-12℃", "库房温度-15℃",
        "库房温度-18℃", "库房温度-20℃", "库房温度-23℃", "库房温度-25℃", "库房温度-30℃"};
    return kItems;
}

std::span<const std::string_view> coilTempDiffItems() {
    static constexpr std::array<std::string_view, kCoilTempDiffRows> kItems{
        "温差 6℃", "温差 8℃", "温差10℃", "温差12℃", "温差15℃"};
    return kItems;
}

std::span<const std::string_view> coilRowsItems() {
    static constexpr std::array<std::string_view, kCoilRowsItems> kItems{
        "高度横根数 4", "高度横根数 6", "高度横根数 8", "高度横根数10", "高度横根数12",
        "高度横根数14", "高度横根数16", "高度横根数18", "高度横根数20"};
    return kItems;
}

// A change of any coil list: coefficient and flux from the table, both
// surfaces, and the coil's compressor line. A list the lookup needs without
// an item leaves the coefficient and flux as they are, so the corrections
// never land twice on the same figure.
void OnCoilChoiceChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    const CoilChoices choices = currentCoilChoices(dlg);
    // Only single-row coils are chosen by their number of tubes in height.
    dlg.setVisible(ctl::coilRowsChoice, choices.type == kSingleRowCoilIndex);

    const auto tempDiffC = temperatureDifferenceForIndex(choices.tempDiff);
    if (const auto baseU = coilBaseValue(choices); baseU && tempDiffC) {
        applyCoilCoefficient(s, choices, *baseU, *tempDiffC);
    }
    UpdateSurfaceAreas(s);
    if (tempDiffC) {
        dlg.setStaticText(ctl::compressorNote1, coilCompressorLine(s, *tempDiffC));
    }
    dlg.writeSheet();
}

// A coefficient typed by the designer: the flux and surfaces follow it as
// typed, without corrections; the compressor line stays.
void OnCoilHeatTransferChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    if (const auto tempDiffC =
            temperatureDifferenceForIndex(dlg.currentIndex(ctl::coilTempDiffChoice))) {
        s.coilHeatFlux = toFloat32(static_cast<double>(s.coilHeatTransfer) * *tempDiffC);
    }
    UpdateSurfaceAreas(s);
    dlg.writeSheet();
}

} // namespace gelvant
