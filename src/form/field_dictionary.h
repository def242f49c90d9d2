#pragma once

#include "form/design_sheet.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace gelvant {

enum class FieldType : std::uint8_t { Float, Int };

// Input: typed by the designer (lists and reference rooms may fill it too).
// Derived: kept up to date by a rule as the designer types, still editable.
// Result: written by the cooling-load calculation.
enum class FieldKind : std::uint8_t { Input, Derived, Result };

enum class BoxStyle : std::uint8_t { Editable, ReadOnly, Hidden };

struct FieldDef {
    std::string_view name;
    int controlId;
    std::string_view label; // static text beside the box, exactly as on the form
    FieldType type;
    FieldKind kind;
    BoxStyle box;
    double startupPreset; // value the start-up sequence stores (0: stays zero)
    float DesignSheet::*floatMember;
    std::int32_t DesignSheet::*intMember;
};

namespace detail {
struct FloatMember {
    float DesignSheet::*member;
};
struct IntMember {
    std::int32_t DesignSheet::*member;
};
constexpr FieldDef field(std::string_view name, int controlId, std::string_view label,
                         FieldType type, FieldKind kind, BoxStyle box, double preset,
                         FloatMember m) {
    return {name, controlId, label, type, kind, box, preset, m.member, nullptr};
}
constexpr FieldDef field(std::string_view name, int controlId, std::string_view label,
                         FieldType type, FieldKind kind, BoxStyle box, double preset, IntMember m) {
    return {name, controlId, label, type, kind, box, preset, nullptr, m.member};
}
} // namespace detail

// The 100 fields of the form in exchange order. One table drives the
// exchange, the window's boxes, the driver's names and the tests.
// clang-format off
#define F(m) detail::FloatMember{&DesignSheet::m}
#define I(m) detail::IntMember{&DesignSheet::m}
inline constexpr std::array<FieldDef, 100> kFields{{
    detail::field("steelSpecificHeat", 1037, "钢铁比热kj/kg℃", FieldType::Float, FieldKind::Input, BoxStyle::ReadOnly, 0.46, F(steelSpecificHeat)),
    detail::field("aluminiumSpecificHeat", 1038, "铝比热(kj/kg℃)", FieldType::Float, FieldKind::Input, BoxStyle::ReadOnly, 0.88, F(aluminiumSpecificHeat)),
    detail::field("copperSpecificHeat", 1039, "铜比热(kj/kg℃)", FieldType::Float, FieldKind::Input, BoxStyle::ReadOnly, 0.39, F(copperSpecificHeat)),
    detail::field("storeLength", 1003, "库体长(m)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 6, F(storeLength)),
    detail::field("storeWidth", 1004, "库体宽(m) ", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 7, F(storeWidth)),
    detail::field("storeHeight", 1005, "库体高(m)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 4.2, F(storeHeight)),
    detail::field("insulationThicknessMm", 1008, "厚度(mm)", FieldType::Int, FieldKind::Input, BoxStyle::Editable, 100, I(insulationThicknessMm)),
    detail::field("innerVolume", 1006, "内容积(m3)", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 158, F(innerVolume)),
    detail::field("outerSurfaceArea", 1007, "外表面积(m2)", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 193, F(outerSurfaceArea)),
    detail::field("insulationConductivity", 1009, "热传导(w/m℃)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(insulationConductivity)),
    detail::field("insulationDensity", 1010, "密度(Kg/m3)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(insulationDensity)),
    detail::field("insulationSpecificHeat", 1011, "比热(kj/kg℃)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(insulationSpecificHeat)),
    detail::field("doorWidth", 1012, "库门宽(m) ", FieldType::Int, FieldKind::Input, BoxStyle::Editable, 900, I(doorWidth)),
    detail::field("doorHeight", 1013, "库门高(m)", FieldType::Int, FieldKind::Input, BoxStyle::Editable, 1800, I(doorHeight)),
    detail::field("doorAirChangesPerDay", 1015, "开门换气次数/天", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 4, F(doorAirChangesPerDay)),
    detail::field("doorAirSpeed", 1016, "风速(m/s)", FieldType::Float, FieldKind::Input, BoxStyle::Hidden, 1.5, F(doorAirSpeed)),
    detail::field("doorArea", 1017, "面积(m2)", FieldType::Float, FieldKind::Input, BoxStyle::Hidden, 1.62, F(doorArea)),
    detail::field("doorOpenMinutes", 1018, "开门时间(Min)", FieldType::Float, FieldKind::Input, BoxStyle::Hidden, 0.2, F(doorOpenMinutes)),
    detail::field("packagingSpecificHeat", 1036, "包装工具比热", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0.84, F(packagingSpecificHeat)),
    detail::field("packagingRatio", 1040, "包装工具货比例", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0.3, F(packagingRatio)),
    detail::field("steelMassKg", 1041, "钢铁--重量Kg", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(steelMassKg)),
    detail::field("aluminiumMassKg", 1042, "铝----重量Kg", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(aluminiumMassKg)),
    detail::field("copperMassKg", 1043, "铜----重量Kg", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(copperMassKg)),
    detail::field("goodsDensity", 1019, "货物密度(kg/m3)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 330, F(goodsDensity)),
    detail::field("volumeCoefficient", 1020, "容积系数 ", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 0.4, F(volumeCoefficient)),
    detail::field("dailyIntakePercent", 1021, "进货量（%）", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 10, F(dailyIntakePercent)),
    detail::field("dailyIntakeTons", 1022, "进货量（t）", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 2.085, F(dailyIntakeTons)),
    detail::field("coolingHours", 1023, "冷加工时间(h)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 20, F(coolingHours)),
    detail::field("roomTemp", 1024, "库内温度(℃)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(roomTemp)),
    detail::field("ambientTemp", 1025, "环境平均温度℃", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 30, F(ambientTemp)),
    detail::field("intakeTemp", 1026, "入库温度(℃)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 20, F(intakeTemp)),
    detail::field("finalTemp", 1027, "终了温度(℃)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 2, F(finalTemp)),
    detail::field("produceAirChangesPerDay", 1028, "鲜果蔬换气", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(produceAirChangesPerDay)),
    detail::field("storageTonnage", 1056, "贮藏吨位（t）", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 20.856, F(storageTonnage)),
    detail::field("airCoolerPowerKw", 1047, "冷风机功率(Kw)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(airCoolerPowerKw)),
    detail::field("heaterPowerKw", 1048, "加热器功率(Kw)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(heaterPowerKw)),
    detail::field("defrostHours", 1049, "加热除霜时间(h)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(defrostHours)),
    detail::field("airCoolerCount", 1050, "冷风机台数", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(airCoolerCount)),
    detail::field("heaterCount", 1051, "加热器个数", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(heaterCount)),
    detail::field("intakeEnthalpy", 1029, "入库焓热kj/kg", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 0, F(intakeEnthalpy)),
    detail::field("finalEnthalpy", 1030, "终了焓热kj/kg", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 0, F(finalEnthalpy)),
    detail::field("specificHeatUnfrozen", 1031, "冻前比热kj/kg℃", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(specificHeatUnfrozen)),
    detail::field("waterContentPercent", 1032, "含水率（%）", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(waterContentPercent)),
    detail::field("frozenFractionPercent", 1033, "冻结率（%）", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 0, F(frozenFractionPercent)),
    detail::field("specificHeatFrozen", 1034, "冻后比热kj/kg℃", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(specificHeatFrozen)),
    detail::field("freezingPoint", 1035, "冰点温度（℃）", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(freezingPoint)),
    detail::field("respirationPer10C", 1044, "呼吸强度-每10℃", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 2.5, F(respirationPer10C)),
    detail::field("finalRespirationHeat", 1045, "终了呼吸热(w/t)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 128, F(finalRespirationHeat)),
    detail::field("intakeRespirationHeat", 1046, "入库呼吸热(w/t)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 897, F(intakeRespirationHeat)),
    detail::field("workerCount", 1052, "工作人数", FieldType::Int, FieldKind::Derived, BoxStyle::Editable, 2, I(workerCount)),
    detail::field("freshAirPerPerson", 1053, "人均新风(m3/h)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 30, F(freshAirPerPerson)),
    detail::field("workHoursPerDay", 1054, "工作时间(h/天)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 3, F(workHoursPerDay)),
    detail::field("heatPerPerson", 1055, "人均热量(W)", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 410, F(heatPerPerson)),
    detail::field("wallHeatTransfer", 1059, "传热(w/m2℃)", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 0, F(wallHeatTransfer)),
    detail::field("lightingPerArea", 1086, "单位面积照明(w)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 5, F(lightingPerArea)),
    detail::field("floorArea", 1087, "库内面积(m2)", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 42, F(floorArea)),
    detail::field("lightingHours", 1088, "开灯时间(h)", FieldType::Float, FieldKind::Input, BoxStyle::Hidden, 2, F(lightingHours)),
    detail::field("wallLeakHeatW", 1061, "库体漏热(W)", FieldType::Int, FieldKind::Result, BoxStyle::Editable, 0, I(wallLeakHeatW)),
    detail::field("goodsHeatW", 1062, "货物热量(W)", FieldType::Int, FieldKind::Result, BoxStyle::Editable, 0, I(goodsHeatW)),
    detail::field("resultWallHeatTransfer", 1063, "传热(w/m2℃)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultWallHeatTransfer)),
    detail::field("resultSurfaceArea", 1064, "外表面积(m2)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultSurfaceArea)),
    detail::field("resultWallTempDiff", 1065, "传热温差(℃)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultWallTempDiff)),
    detail::field("resultGoodsHeatRelease", 1067, "货物放热kj/kg", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultGoodsHeatRelease)),
    detail::field("resultCoolingHours", 1068, "冷却时间(h)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultCoolingHours)),
    detail::field("resultIntakeTons", 1066, "进货量（t）", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultIntakeTons)),
    detail::field("respirationHeatW", 1069, "鲜果蔬呼吸热(W)", FieldType::Int, FieldKind::Result, BoxStyle::Editable, 0, I(respirationHeatW)),
    detail::field("resultIntakeRespHeat", 1071, "入库呼吸热(w/t)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultIntakeRespHeat)),
    detail::field("resultFinalRespHeat", 1072, "终了呼吸热(w/t)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultFinalRespHeat)),
    detail::field("resultRespIntakeTons", 1070, "进货量（t）", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultRespIntakeTons)),
    detail::field("materialHeatW", 1077, "其它材料放热(W)", FieldType::Int, FieldKind::Result, BoxStyle::Editable, 0, I(materialHeatW)),
    detail::field("resultMaterialMassKg", 1078, "重量（Kg）", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultMaterialMassKg)),
    detail::field("resultMaterialHours", 1079, "冷却时间(h)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultMaterialHours)),
    detail::field("resultMaterialTempDiff", 1080, "传热温差(℃)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultMaterialTempDiff)),
    detail::field("ventilationHeatW", 1073, "通风换气热(W)", FieldType::Int, FieldKind::Result, BoxStyle::Editable, 0, I(ventilationHeatW)),
    detail::field("resultInnerVolume", 1074, "内容积(m3)", FieldType::Float, FieldKind::Result, BoxStyle::Hidden, 0, F(resultInnerVolume)),
    detail::field("resultProduceAirChanges", 1075, "鲜果蔬换气次数", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(resultProduceAirChanges)),
    detail::field("operatingHeatW", 1081, "总操作热量(W)", FieldType::Int, FieldKind::Result, BoxStyle::Editable, 0, I(operatingHeatW)),
    detail::field("doorHeatW", 1082, "开门热量(W)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(doorHeatW)),
    detail::field("lightingHeatW", 1083, "照明热量(W)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(lightingHeatW)),
    detail::field("workerHeatW", 1084, "人工操作热(W)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(workerHeatW)),
    detail::field("airCoolerHeatW", 1085, "冷风机热(W)", FieldType::Float, FieldKind::Result, BoxStyle::Editable, 0, F(airCoolerHeatW)),
    detail::field("ambientHumidity", 1076, "环境湿度(%)", FieldType::Int, FieldKind::Input, BoxStyle::Editable, 83, I(ambientHumidity)),
    detail::field("roomHumidity", 1089, "库内湿度(%)", FieldType::Int, FieldKind::Input, BoxStyle::Editable, 90, I(roomHumidity)),
    detail::field("ambientMoistureGPerKg", 1090, "环境水汽(g/Kg)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(ambientMoistureGPerKg)),
    detail::field("roomMoistureGPerKg", 1091, "库内水汽(g/Kg)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(roomMoistureGPerKg)),
    detail::field("airChangeVolumePerDay", 1092, "换气容积(m3/天)", FieldType::Float, FieldKind::Derived, BoxStyle::Editable, 0, F(airChangeVolumePerDay)),
    detail::field("ambientAirDensity", 1095, "环境密度(kg/m3)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(ambientAirDensity)),
    detail::field("coldAirDensity", 1096, "冷风密度(kg/m3)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(coldAirDensity)),
    detail::field("loadPerTonW", 1099, "冷却负荷(W/t)", FieldType::Int, FieldKind::Result, BoxStyle::Editable, 0, I(loadPerTonW)),
    detail::field("summerAirConditioningTemp", 1100, "夏季空调温度℃", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(summerAirConditioningTemp)),
    detail::field("summerPressurePa", 1103, "夏季大气压Pa", FieldType::Int, FieldKind::Input, BoxStyle::Editable, 0, I(summerPressurePa)),
    detail::field("antiCondensationThicknessMm", 1104, "防结露厚度(mm)", FieldType::Int, FieldKind::Result, BoxStyle::ReadOnly, 0, I(antiCondensationThicknessMm)),
    detail::field("ambientDewPoint", 1105, "环境露点(℃)", FieldType::Float, FieldKind::Result, BoxStyle::ReadOnly, 0, F(ambientDewPoint)),
    detail::field("coilHeatTransfer", 1121, "排管传热(w/m2℃)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(coilHeatTransfer)),
    detail::field("airCoolerHeatTransfer", 1122, "（钢管）冷风机传热(w/m2℃)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(airCoolerHeatTransfer)),
    detail::field("coilHeatFlux", 1126, "(w/m2)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(coilHeatFlux)),
    detail::field("airCoolerHeatFlux", 1127, "(w/m2)", FieldType::Float, FieldKind::Input, BoxStyle::Editable, 0, F(airCoolerHeatFlux)),
    detail::field("coilAreaM2", 1125, "排管面积(m2)", FieldType::Int, FieldKind::Result, BoxStyle::Editable, 0, I(coilAreaM2)),
    detail::field("airCoolerAreaM2", 1128, "冷风机面积(m2)", FieldType::Int, FieldKind::Result, BoxStyle::Editable, 0, I(airCoolerAreaM2)),
    detail::field("totalCoolingLoadW", 1093, "总冷负荷(W)", FieldType::Float, FieldKind::Result, BoxStyle::Editable, 0, F(totalCoolingLoadW)),
}};
#undef F
#undef I
// clang-format on

inline constexpr std::size_t kFieldCount = kFields.size();

// The control of the field of that name. Only for names known when compiling:
// an unknown name is not a constant expression and does not build.
consteval int fieldControl(std::string_view name) {
    for (const FieldDef& def : kFields) {
        if (def.name == name) {
            return def.controlId;
        }
    }
    throw "the record has no field of that name";
}

// Field indices, in exchange order, for the few places that name one box.
std::optional<std::size_t> fieldIndexByName(std::string_view name);
std::optional<std::size_t> fieldIndexByControl(int controlId);

} // namespace gelvant
