#pragma once

#include "form/controls.h"
#include "form/field_dictionary.h"
#include "form_tables/form_groups_table.h"
#include "form_tables/form_lists_table.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace gelvant {

enum class CellKind : std::uint8_t {
    Field,     // the box's label, then the box in the next grid column
    BareField, // the box alone; its label is kept hidden (a list stands in its place)
    List,      // a drop-down list with an edit part
    Text,      // a static text the rules rewrite
    Caption,   // a fixed label
    Button,    // a push button
    Option,    // an option button
};

// One control of the form and where it sits in its group's grid. Widths are
// in character cells of the form's font (the width of one Chinese character),
// so the form keeps its proportions at any font size and screen scale.
struct FormCellDef {
    FormGroup group;
    CellKind kind;
    int control; // control ID; 0 for a caption
    int row;
    int column;
    int span;                 // grid columns taken (a field always takes two)
    int widthEm;              // lists and texts: least width (0: as the grid gives)
    int lines;                // texts: lines shown; above 1 the text wraps
    std::string_view caption; // captions, buttons and option buttons
};

// Cells name their box, list or text by its name in the record, the list
// table or the run-time texts; a misspelt name does not build.
namespace cell {
consteval FormCellDef field(FormGroup group, std::string_view name, int row, int column) {
    return {group, CellKind::Field, fieldControl(name), row, column, 2, 0, 1, {}};
}
consteval FormCellDef bareField(FormGroup group, std::string_view name, int row, int column) {
    return {group, CellKind::BareField, fieldControl(name), row, column, 1, 0, 1, {}};
}
consteval FormCellDef list(FormGroup group, std::string_view name, int row, int column, int span,
                           int widthEm = 0) {
    return {group, CellKind::List, listControl(name), row, column, span, widthEm, 1, {}};
}
consteval FormCellDef text(FormGroup group, std::string_view name, int row, int column, int span,
                           int widthEm, int lines = 1) {
    return {group, CellKind::Text, textControl(name), row, column, span, widthEm, lines, {}};
}
consteval FormCellDef caption(FormGroup group, std::string_view text, int row, int column) {
    return {group, CellKind::Caption, 0, row, column, 1, 0, 1, text};
}
consteval FormCellDef button(FormGroup group, int control, std::string_view text, int row,
                             int column, int span) {
    return {group, CellKind::Button, control, row, column, span, 0, 1, text};
}
consteval FormCellDef option(FormGroup group, int control, std::string_view text, int row,
                             int column) {
    return {group, CellKind::Option, control, row, column, 1, 0, 1, text};
}
} // namespace cell

// Every box, list, run-time text, button and option button of the form,
// group by group.
// clang-format off
inline constexpr std::array kFormCells{
    // 库体尺寸
    cell::field(FormGroup::StoreSize, "storeLength", 0, 0),
    cell::field(FormGroup::StoreSize, "storeWidth", 1, 0),
    cell::field(FormGroup::StoreSize, "storeHeight", 2, 0),
    cell::field(FormGroup::StoreSize, "innerVolume", 3, 0),
    cell::field(FormGroup::StoreSize, "outerSurfaceArea", 4, 0),
    cell::field(FormGroup::StoreSize, "antiCondensationThicknessMm", 5, 0),
    // 保温材料
    cell::caption(FormGroup::Insulation, "种类", 0, 0),
    cell::list(FormGroup::Insulation, "insulationChoice", 0, 1, 1),
    cell::field(FormGroup::Insulation, "insulationThicknessMm", 1, 0),
    cell::field(FormGroup::Insulation, "insulationConductivity", 2, 0),
    cell::field(FormGroup::Insulation, "insulationDensity", 3, 0),
    cell::field(FormGroup::Insulation, "insulationSpecificHeat", 4, 0),
    cell::field(FormGroup::Insulation, "wallHeatTransfer", 5, 0),
    // 货物参数
    cell::list(FormGroup::Goods, "goodsKindChoice", 0, 0, 2),
    cell::list(FormGroup::Goods, "siteChoice", 0, 2, 2),
    cell::field(FormGroup::Goods, "goodsDensity", 1, 0),
    cell::field(FormGroup::Goods, "volumeCoefficient", 1, 2),
    cell::field(FormGroup::Goods, "storageTonnage", 2, 0),
    cell::field(FormGroup::Goods, "coolingHours", 2, 2),
    cell::field(FormGroup::Goods, "dailyIntakePercent", 3, 0),
    cell::field(FormGroup::Goods, "dailyIntakeTons", 3, 2),
    cell::field(FormGroup::Goods, "intakeTemp", 4, 0),
    cell::field(FormGroup::Goods, "finalTemp", 4, 2),
    cell::field(FormGroup::Goods, "summerAirConditioningTemp", 5, 0),
    cell::field(FormGroup::Goods, "summerPressurePa", 5, 2),
    // 通风换气
    cell::field(FormGroup::Ventilation, "roomTemp", 0, 0),
    cell::field(FormGroup::Ventilation, "ambientTemp", 0, 2),
    cell::field(FormGroup::Ventilation, "roomHumidity", 1, 0),
    cell::field(FormGroup::Ventilation, "ambientHumidity", 1, 2),
    cell::field(FormGroup::Ventilation, "produceAirChangesPerDay", 2, 0),
    cell::list(FormGroup::Ventilation, "produceAirChangeChoice", 2, 2, 1),
    cell::field(FormGroup::Ventilation, "airChangeVolumePerDay", 3, 0),
    // 人工操作热量
    cell::field(FormGroup::Workers, "workerCount", 0, 0),
    cell::list(FormGroup::Workers, "freshAirChoice", 0, 2, 1, 10),
    cell::bareField(FormGroup::Workers, "freshAirPerPerson", 0, 3),
    cell::field(FormGroup::Workers, "workHoursPerDay", 1, 0),
    cell::field(FormGroup::Workers, "heatPerPerson", 1, 2),
    // 货物热量
    cell::list(FormGroup::GoodsHeat, "productChoice", 0, 0, 2),
    cell::option(FormGroup::GoodsHeat, ctl::enthalpyOption, "焓值", 0, 2),
    cell::option(FormGroup::GoodsHeat, ctl::specificHeatOption, "比热", 0, 3),
    cell::field(FormGroup::GoodsHeat, "intakeEnthalpy", 1, 0),
    cell::field(FormGroup::GoodsHeat, "finalEnthalpy", 1, 2),
    cell::field(FormGroup::GoodsHeat, "specificHeatUnfrozen", 2, 0),
    cell::field(FormGroup::GoodsHeat, "specificHeatFrozen", 2, 2),
    cell::field(FormGroup::GoodsHeat, "waterContentPercent", 3, 0),
    cell::field(FormGroup::GoodsHeat, "frozenFractionPercent", 3, 2),
    cell::field(FormGroup::GoodsHeat, "freezingPoint", 4, 0),
    // 鲜果蔬呼吸热
    cell::list(FormGroup::Respiration, "respirationProduceChoice", 0, 0, 2),
    cell::field(FormGroup::Respiration, "respirationPer10C", 0, 2),
    cell::field(FormGroup::Respiration, "intakeRespirationHeat", 1, 0),
    cell::field(FormGroup::Respiration, "finalRespirationHeat", 1, 2),
    // 库门和地面
    cell::list(FormGroup::DoorAndFloor, "doorChoice", 0, 0, 2),
    cell::list(FormGroup::DoorAndFloor, "floorChoice", 0, 2, 2),
    cell::field(FormGroup::DoorAndFloor, "doorWidth", 1, 0),
    cell::field(FormGroup::DoorAndFloor, "doorHeight", 1, 2),
    cell::field(FormGroup::DoorAndFloor, "doorAirChangesPerDay", 2, 0),
    cell::field(FormGroup::DoorAndFloor, "doorAirSpeed", 3, 0), // hidden
    cell::field(FormGroup::DoorAndFloor, "doorArea", 3, 2), // hidden
    cell::field(FormGroup::DoorAndFloor, "doorOpenMinutes", 4, 0), // hidden
    // 其它材料热
    cell::list(FormGroup::OtherMaterials, "packagingMaterialChoice", 0, 0, 2),
    cell::list(FormGroup::OtherMaterials, "packagingRatioChoice", 0, 2, 2),
    cell::field(FormGroup::OtherMaterials, "packagingSpecificHeat", 1, 0),
    cell::field(FormGroup::OtherMaterials, "packagingRatio", 1, 2),
    cell::field(FormGroup::OtherMaterials, "steelSpecificHeat", 2, 0),
    cell::field(FormGroup::OtherMaterials, "steelMassKg", 2, 2),
    cell::field(FormGroup::OtherMaterials, "aluminiumSpecificHeat", 3, 0),
    cell::field(FormGroup::OtherMaterials, "aluminiumMassKg", 3, 2),
    cell::field(FormGroup::OtherMaterials, "copperSpecificHeat", 4, 0),
    cell::field(FormGroup::OtherMaterials, "copperMassKg", 4, 2),
    // 冷风机
    cell::field(FormGroup::AirCoolers, "airCoolerPowerKw", 0, 0),
    cell::field(FormGroup::AirCoolers, "airCoolerCount", 0, 2),
    cell::field(FormGroup::AirCoolers, "heaterPowerKw", 1, 0),
    cell::field(FormGroup::AirCoolers, "heaterCount", 1, 2),
    cell::field(FormGroup::AirCoolers, "defrostHours", 2, 0),
    // 照明热量
    cell::list(FormGroup::Lighting, "roomKindChoice", 0, 0, 2),
    cell::field(FormGroup::Lighting, "lightingPerArea", 0, 2),
    cell::field(FormGroup::Lighting, "floorArea", 1, 0),
    cell::field(FormGroup::Lighting, "lightingHours", 1, 2), // hidden
    // Results, under the compute button
    cell::button(FormGroup::Results, ctl::computeButton, "计算冷负荷", 0, 0, 2),
    cell::field(FormGroup::Results, "totalCoolingLoadW", 0, 2),
    cell::text(FormGroup::Results, "totalLoadNote", 0, 4, 2, 14),
    cell::field(FormGroup::Results, "loadPerTonW", 0, 6),
    cell::text(FormGroup::Results, "tonnageNote", 0, 8, 2, 13),
    cell::field(FormGroup::Results, "coilAreaM2", 0, 10),
    cell::field(FormGroup::Results, "airCoolerAreaM2", 0, 12),
    cell::field(FormGroup::Results, "ambientDewPoint", 0, 14),
    cell::field(FormGroup::Results, "wallLeakHeatW", 1, 0),
    cell::field(FormGroup::Results, "resultWallHeatTransfer", 1, 2),
    cell::field(FormGroup::Results, "resultSurfaceArea", 1, 4),
    cell::field(FormGroup::Results, "resultWallTempDiff", 1, 6),
    cell::field(FormGroup::Results, "goodsHeatW", 1, 8),
    cell::field(FormGroup::Results, "resultGoodsHeatRelease", 1, 10),
    cell::field(FormGroup::Results, "resultCoolingHours", 1, 12),
    cell::field(FormGroup::Results, "resultIntakeTons", 1, 14),
    cell::field(FormGroup::Results, "respirationHeatW", 2, 0),
    cell::field(FormGroup::Results, "resultIntakeRespHeat", 2, 2),
    cell::field(FormGroup::Results, "resultFinalRespHeat", 2, 4),
    cell::field(FormGroup::Results, "resultRespIntakeTons", 2, 6),
    cell::field(FormGroup::Results, "materialHeatW", 2, 8),
    cell::field(FormGroup::Results, "resultMaterialMassKg", 2, 10),
    cell::field(FormGroup::Results, "resultMaterialHours", 2, 12),
    cell::field(FormGroup::Results, "resultMaterialTempDiff", 2, 14),
    cell::field(FormGroup::Results, "operatingHeatW", 3, 0),
    cell::field(FormGroup::Results, "doorHeatW", 3, 2),
    cell::field(FormGroup::Results, "lightingHeatW", 3, 4),
    cell::field(FormGroup::Results, "workerHeatW", 3, 6),
    cell::field(FormGroup::Results, "airCoolerHeatW", 3, 8),
    cell::field(FormGroup::Results, "ambientAirDensity", 3, 10),
    cell::field(FormGroup::Results, "coldAirDensity", 3, 12),
    cell::field(FormGroup::Results, "ventilationHeatW", 4, 0),
    cell::field(FormGroup::Results, "resultProduceAirChanges", 4, 2),
    cell::field(FormGroup::Results, "ambientMoistureGPerKg", 4, 4),
    cell::field(FormGroup::Results, "roomMoistureGPerKg", 4, 6),
    // Coil and air-cooler rows
    cell::caption(FormGroup::Evaporators, "排  管", 0, 0),
    cell::list(FormGroup::Evaporators, "coilTypeChoice", 0, 1, 1, 11),
    cell::list(FormGroup::Evaporators, "coilPitchChoice", 0, 2, 1, 4),
    cell::list(FormGroup::Evaporators, "coilDiameterChoice", 0, 3, 1, 4),
    cell::list(FormGroup::Evaporators, "coilFeedChoice", 0, 4, 1, 8),
    cell::list(FormGroup::Evaporators, "coilRoomTempChoice", 0, 5, 1, 9),
    cell::list(FormGroup::Evaporators, "coilTempDiffChoice", 0, 6, 1, 6),
    cell::list(FormGroup::Evaporators, "coilRowsChoice", 0, 7, 1, 8),
    cell::field(FormGroup::Evaporators, "coilHeatTransfer", 0, 8),
    cell::field(FormGroup::Evaporators, "coilHeatFlux", 0, 10),
    cell::caption(FormGroup::Evaporators, "冷风机", 1, 0),
    cell::list(FormGroup::Evaporators, "airCoolerEvapChoice", 1, 1, 4),
    cell::list(FormGroup::Evaporators, "airCoolerTempDiffChoice", 1, 5, 2),
    cell::list(FormGroup::Evaporators, "airCoolerTubeChoice", 1, 7, 1),
    cell::text(FormGroup::Evaporators, "airCoolerTubeLabel", 1, 8, 1, 14),
    cell::bareField(FormGroup::Evaporators, "airCoolerHeatTransfer", 1, 9),
    cell::field(FormGroup::Evaporators, "airCoolerHeatFlux", 1, 10),
    cell::text(FormGroup::Evaporators, "compressorNote1", 2, 0, 6, 0),
    cell::text(FormGroup::Evaporators, "compressorNote2", 2, 6, 6, 0),
    // 各类冷间热负荷的经验数据
    cell::list(FormGroup::Reference, "referenceList", 0, 0, 1, 60),
    cell::button(FormGroup::Reference, ctl::applyReferenceButton, "以此库参数代入上表栏核算", 0, 1, 1),
    cell::list(FormGroup::Reference, "referenceListCompact", 0, 2, 1),
    cell::field(FormGroup::Reference, "resultInnerVolume", 0, 3), // hidden
    cell::text(FormGroup::Reference, "referenceNote", 1, 0, 2, 0, 3),
    // 空库降温
    cell::text(FormGroup::EmptyStore, "emptyStoreNote", 0, 0, 1, 16, 3),
};
// clang-format on

} // namespace gelvant
