#pragma once

#include "form/form_groups_table.h"
#include "sheet/controls.h"

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
    int group;
    CellKind kind;
    int control; // control ID; 0 for a caption
    int row;
    int column;
    int span;                 // grid columns taken (a field always takes two)
    int widthEm;              // lists and texts: least width (0: as the grid gives)
    int lines;                // texts: lines shown; above 1 the text wraps
    std::string_view caption; // captions, buttons and option buttons
};

namespace cell {
constexpr FormCellDef field(int group, int control, int row, int column) {
    return {group, CellKind::Field, control, row, column, 2, 0, 1, {}};
}
constexpr FormCellDef bareField(int group, int control, int row, int column) {
    return {group, CellKind::BareField, control, row, column, 1, 0, 1, {}};
}
constexpr FormCellDef list(int group, int control, int row, int column, int span, int widthEm = 0) {
    return {group, CellKind::List, control, row, column, span, widthEm, 1, {}};
}
constexpr FormCellDef text(int group, int control, int row, int column, int span, int widthEm,
                           int lines = 1) {
    return {group, CellKind::Text, control, row, column, span, widthEm, lines, {}};
}
constexpr FormCellDef caption(int group, std::string_view text, int row, int column) {
    return {group, CellKind::Caption, 0, row, column, 1, 0, 1, text};
}
constexpr FormCellDef button(int group, int control, std::string_view text, int row, int column,
                             int span) {
    return {group, CellKind::Button, control, row, column, span, 0, 1, text};
}
constexpr FormCellDef option(int group, int control, std::string_view text, int row, int column) {
    return {group, CellKind::Option, control, row, column, 1, 0, 1, text};
}
} // namespace cell

// Every box, list, run-time text, button and option button of the form,
// group by group. Fields are named by the control ID of their box.
// clang-format off
inline constexpr std::array kFormCells{
    // 库体尺寸
    cell::field(grp::storeSize, 1003, 0, 0),   // storeLength
    cell::field(grp::storeSize, 1004, 1, 0),   // storeWidth
    cell::field(grp::storeSize, 1005, 2, 0),   // storeHeight
    cell::field(grp::storeSize, 1006, 3, 0),   // innerVolume
    cell::field(grp::storeSize, 1007, 4, 0),   // outerSurfaceArea
    cell::field(grp::storeSize, 1104, 5, 0),   // antiCondensationThicknessMm
    // 保温材料
    cell::caption(grp::insulation, "种类", 0, 0),
    cell::list(grp::insulation, ctl::insulationChoice, 0, 1, 1),
    cell::field(grp::insulation, 1008, 1, 0),  // insulationThicknessMm
    cell::field(grp::insulation, 1009, 2, 0),  // insulationConductivity
    cell::field(grp::insulation, 1010, 3, 0),  // insulationDensity
    cell::field(grp::insulation, 1011, 4, 0),  // insulationSpecificHeat
    cell::field(grp::insulation, 1059, 5, 0),  // wallHeatTransfer
    // 货物参数
    cell::list(grp::goods, ctl::goodsKindChoice, 0, 0, 2),
    cell::list(grp::goods, ctl::siteChoice, 0, 2, 2),
    cell::field(grp::goods, 1019, 1, 0),       // goodsDensity
    cell::field(grp::goods, 1020, 1, 2),       // volumeCoefficient
    cell::field(grp::goods, 1056, 2, 0),       // storageTonnage
    cell::field(grp::goods, 1023, 2, 2),       // coolingHours
    cell::field(grp::goods, 1021, 3, 0),       // dailyIntakePercent
    cell::field(grp::goods, 1022, 3, 2),       // dailyIntakeTons
    cell::field(grp::goods, 1026, 4, 0),       // intakeTemp
    cell::field(grp::goods, 1027, 4, 2),       // finalTemp
    cell::field(grp::goods, 1100, 5, 0),       // summerAirConditioningTemp
    cell::field(grp::goods, 1103, 5, 2),       // summerPressurePa
    // 通风换气
    cell::field(grp::ventilation, 1024, 0, 0), // roomTemp
    cell::field(grp::ventilation, 1025, 0, 2), // ambientTemp
    cell::field(grp::ventilation, 1089, 1, 0), // roomHumidity
    cell::field(grp::ventilation, 1076, 1, 2), // ambientHumidity
    cell::field(grp::ventilation, 1028, 2, 0), // produceAirChangesPerDay
    cell::list(grp::ventilation, ctl::produceAirChangeChoice, 2, 2, 1),
    cell::field(grp::ventilation, 1092, 3, 0), // airChangeVolumePerDay
    // 人工操作热量
    cell::field(grp::workers, 1052, 0, 0),     // workerCount
    cell::list(grp::workers, ctl::freshAirChoice, 0, 2, 1, 10),
    cell::bareField(grp::workers, 1053, 0, 3), // freshAirPerPerson
    cell::field(grp::workers, 1054, 1, 0),     // workHoursPerDay
    cell::field(grp::workers, 1055, 1, 2),     // heatPerPerson
    // 货物热量
    cell::list(grp::goodsHeat, ctl::productChoice, 0, 0, 2),
    cell::option(grp::goodsHeat, ctl::enthalpyOption, "焓值", 0, 2),
    cell::option(grp::goodsHeat, ctl::specificHeatOption, "比热", 0, 3),
    cell::field(grp::goodsHeat, 1029, 1, 0),   // intakeEnthalpy
    cell::field(grp::goodsHeat, 1030, 1, 2),   // finalEnthalpy
    cell::field(grp::goodsHeat, 1031, 2, 0),   // specificHeatUnfrozen
    cell::field(grp::goodsHeat, 1034, 2, 2),   // specificHeatFrozen
    cell::field(grp::goodsHeat, 1032, 3, 0),   // waterContentPercent
    cell::field(grp::goodsHeat, 1033, 3, 2),   // frozenFractionPercent
    cell::field(grp::goodsHeat, 1035, 4, 0),   // freezingPoint
    // 鲜果蔬呼吸热
    cell::list(grp::respiration, ctl::respirationProduceChoice, 0, 0, 2),
    cell::field(grp::respiration, 1044, 0, 2), // respirationPer10C
    cell::field(grp::respiration, 1046, 1, 0), // intakeRespirationHeat
    cell::field(grp::respiration, 1045, 1, 2), // finalRespirationHeat
    // 库门和地面
    cell::list(grp::doorAndFloor, ctl::doorChoice, 0, 0, 2),
    cell::list(grp::doorAndFloor, ctl::floorChoice, 0, 2, 2),
    cell::field(grp::doorAndFloor, 1012, 1, 0), // doorWidth
    cell::field(grp::doorAndFloor, 1013, 1, 2), // doorHeight
    cell::field(grp::doorAndFloor, 1015, 2, 0), // doorAirChangesPerDay
    cell::field(grp::doorAndFloor, 1016, 3, 0), // doorAirSpeed (hidden)
    cell::field(grp::doorAndFloor, 1017, 3, 2), // doorArea (hidden)
    cell::field(grp::doorAndFloor, 1018, 4, 0), // doorOpenMinutes (hidden)
    // 其它材料热
    cell::list(grp::otherMaterials, ctl::packagingMaterialChoice, 0, 0, 2),
    cell::list(grp::otherMaterials, ctl::packagingRatioChoice, 0, 2, 2),
    cell::field(grp::otherMaterials, 1036, 1, 0), // packagingSpecificHeat
    cell::field(grp::otherMaterials, 1040, 1, 2), // packagingRatio
    cell::field(grp::otherMaterials, 1037, 2, 0), // steelSpecificHeat
    cell::field(grp::otherMaterials, 1041, 2, 2), // steelMassKg
    cell::field(grp::otherMaterials, 1038, 3, 0), // aluminiumSpecificHeat
    cell::field(grp::otherMaterials, 1042, 3, 2), // aluminiumMassKg
    cell::field(grp::otherMaterials, 1039, 4, 0), // copperSpecificHeat
    cell::field(grp::otherMaterials, 1043, 4, 2), // copperMassKg
    // 冷风机
    cell::field(grp::airCoolers, 1047, 0, 0),  // airCoolerPowerKw
    cell::field(grp::airCoolers, 1050, 0, 2),  // airCoolerCount
    cell::field(grp::airCoolers, 1048, 1, 0),  // heaterPowerKw
    cell::field(grp::airCoolers, 1051, 1, 2),  // heaterCount
    cell::field(grp::airCoolers, 1049, 2, 0),  // defrostHours
    // 照明热量
    cell::list(grp::lighting, ctl::roomKindChoice, 0, 0, 2),
    cell::field(grp::lighting, 1086, 0, 2),    // lightingPerArea
    cell::field(grp::lighting, 1087, 1, 0),    // floorArea
    cell::field(grp::lighting, 1088, 1, 2),    // lightingHours (hidden)
    // Results, under the compute button
    cell::button(grp::results, ctl::computeButton, "计算冷负荷", 0, 0, 2),
    cell::field(grp::results, 1093, 0, 2),     // totalCoolingLoadW
    cell::text(grp::results, ctl::totalLoadNote, 0, 4, 2, 14),
    cell::field(grp::results, 1099, 0, 6),     // loadPerTonW
    cell::text(grp::results, ctl::tonnageNote, 0, 8, 2, 13),
    cell::field(grp::results, 1125, 0, 10),    // coilAreaM2
    cell::field(grp::results, 1128, 0, 12),    // airCoolerAreaM2
    cell::field(grp::results, 1105, 0, 14),    // ambientDewPoint
    cell::field(grp::results, 1061, 1, 0),     // wallLeakHeatW
    cell::field(grp::results, 1063, 1, 2),     // resultWallHeatTransfer
    cell::field(grp::results, 1064, 1, 4),     // resultSurfaceArea
    cell::field(grp::results, 1065, 1, 6),     // resultWallTempDiff
    cell::field(grp::results, 1062, 1, 8),     // goodsHeatW
    cell::field(grp::results, 1067, 1, 10),    // resultGoodsHeatRelease
    cell::field(grp::results, 1068, 1, 12),    // resultCoolingHours
    cell::field(grp::results, 1066, 1, 14),    // resultIntakeTons
    cell::field(grp::results, 1069, 2, 0),     // respirationHeatW
    cell::field(grp::results, 1071, 2, 2),     // resultIntakeRespHeat
    cell::field(grp::results, 1072, 2, 4),     // resultFinalRespHeat
    cell::field(grp::results, 1070, 2, 6),     // resultRespIntakeTons
    cell::field(grp::results, 1077, 2, 8),     // materialHeatW
    cell::field(grp::results, 1078, 2, 10),    // resultMaterialMassKg
    cell::field(grp::results, 1079, 2, 12),    // resultMaterialHours
    cell::field(grp::results, 1080, 2, 14),    // resultMaterialTempDiff
    cell::field(grp::results, 1081, 3, 0),     // operatingHeatW
    cell::field(grp::results, 1082, 3, 2),     // doorHeatW
    cell::field(grp::results, 1083, 3, 4),     // lightingHeatW
    cell::field(grp::results, 1084, 3, 6),     // workerHeatW
    cell::field(grp::results, 1085, 3, 8),     // airCoolerHeatW
    cell::field(grp::results, 1095, 3, 10),    // ambientAirDensity
    cell::field(grp::results, 1096, 3, 12),    // coldAirDensity
    cell::field(grp::results, 1073, 4, 0),     // ventilationHeatW
    cell::field(grp::results, 1075, 4, 2),     // resultProduceAirChanges
    cell::field(grp::results, 1090, 4, 4),     // ambientMoistureGPerKg
    cell::field(grp::results, 1091, 4, 6),     // roomMoistureGPerKg
    // Coil and air-cooler rows
    cell::caption(grp::evaporators, "排  管", 0, 0),
    cell::list(grp::evaporators, ctl::coilTypeChoice, 0, 1, 1, 11),
    cell::list(grp::evaporators, ctl::coilPitchChoice, 0, 2, 1, 4),
    cell::list(grp::evaporators, ctl::coilDiameterChoice, 0, 3, 1, 4),
    cell::list(grp::evaporators, ctl::coilFeedChoice, 0, 4, 1, 8),
    cell::list(grp::evaporators, ctl::coilRoomTempChoice, 0, 5, 1, 9),
    cell::list(grp::evaporators, ctl::coilTempDiffChoice, 0, 6, 1, 6),
    cell::list(grp::evaporators, ctl::coilRowsChoice, 0, 7, 1, 8),
    cell::field(grp::evaporators, 1121, 0, 8),  // coilHeatTransfer
    cell::field(grp::evaporators, 1126, 0, 10), // coilHeatFlux
    cell::caption(grp::evaporators, "冷风机", 1, 0),
    cell::list(grp::evaporators, ctl::airCoolerEvapChoice, 1, 1, 4),
    cell::list(grp::evaporators, ctl::airCoolerTempDiffChoice, 1, 5, 2),
    cell::list(grp::evaporators, ctl::airCoolerTubeChoice, 1, 7, 1),
    cell::text(grp::evaporators, ctl::airCoolerTubeLabel, 1, 8, 1, 14),
    cell::bareField(grp::evaporators, 1122, 1, 9), // airCoolerHeatTransfer
    cell::field(grp::evaporators, 1127, 1, 10), // airCoolerHeatFlux
    cell::text(grp::evaporators, ctl::compressorNote1, 2, 0, 6, 0),
    cell::text(grp::evaporators, ctl::compressorNote2, 2, 6, 6, 0),
    // 各类冷间热负荷的经验数据
    cell::list(grp::reference, ctl::referenceList, 0, 0, 1, 60),
    cell::button(grp::reference, ctl::applyReferenceButton, "以此库参数代入上表栏核算", 0, 1, 1),
    cell::list(grp::reference, ctl::referenceListCompact, 0, 2, 1),
    cell::field(grp::reference, 1074, 0, 3),   // resultInnerVolume (hidden)
    cell::text(grp::reference, ctl::referenceNote, 1, 0, 2, 0, 3),
    // 空库降温
    cell::text(grp::emptyStore, ctl::emptyStoreNote, 0, 0, 1, 16, 3),
};
// clang-format on

} // namespace gelvant
