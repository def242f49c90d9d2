#include "reference/reference_rooms.h"

#include "calc/cooling_load.h"
#include "calc/dependent_rules.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "language/language.h"
#include "reference/reference_catalogue.h"
#include "reference/reference_group_choices.h"
#include "reference/reference_notes.h"
#include "reference/reference_presets.h"

#include <algorithm>
#include <array>
#include <string>

namespace gelvant {
namespace {

constexpr std::array<std::string_view, kReferenceCatalogue.size()> kRowTexts = [] {
    std::array<std::string_view, kReferenceCatalogue.size()> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = kReferenceCatalogue[i].text;
    }
    return texts;
}();

// The hidden compact list carries the first 96 rows with their runs of
// blanks squeezed, and a last item that turned its page.
constexpr std::size_t kCompactRowCount = 96;
constexpr std::string_view kCompactNextPage = "转下页";

struct CompactItems {
    std::array<std::string, kCompactRowCount> texts;
    std::array<std::string_view, kCompactRowCount + 1> views;

    CompactItems() {
        for (std::size_t i = 0; i < kCompactRowCount; ++i) {
            texts[i] = squeezedBlanks(kRowTexts[i]);
            views[i] = texts[i];
        }
        views[kCompactRowCount] = kCompactNextPage;
    }
};

const ReferencePreset* presetForRow(int row) {
    const auto* found = std::find_if(kReferencePresets.begin(), kReferencePresets.end(),
                                     [row](const ReferencePreset& p) { return p.row == row; });
    return found == kReferencePresets.end() ? nullptr : found;
}

void writeRoom(DesignSheet& s, const ReferencePreset& p) {
    s.storeLength = p.storeLengthM;
    s.storeWidth = p.storeWidthM;
    s.storeHeight = p.storeHeightM;
    s.insulationThicknessMm = p.insulationThicknessMm;
    s.roomTemp = p.roomTempC;
    s.intakeTemp = p.intakeTempC;
    s.finalTemp = p.finalTempC;
    s.coolingHours = p.coolingHours;
    s.dailyIntakePercent = p.dailyIntakePercent;
}

void choosePackaging(CDesignDlg& dlg, const PresetGroupChoices& choices) {
    dlg.chooseItem(ctl::packagingRatioChoice, choices.packagingRatioItem);
    dlg.chooseItem(ctl::packagingMaterialChoice, choices.packagingMaterialItem);
}

// The floor choice runs the whole calculation on the partly applied room;
// the final calculation overwrites its results.
void chooseFloorAndRoomKind(CDesignDlg& dlg, const PresetGroupChoices& choices) {
    dlg.chooseItem(ctl::floorChoice, kPresetFloorItem);
    dlg.chooseItem(ctl::roomKindChoice, choices.roomKindItem);
}

// Every choice runs its list's handler at once, on the sheet the previous
// handler wrote. Processing rooms take the floor and room kind before the
// packaging; the other rooms after it.
void chooseRoomLists(CDesignDlg& dlg, const PresetGroupChoices& choices) {
    dlg.chooseItem(ctl::siteChoice, kPresetSiteItem);
    dlg.chooseItem(ctl::insulationChoice, kPresetInsulationItem);
    dlg.chooseItem(ctl::goodsKindChoice, choices.goodsKindItem);
    dlg.chooseItem(ctl::doorChoice, kPresetFirstDoorItem);
    dlg.chooseItem(ctl::respirationProduceChoice, choices.respirationProduceItem);
    if (choices.group == PresetGroup::Processing) {
        chooseFloorAndRoomKind(dlg, choices);
        choosePackaging(dlg, choices);
    } else {
        choosePackaging(dlg, choices);
        chooseFloorAndRoomKind(dlg, choices);
    }
    dlg.chooseItem(ctl::freshAirChoice, kPresetFreshAirItem);
}

} // namespace

std::span<const std::string_view> referenceInitialItems() {
    return std::span(kRowTexts).first(kReferenceInitialRowCount);
}

std::span<const std::string_view> referenceAppendedItems() {
    return std::span(kRowTexts).subspan(kReferenceInitialRowCount);
}

std::span<const std::string_view> referenceCompactItems() {
    static const CompactItems items;
    return items.views;
}

void OnReferenceChange(CDesignDlg& dlg) {
    dlg.readSheet(); // choosing a row changes no field: the sheet is not written back
    const int row = dlg.currentIndex(ctl::referenceList);
    dlg.setVisible(ctl::applyReferenceButton, row < kApplicableRowCount);
    dlg.setStaticText(ctl::referenceNote, std::string(referenceNoteForRow(row)));
    if (!dlg.referenceRowsAppended) {
        dlg.appendItems(ctl::referenceList, referenceAppendedItems());
        dlg.referenceRowsAppended = true;
    }
}

void OnApplyReference(CDesignDlg& dlg) {
    dlg.readSheet();
    const ReferencePreset* preset = presetForRow(dlg.currentIndex(ctl::referenceList));
    if (preset == nullptr) {
        dlg.writeSheet(); // blank lines, headings and the rows beyond 29 apply nothing
        return;
    }
    const PresetGroupChoices& choices = choicesForGroup(preset->group);

    writeRoom(dlg.sheet(), *preset);
    dlg.refreshForm();
    OnRoomTempChange(dlg);
    chooseRoomLists(dlg, choices);
    dlg.refreshForm();
    dlg.chooseItem(ctl::productChoice, choices.productItem);
    if (choices.finalDoorItem != kPresetFirstDoorItem) {
        dlg.chooseItem(ctl::doorChoice, choices.finalDoorItem);
    }

    DesignSheet& s = dlg.sheet();
    if (preset->zeroDoorAirChangesAndWorkers) {
        s.doorAirChangesPerDay = 0;
        s.workerCount = 0;
    }
    s.airCoolerPowerKw = preset->airCoolerPowerKw;
    s.airCoolerCount = preset->airCoolerCount;
    dlg.refreshForm();
    ComputeCoolingLoad(dlg);
    if (preset->multiStoreyWarning) {
        dlg.showMessage(caption::notice, kMultiStoreyWarning);
    }
    dlg.writeSheet();
}

// Nothing selects in the hidden compact list, so its change does nothing.
void OnReferenceCompactChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
