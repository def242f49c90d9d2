#include "form_tables/design_form.h"

#include "calc/cooling_load.h"
#include "calc/dependent_rules.h"
#include "evaporator/air_cooler.h"
#include "evaporator/coil.h"
#include "evaporator/room_choices.h"
#include "form/controls.h"
#include "form/field_dictionary.h"
#include "form_tables/form_lists_table.h"
#include "reference/reference_rooms.h"
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

// Boxes are named by their field, lists by their list name: a misspelt name
// does not build.
consteval EventBinding onEdit(std::string_view field, Handler handler) {
    return {fieldControl(field), EventKind::Edit, handler};
}
consteval EventBinding onChange(std::string_view list, Handler handler) {
    return {listControl(list), EventKind::ListChange, handler};
}
consteval EventBinding onSelection(std::string_view list, Handler handler) {
    return {listControl(list), EventKind::Selection, handler};
}
consteval EventBinding onClick(int button, Handler handler) {
    return {button, EventKind::Click, handler};
}

// The form's event table: which handler each box, list and button runs.
constexpr std::array kEvents{
    onEdit("storeLength", OnGeometryChange),
    onEdit("storeWidth", OnGeometryChange),
    onEdit("storeHeight", OnGeometryChange),
    onEdit("goodsDensity", OnGeometryChange),
    onEdit("volumeCoefficient", OnVolumeCoefficientChange),
    onEdit("insulationThicknessMm", OnInsulationChange),
    onEdit("insulationConductivity", OnInsulationChange),
    onEdit("doorWidth", OnDoorSizeChange),
    onEdit("doorHeight", OnDoorSizeChange),
    onEdit("storageTonnage", OnTonnageChange),
    onEdit("dailyIntakePercent", OnTonnageChange),
    onEdit("produceAirChangesPerDay", OnProduceAirChangesChange),
    onEdit("roomTemp", OnRoomTempChange),
    onEdit("respirationPer10C", OnRespirationFieldEdit),
    onEdit("intakeRespirationHeat", OnRespirationFieldEdit),
    onEdit("waterContentPercent", RecomputeGoodsHeat),
    onEdit("specificHeatUnfrozen", RecomputeGoodsHeat),
    onEdit("specificHeatFrozen", RecomputeGoodsHeat),
    onEdit("freezingPoint", RecomputeGoodsHeat),
    onEdit("intakeTemp", OnGoodsTempChange),
    onEdit("finalTemp", OnGoodsTempChange),
    onEdit("frozenFractionPercent", OnFrozenFractionChange),
    onEdit("coilHeatTransfer", OnCoilHeatTransferChange),
    onEdit("airCoolerHeatTransfer", OnAirCoolerHeatTransferChange),
    onChange("doorChoice", OnGeometryChange),
    onChange("insulationChoice", OnInsulationMaterialChange),
    onChange("goodsKindChoice", OnGoodsKindChange),
    onChange("productChoice", OnProductChange),
    onChange("siteChoice", OnSiteChange),
    onChange("packagingMaterialChoice", OnPackagingMaterialChange),
    onChange("packagingRatioChoice", OnPackagingRatioChange),
    onChange("produceAirChangeChoice", OnAirChangeCountChange),
    onChange("respirationProduceChoice", OnRespirationProduceChange),
    onChange("coilTypeChoice", OnCoilChoiceChange),
    onChange("coilPitchChoice", OnCoilChoiceChange),
    onChange("coilDiameterChoice", OnCoilChoiceChange),
    onChange("coilFeedChoice", OnCoilChoiceChange),
    onChange("coilRoomTempChoice", OnCoilChoiceChange),
    onChange("coilTempDiffChoice", OnCoilChoiceChange),
    onChange("coilRowsChoice", OnCoilChoiceChange),
    onChange("airCoolerEvapChoice", OnAirCoolerChoiceChange),
    onChange("airCoolerTubeChoice", OnAirCoolerChoiceChange),
    onChange("airCoolerTempDiffChoice", OnAirCoolerTempDiffChange),
    onChange("roomKindChoice", OnRoomKindChange),
    onChange("floorChoice", OnFloorChange),
    onChange("freshAirChoice", OnFreshAirChange),
    onChange("referenceListCompact", OnReferenceCompactChange),
    onSelection("referenceList", OnReferenceChange),
    onClick(ctl::computeButton, ComputeCoolingLoad),
    onClick(ctl::applyReferenceButton, OnApplyReference),
};

} // namespace

std::span<const ListDef> designFormLists() {
    return kFormLists;
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
    for (const ListDef& def : kFormLists) {
        if (isNumber ? def.controlId == controlId : def.name == nameOrControlId) {
            return &def;
        }
    }
    return nullptr;
}

} // namespace gelvant
