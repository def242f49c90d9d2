#pragma once

#include "form/form_state.h"
#include "plant/machine_load.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gelvant {

// One symbol of a load line's formula: the letter, what it stands for and
// its unit, and where its value comes from: the box of a field, or, for a
// worked-out symbol, its own formula in the symbols before it. A symbol with
// neither is chosen by the sheet from the form (β from the floor list, tw the
// warmer of two outdoor temperatures).
struct FormulaSymbol {
    std::string_view symbol;
    std::string_view meaning;
    std::string_view unit; // empty for a pure number
    std::string_view field;
    std::string_view definition;
};

inline constexpr std::size_t kMaxFormulaSymbols = 13;

// How the program works out one line of the cooling-load table, with the
// constants it uses written as numbers, and the heat flow of GB 50072 the
// line belongs to (0 for Q1 … 4 for Q5).
struct LoadFormula {
    std::string_view field;                                // the line's result field
    std::string_view expression;                           // the right-hand side of "Q = …"
    std::array<FormulaSymbol, kMaxFormulaSymbols> symbols; // worked-out ones after their inputs
    std::size_t flow = 0;
};

namespace formula_symbols {

inline constexpr FormulaSymbol kRoomLength{"L", "库体长", "m", "storeLength", ""};
inline constexpr FormulaSymbol kRoomWidth{"B", "库体宽", "m", "storeWidth", ""};
inline constexpr FormulaSymbol kVolume{"V", "库房内容积", "m³", "innerVolume", ""};
inline constexpr FormulaSymbol kFloorDeduction{
    "β", "地面面积扣除系数（地面无通风加热设备 0.8，有通风加热设备 0.4，通风架空层 0.3）", "", "",
    ""};

// The outdoor air that takes the place of room air let out (door openings,
// fresh air for the workers, the produce's air changes), per kg of room
// air: the room air's density and both air states. The humidity ratios and
// the density are the result band's figures; the enthalpies follow from them.
inline constexpr FormulaSymbol kRoomAirDensity{"ρn", "库内空气密度", "kg/m³", "coldAirDensity", ""};
inline constexpr FormulaSymbol kOutdoorTemp{
    "tw", "室外计算温度（环境平均温度与夏季空调温度中的较高者）", "℃", "", ""};
inline constexpr FormulaSymbol kOutdoorMoisture{"dw", "室外空气含湿量", "g/kg",
                                                "ambientMoistureGPerKg", ""};
inline constexpr FormulaSymbol kRoomTemp{"tn", "库内温度", "℃", "roomTemp", ""};
inline constexpr FormulaSymbol kRoomMoisture{"dn", "库内空气含湿量", "g/kg", "roomMoistureGPerKg",
                                             ""};
inline constexpr FormulaSymbol kOutdoorEnthalpy{"hw", "室外空气比焓", "kJ/kg", "",
                                                "1.01·tw + (2501 + 1.84·tw)·dw/1000"};
inline constexpr FormulaSymbol kRoomEnthalpy{"hn", "库内空气比焓", "kJ/kg", "",
                                             "1.01·tn + (2501 + 1.84·tn)·dn/1000"};
// 80 kcal/kg of fusion and 0.5 kcal/(kg·℃) of the ice, at 4.18 kJ/kcal.
inline constexpr FormulaSymbol kFrostHeat{"hf", "析出水分结霜放热（仅 tn < 0℃ 时计入，否则为 0）",
                                          "kJ/kg", "", "4.18·(80 − 0.5·tn)·(dw − dn)/(1000 + dn)"};
inline constexpr FormulaSymbol kAirExchangeHeat{"Δh′", "每千克库内空气换为室外空气的冷却热",
                                                "kJ/kg", "",
                                                "(1000 + dw)·hw/(1000 + dn) − hn + hf"};

} // namespace formula_symbols

// The lines in the load table's order: 库体漏热, 货物热量, 鲜果蔬呼吸热,
// 其它材料放热, 总操作热量 with its parts 开门热量, 照明热量, 人工操作热,
// then 冷风机热 and 通风换气热. Every line belongs to a flow; the total
// belongs to none.
// clang-format off
inline constexpr std::array<LoadFormula, 10> kLoadFormulas{{
    {"wallLeakHeatW", "K·(F − β·L·B)·Δt",
     {{{"K", "围护结构传热系数", "W/(m²·℃)", "resultWallHeatTransfer", ""},
       {"F", "库体外表面积", "m²", "resultSurfaceArea", ""},
       formula_symbols::kFloorDeduction,
       formula_symbols::kRoomLength,
       formula_symbols::kRoomWidth,
       {"Δt", "传热温差（环境平均温度 − 库内温度）", "℃", "resultWallTempDiff", ""}}},
     0},
    {"goodsHeatW", "1000·G·Δh/(3.6·τ)",
     {{{"G", "每日进货量", "t", "resultIntakeTons", ""},
       {"Δh", "货物放热（入库比焓 − 终了比焓，取整）", "kJ/kg", "resultGoodsHeatRelease", ""},
       {"τ", "冷加工时间", "h", "resultCoolingHours", ""}}},
     1},
    {"respirationHeatW", "G·(Φ1 + Φ2)/2 + (Gz − G)·Φ2",
     {{{"G", "每日进货量", "t", "resultRespIntakeTons", ""},
       {"Φ1", "货物入库时的呼吸热", "W/t", "resultIntakeRespHeat", ""},
       {"Φ2", "货物冷却终了（贮藏）时的呼吸热", "W/t", "resultFinalRespHeat", ""},
       {"Gz", "贮藏吨位", "t", "storageTonnage", ""}}},
     1},
    {"materialHeatW", "(1000·Bb·G·cb + m钢·c钢 + m铝·c铝 + m铜·c铜)·Δt/(3.6·τ)",
     {{{"Bb", "包装材料（工具）重量占货物重量的比例", "", "packagingRatio", ""},
       {"G", "每日进货量", "t", "resultIntakeTons", ""},
       {"cb", "包装材料比热", "kJ/(kg·℃)", "packagingSpecificHeat", ""},
       {"m钢", "随货进库的钢铁重量", "kg", "steelMassKg", ""},
       {"c钢", "钢铁比热", "kJ/(kg·℃)", "steelSpecificHeat", ""},
       {"m铝", "随货进库的铝重量", "kg", "aluminiumMassKg", ""},
       {"c铝", "铝比热", "kJ/(kg·℃)", "aluminiumSpecificHeat", ""},
       {"m铜", "随货进库的铜重量", "kg", "copperMassKg", ""},
       {"c铜", "铜比热", "kJ/(kg·℃)", "copperSpecificHeat", ""},
       {"Δt", "传热温差（入库温度 − 库内温度）", "℃", "resultMaterialTempDiff", ""},
       {"τ", "冷加工时间", "h", "resultMaterialHours", ""}}},
     1},
    {"operatingHeatW", "Q开门 + Q照明 + Q人工",
     {{{"Q开门", "开门热量", "W", "doorHeatW", ""},
       {"Q照明", "照明热量", "W", "lightingHeatW", ""},
       {"Q人工", "人工操作热", "W", "workerHeatW", ""}}},
     4},
    {"doorHeatW", "n·V·ρn·Δh′/(3.6·24)",
     {{{"n", "每日开门换气次数", "次/天", "doorAirChangesPerDay", ""},
       formula_symbols::kVolume,
       formula_symbols::kRoomAirDensity,
       formula_symbols::kOutdoorTemp,
       formula_symbols::kOutdoorMoisture,
       formula_symbols::kRoomTemp,
       formula_symbols::kRoomMoisture,
       formula_symbols::kOutdoorEnthalpy,
       formula_symbols::kRoomEnthalpy,
       formula_symbols::kFrostHeat,
       formula_symbols::kAirExchangeHeat}},
     4},
    {"lightingHeatW", "qd·L·B",
     {{{"qd", "单位面积照明热量", "W/m²", "lightingPerArea", ""},
       formula_symbols::kRoomLength,
       formula_symbols::kRoomWidth}},
     4},
    {"workerHeatW", "N·τ·(qr + Vp·ρn·Δh′/3.6)/24",
     {{{"N", "操作工人数", "人", "workerCount", ""},
       {"τ", "每日工作时间", "h", "workHoursPerDay", ""},
       {"qr", "每人散热量", "W", "heatPerPerson", ""},
       {"Vp", "每人新风量", "m³/h", "freshAirPerPerson", ""},
       formula_symbols::kRoomAirDensity,
       formula_symbols::kOutdoorTemp,
       formula_symbols::kOutdoorMoisture,
       formula_symbols::kRoomTemp,
       formula_symbols::kRoomMoisture,
       formula_symbols::kOutdoorEnthalpy,
       formula_symbols::kRoomEnthalpy,
       formula_symbols::kFrostHeat,
       formula_symbols::kAirExchangeHeat}},
     4},
    {"airCoolerHeatW", "1000·(P·n + Pr·nr·τr/τ)",
     {{{"P", "每台冷风机电动机功率", "kW", "airCoolerPowerKw", ""},
       {"n", "冷风机台数", "台", "airCoolerCount", ""},
       {"Pr", "每个除霜加热器功率", "kW", "heaterPowerKw", ""},
       {"nr", "除霜加热器个数", "个", "heaterCount", ""},
       {"τr", "每日加热除霜时间", "h", "defrostHours", ""},
       {"τ", "冷加工时间", "h", "resultCoolingHours", ""}}},
     3},
    {"ventilationHeatW", "n·V·ρn·Δh′/(3.6·24)",
     {{{"n", "鲜果蔬每日换气次数", "次/天", "resultProduceAirChanges", ""},
       formula_symbols::kVolume,
       formula_symbols::kRoomAirDensity,
       formula_symbols::kOutdoorTemp,
       formula_symbols::kOutdoorMoisture,
       formula_symbols::kRoomTemp,
       formula_symbols::kRoomMoisture,
       formula_symbols::kOutdoorEnthalpy,
       formula_symbols::kRoomEnthalpy,
       formula_symbols::kFrostHeat,
       formula_symbols::kAirExchangeHeat}},
     2},
}};
// clang-format on

// The formula of a line's field; nullptr for a field that is no load line.
const LoadFormula* loadFormula(std::string_view field);

// "Q = K·(F − β·L·B)·Δt"
std::string formulaText(const LoadFormula& formula);

// What the symbols stand for, one after the other: "K — 围护结构传热系数，
// W/(m²·℃)；…；hw — 室外空气比焓，kJ/kg，hw = 1.01·tw + …".
std::string legendText(const LoadFormula& formula);

// "Q1" … "Q5"
std::string flowText(std::size_t flow);

// The formula with the values of the computed form put in, as its boxes
// show them, one statement after the other: first each worked-out symbol
// ("hw = 1.01 × 34 + … = 107.40 kJ/kg"), then the line ("Q = 0.3 × (1179 −
// 0.3 × 50 × 7) × 30 = 9665 W"), whose result is the line's own box: what
// the program computed.
std::vector<std::string> substitutedText(const LoadFormula& formula, const FormState& form);

// The total of the load table as the sum of the lines that are not parts of
// another line: its formula in the lines' names and with their box texts.
std::string totalFormulaText();
std::string totalSubstitutedText(const FormState& form);

// For each heat flow of the machine load, the load lines it is made of:
// "Q1 = 库体漏热", "Q2 = (货物热量 + 鲜果蔬呼吸热 + 其它材料放热) ÷ p", ….
std::vector<std::string> flowSources();

} // namespace gelvant
