#pragma once

// A design form whose extended lists only record that code chose an item:
// which list, which item, and what the sheet held when the list's handler
// started. The reference list and the apply button keep their real handlers.

#include "form/controls.h"
#include "form/design_dlg.h"
#include "form_tables/design_form.h"
#include "reference/reference_rooms.h"

#include <array>
#include <utility>
#include <vector>

namespace gelvant::testing_form {

// A list's control ID and the item chosen in it.
using Choice = std::pair<int, int>;

// The choices made, and the room length and fan count each handler read.
struct ChoiceLog {
    std::vector<Choice> choices;
    std::vector<float> lengthSeen, fansSeen;
};

inline ChoiceLog& choiceLog() {
    static ChoiceLog log;
    return log;
}

// Behaves as a list handler does: sheet read, then sheet write.
template <int ListCtl> void recordChoice(CDesignDlg& dlg) {
    dlg.readSheet();
    choiceLog().choices.emplace_back(ListCtl, dlg.currentIndex(ListCtl));
    choiceLog().lengthSeen.push_back(dlg.sheet().storeLength);
    choiceLog().fansSeen.push_back(dlg.sheet().airCoolerCount);
    dlg.writeSheet();
}

// clang-format off
inline constexpr std::array<int, 23> kRecordedLists{
    ctl::insulationChoice, ctl::goodsKindChoice, ctl::productChoice, ctl::siteChoice,
    ctl::packagingMaterialChoice, ctl::packagingRatioChoice, ctl::produceAirChangeChoice,
    ctl::respirationProduceChoice, ctl::doorChoice, ctl::floorChoice, ctl::roomKindChoice,
    ctl::freshAirChoice, ctl::coilTypeChoice, ctl::coilPitchChoice, ctl::coilDiameterChoice,
    ctl::coilFeedChoice, ctl::coilRoomTempChoice, ctl::coilTempDiffChoice, ctl::coilRowsChoice,
    ctl::airCoolerEvapChoice, ctl::airCoolerTempDiffChoice, ctl::airCoolerTubeChoice,
    ctl::referenceListCompact};
// clang-format on

template <std::size_t... I>
constexpr std::array<EventBinding, 25> recordingEvents(std::index_sequence<I...>) {
    return {{{kRecordedLists[I], EventKind::ListChange, &recordChoice<kRecordedLists[I]>}...,
             {ctl::referenceList, EventKind::Selection, &OnReferenceChange},
             {ctl::applyReferenceButton, EventKind::Click, &OnApplyReference}}};
}

inline FormListsAndEvents recordingListsAndEvents() {
    static constexpr auto kEvents = recordingEvents(std::make_index_sequence<23>{});
    return {designFormLists(), kEvents};
}

} // namespace gelvant::testing_form
