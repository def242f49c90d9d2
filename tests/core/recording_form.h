#pragma once

// A design form whose extended lists only record that code chose an item:
// which list, which item, and what the sheet held when the list's handler
// started. The reference list and the apply button keep their real handlers.
// Lists without items get placeholder items, so every index can be chosen.

#include "reference/reference_rooms.h"
#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "window/design_form.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace gelvant::testing_form {

struct Choice {
    int listCtl;
    int index;
    friend bool operator==(const Choice&, const Choice&) = default;
};

// A choice and the sheet its handler read.
struct RecordedChoice {
    Choice choice;
    float storeLength;
    float airCoolerCount;
    std::int32_t workerCount;
};

inline std::vector<RecordedChoice>& choiceLog() {
    static std::vector<RecordedChoice> log;
    return log;
}

inline std::vector<Choice> choicesMade() {
    std::vector<Choice> choices;
    for (const RecordedChoice& r : choiceLog()) {
        choices.push_back(r.choice);
    }
    return choices;
}

// Behaves as a list handler does: sheet read, then sheet write.
template <int ListCtl> void recordChoice(CDesignDlg& dlg) {
    dlg.readSheet();
    const DesignSheet& s = dlg.sheet();
    choiceLog().push_back(
        {{ListCtl, dlg.currentIndex(ListCtl)}, s.storeLength, s.airCoolerCount, s.workerCount});
    dlg.writeSheet();
}

inline const std::array<ListDef, 24>& recordingLists() {
    static const std::array<std::string_view, 100> kPlaceholders = [] {
        std::array<std::string_view, 100> items{};
        items.fill("placeholder");
        return items;
    }();
    static const std::array<ListDef, 24> kLists = [] {
        std::array<ListDef, 24> lists{};
        const auto real = designFormLists();
        for (std::size_t i = 0; i < lists.size(); ++i) {
            lists[i] = real[i];
            if (lists[i].items.empty()) {
                lists[i].items = kPlaceholders;
            }
        }
        return lists;
    }();
    return kLists;
}

template <int ListCtl> constexpr EventBinding recorder() {
    return {ListCtl, EventKind::ListChange, &recordChoice<ListCtl>, "recordChoice"};
}

inline const std::array<EventBinding, 25> kRecordingEvents{
    recorder<ctl::insulationChoice>(),
    recorder<ctl::goodsKindChoice>(),
    recorder<ctl::productChoice>(),
    recorder<ctl::siteChoice>(),
    recorder<ctl::packagingMaterialChoice>(),
    recorder<ctl::packagingRatioChoice>(),
    recorder<ctl::produceAirChangeChoice>(),
    recorder<ctl::respirationProduceChoice>(),
    recorder<ctl::doorChoice>(),
    recorder<ctl::floorChoice>(),
    recorder<ctl::roomKindChoice>(),
    recorder<ctl::freshAirChoice>(),
    recorder<ctl::coilTypeChoice>(),
    recorder<ctl::coilPitchChoice>(),
    recorder<ctl::coilDiameterChoice>(),
    recorder<ctl::coilFeedChoice>(),
    recorder<ctl::coilRoomTempChoice>(),
    recorder<ctl::coilTempDiffChoice>(),
    recorder<ctl::coilRowsChoice>(),
    recorder<ctl::airCoolerEvapChoice>(),
    recorder<ctl::airCoolerTempDiffChoice>(),
    recorder<ctl::airCoolerTubeChoice>(),
    recorder<ctl::referenceListCompact>(),
    EventBinding{ctl::referenceList, EventKind::Selection, &OnReferenceChange, "OnReferenceChange"},
    EventBinding{ctl::applyReferenceButton, EventKind::Click, &OnApplyReference,
                 "OnApplyReference"},
};

inline FormLayout recordingLayout() {
    return {recordingLists(), kRecordingEvents};
}

} // namespace gelvant::testing_form
