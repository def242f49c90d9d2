#include "form/design_form.h"

#include "calc/cooling_load.h"
#include "calc/dependent_rules.h"
#include "evaporator/air_cooler.h"
#include "evaporator/coil.h"
#include "evaporator/room_choices.h"
#include "reference/reference_rooms.h"
#include "sheet/controls.h"
#include "tables/goods_kind.h"
#include "tables/insulation.h"
#include "tables/packaging.h"
#include "tables/product.h"
#include "tables/respiration.h"
#include "tables/site.h"

#include <array>
#include <charconv>

namespace gelvant {
namespace {

const std::array<ListDef, 24>& listTable() {
    using enum ListStyle;
    static const std::array<ListDef, 24> kLists{{
        {ctl::insulationChoice, "insulationChoice", Extended, false, insulationItems()},
        {ctl::goodsKindChoice, "goodsKindChoice", Extended, false, goodsKindItems()},
        {ctl::productChoice, "productChoice", Extended, false, productItems()},
        {ctl::siteChoice, "siteChoice", Extended, false, siteItems()},
        {ctl::packagingMaterialChoice, "packagingMaterialChoice", Extended, false,
         packagingMaterialItems()},
        {ctl::packagingRatioChoice, "packagingRatioChoice", Extended, false, packagingRatioItems()},
        {ctl::produceAirChangeChoice, "produceAirChangeChoice", Extended, false,
         produceAirChangeItems()},
        {ctl::respirationProduceChoice, "respirationProduceChoice", Extended, false,
         respirationProduceItems()},
        {ctl::doorChoice, "doorChoice", Extended, false, doorItems()},
        {ctl::floorChoice, "floorChoice", Extended, false, floorItems()},
        {ctl::roomKindChoice, "roomKindChoice", Extended, false, roomKindItems()},
        {ctl::freshAirChoice, "freshAirChoice", Extended, false, freshAirItems()},
        {ctl::coilTypeChoice, "coilTypeChoice", Extended, false, coilTypeItems()},
        {ctl::coilPitchChoice, "coilPitchChoice", Extended, false, coilPitchItems()},
        {ctl::coilDiameterChoice, "coilDiameterChoice", Extended, false, coilDiameterItems()},
        {ctl::coilFeedChoice, "coilFeedChoice", Extended, false, coilFeedItems()},
        {ctl::coilRoomTempChoice, "coilRoomTempChoice", Extended, false, coilRoomTempItems()},
        {ctl::coilTempDiffChoice, "coilTempDiffChoice", Extended, false, coilTempDiffItems()},
        {ctl::coilRowsChoice, "coilRowsChoice", Extended, false, coilRowsItems()},
        {ctl::airCoolerEvapChoice, "airCoolerEvapChoice", Extended, false, airCoolerEvapItems()},
        {ctl::airCoolerTempDiffChoice, "airCoolerTempDiffChoice", Extended, false,
         airCoolerTempDiffItems()},
        {ctl::airCoolerTubeChoice, "airCoolerTubeChoice", Extended, false, airCoolerTubeItems()},
        {ctl::referenceList, "referenceList", Plain, false, referenceInitialItems(),
         referenceAppendedItems()},
        {ctl::referenceListCompact, "referenceListCompact", Extended, true,
         referenceCompactItems()},
    }};
    return kLists;
}

constexpr auto edit = EventKind::Edit;
constexpr auto change = EventKind::ListChange;

#define BIND(control, event, handler)                                                              \
    EventBinding {                                                                                 \
        control, event, &handler, #handler                                                         \
    }

// clang-format off
const std::array kEvents{
    BIND(1003, edit, OnGeometryChange),             // storeLength
    BIND(1004, edit, OnGeometryChange),             // storeWidth
    BIND(1005, edit, OnGeometryChange),             // storeHeight
    BIND(1019, edit, OnGeometryChange),             // goodsDensity
    BIND(1020, edit, OnVolumeCoefficientChange),    // volumeCoefficient
    BIND(1008, edit, OnInsulationChange),           // insulationThicknessMm
    BIND(1009, edit, OnInsulationChange),           // insulationConductivity
    BIND(1012, edit, OnDoorSizeChange),             // doorWidth
    BIND(1013, edit, OnDoorSizeChange),             // doorHeight
    BIND(1056, edit, OnTonnageChange),              // storageTonnage
    BIND(1021, edit, OnTonnageChange),              // dailyIntakePercent
    BIND(1028, edit, OnProduceAirChangesChange),    // produceAirChangesPerDay
    BIND(1024, edit, OnRoomTempChange),             // roomTemp
    BIND(1044, edit, OnRespirationFieldEdit),       // respirationPer10C
    BIND(1046, edit, OnRespirationFieldEdit),       // intakeRespirationHeat
    BIND(1032, edit, RecomputeGoodsHeat),           // waterContentPercent
    BIND(1031, edit, RecomputeGoodsHeat),           // specificHeatUnfrozen
    BIND(1034, edit, RecomputeGoodsHeat),           // specificHeatFrozen
    BIND(1035, edit, RecomputeGoodsHeat),           // freezingPoint
    BIND(1026, edit, OnGoodsTempChange),            // intakeTemp
    BIND(1027, edit, OnGoodsTempChange),            // finalTemp
    BIND(1033, edit, OnFrozenFractionChange),       // frozenFractionPercent
    BIND(1121, edit, OnCoilHeatTransferChange),     // coilHeatTransfer
    BIND(1122, edit, OnAirCoolerHeatTransferChange),// airCoolerHeatTransfer
    BIND(ctl::doorChoice, change, OnGeometryChange),
    BIND(ctl::insulationChoice, change, OnInsulationMaterialChange),
    BIND(ctl::goodsKindChoice, change, OnGoodsKindChange),
    BIND(ctl::productChoice, change, OnProductChange),
    BIND(ctl::siteChoice, change, OnSiteChange),
    BIND(ctl::packagingMaterialChoice, change, OnPackagingMaterialChange),
    BIND(ctl::packagingRatioChoice, change, OnPackagingRatioChange),
    BIND(ctl::produceAirChangeChoice, change, OnAirChangeCountChange),
    BIND(ctl::respirationProduceChoice, change, OnRespirationProduceChange),
    BIND(ctl::coilTypeChoice, change, OnCoilChoiceChange),
    BIND(ctl::coilPitchChoice, change, OnCoilChoiceChange),
    BIND(ctl::coilDiameterChoice, change, OnCoilChoiceChange),
    BIND(ctl::coilFeedChoice, change, OnCoilChoiceChange),
    BIND(ctl::coilRoomTempChoice, change, OnCoilChoiceChange),
    BIND(ctl::coilTempDiffChoice, change, OnCoilChoiceChange),
    BIND(ctl::coilRowsChoice, change, OnCoilChoiceChange),
    BIND(ctl::airCoolerEvapChoice, change, OnAirCoolerChoiceChange),
    BIND(ctl::airCoolerTubeChoice, change, OnAirCoolerChoiceChange),
    BIND(ctl::airCoolerTempDiffChoice, change, OnAirCoolerTempDiffChange),
    BIND(ctl::roomKindChoice, change, OnRoomKindChange),
    BIND(ctl::floorChoice, change, OnFloorChange),
    BIND(ctl::freshAirChoice, change, OnFreshAirChange),
    BIND(ctl::referenceListCompact, change, OnReferenceCompactChange),
    BIND(ctl::referenceList, EventKind::Selection, OnReferenceChange),
    BIND(ctl::computeButton, EventKind::Click, ComputeCoolingLoad),
    BIND(ctl::applyReferenceButton, EventKind::Click, OnApplyReference),
};
// clang-format on
#undef BIND

} // namespace

std::span<const ListDef> designFormLists() {
    return listTable();
}

std::span<const EventBinding> designFormEvents() {
    return kEvents;
}

const ListChoice* listChoiceIn(const FormState& form, int listCtl) {
    const auto lists = designFormLists();
    for (std::size_t i = 0; i < lists.size() && i < form.lists.size(); ++i) {
        if (lists[i].controlId == listCtl) {
            return &form.lists[i];
        }
    }
    return nullptr;
}

FormListsAndEvents designFormListsAndEvents() {
    return {designFormLists(), designFormEvents()};
}

const ListDef* findList(std::string_view nameOrControlId) {
    int controlId = -1;
    const char* end = nameOrControlId.data() + nameOrControlId.size();
    const auto parsed = std::from_chars(nameOrControlId.data(), end, controlId);
    const bool isNumber = parsed.ec == std::errc{} && parsed.ptr == end;
    for (const ListDef& def : listTable()) {
        if (isNumber ? def.controlId == controlId : def.name == nameOrControlId) {
            return &def;
        }
    }
    return nullptr;
}

} // namespace gelvant
