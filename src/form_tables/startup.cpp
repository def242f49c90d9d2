#include "form_tables/startup.h"

#include "calc/dependent_rules.h"
#include "calc/store_geometry.h"
#include "calc/volume_coefficient_ladder.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form/numeric.h"
#include "reference/reference_rooms.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace gelvant {
namespace {

// The welcome box: what the program is for, a run of blanks, then how to use
// it (the negative-number hint answers the exchange's refusal of a lone minus).
constexpr std::string_view kWelcomeText =
    "Gelvant 冷库冷负荷快速设计计算：按库体尺寸、保温材料、货物、地区气候、库门、通风、"
    "照明、人工、包装和冷风机逐项计算冷却间、冻结间、冷藏间、冰库和鲜蛋果蔬库的冷负荷，"
    "并给出排管、冷风机面积和压缩机选型参考。"
    "          "
    "使用说明：进入界面后从下方各类冷间热负荷经验数据中选择你要设计的冷库类型，按右边"
    "的以此库参数代入上表栏核算，完成冷库的类初始化，再修改具体参数按计算即可得出结果"
    "，大大提高了自动化程度和准确性，是你设计、制作冷库的好帮手。下方各类冷间热负荷经"
    "验数据下的选择框是各类已建冷库的经验值，前面的30项（鲜蛋冷藏间100- 300"
    "t之前）什么冷却间，冻结间，冷藏间的话选中后右边会有以此库参数代入上表栏核算的提"
    "示项，如蔬菜库，按代入核算后，上方表数据会按此库的温度要求做个更新，大体的温度什"
    "么的能确定下来了，再按库大小，货物品种，修改下参数，注意对于负数因数对数据有检测"
    "，个别参数跟其它参数有关联，所以负数先输正数，在移到前面输负号，或者剪贴进去也行"
    "，有些参数是跟随部分参数变化的，如开门换气次数，和人工数，人工热，这是按常规查表"
    "得出的，如果操作次数跟实际有差别的话，可改大或改小，等其它参数确定后再改这个未位"
    "参数，呼吸热和果蔬开门换气是针对鲜果蔬而言其它库不需要的不用加。";

// The fruit and vegetable store of 100-300 t the form opens with.
constexpr int kStartupReferenceRow = 27;

// Wall allowance of the start-up room's inner volume: 0.2 m whatever the
// insulation (the geometry rule works from the thickness instead).
constexpr double kStartupWallAllowanceM = 0.2;

double startupInnerVolumeM3(const DesignSheet& s) {
    return rndInt((static_cast<double>(s.storeHeight) - kStartupWallAllowanceM) *
                  (static_cast<double>(s.storeLength) - kStartupWallAllowanceM) *
                  (static_cast<double>(s.storeWidth) - kStartupWallAllowanceM));
}

double outerSurfaceAreaM2(const DesignSheet& s) {
    return outerSurfaceM2(s);
}

// Share of the inner volume the goods fill, by store size; where no rung
// applies the sheet keeps its coefficient.
double volumeCoefficient(const DesignSheet& s) {
    return volumeCoefficientFor(s.innerVolume).value_or(s.volumeCoefficient);
}

// Tonnage at 330 kg/m3 and a tenth of it per day, cut to whole kilograms.
double storageTonnageT(const DesignSheet& s) {
    return truncInt(static_cast<double>(s.innerVolume) * s.volumeCoefficient * 330.0) * 0.001;
}

double dailyIntakeT(const DesignSheet& s) {
    return truncInt(static_cast<double>(s.innerVolume) * s.volumeCoefficient * 33.0) * 0.001;
}

double floorAreaM2(const DesignSheet& s) {
    return static_cast<double>(s.storeLength) * s.storeWidth;
}

// One preset: the field's value from the field dictionary, or computed from
// the presets stored before it.
struct PresetStep {
    std::string_view field;
    double (*compute)(const DesignSheet&) = nullptr;
};

// clang-format off
constexpr std::array<PresetStep, 41> kPresetSteps{{
    {"ambientHumidity"}, {"roomHumidity"}, {"aluminiumSpecificHeat"}, {"copperSpecificHeat"},
    {"steelSpecificHeat"}, {"storeLength"}, {"storeWidth"}, {"storeHeight"},
    {"insulationThicknessMm"}, {"innerVolume", startupInnerVolumeM3}, {"outerSurfaceArea", outerSurfaceAreaM2},
    {"doorWidth"}, {"doorHeight"}, {"doorAirChangesPerDay"}, {"doorAirSpeed"}, {"doorArea"},
    {"doorOpenMinutes"}, {"packagingSpecificHeat"}, {"packagingRatio"}, {"goodsDensity"},
    {"volumeCoefficient", volumeCoefficient}, {"dailyIntakePercent"},
    {"storageTonnage", storageTonnageT}, {"dailyIntakeTons", dailyIntakeT}, {"coolingHours"},
    {"intakeTemp"}, {"ambientTemp"}, {"freshAirPerPerson"}, {"roomTemp"}, {"finalTemp"},
    {"floorArea", floorAreaM2}, {"produceAirChangesPerDay"}, {"airChangeVolumePerDay"},
    {"respirationPer10C"}, {"intakeRespirationHeat"}, {"finalRespirationHeat"}, {"workerCount"},
    {"workHoursPerDay"}, {"heatPerPerson"}, {"lightingPerArea"}, {"lightingHours"},
}};
// clang-format on

constexpr std::size_t fieldIndex(std::string_view name) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (kFields[i].name == name) {
            return i;
        }
    }
    return kFieldCount;
}

constexpr bool presetStepsNameFields() {
    return std::all_of(kPresetSteps.begin(), kPresetSteps.end(), [](const PresetStep& step) {
        return fieldIndex(step.field) != kFieldCount;
    });
}
static_assert(presetStepsNameFields(), "every start-up preset names a sheet field");

void storeField(DesignSheet& s, const FieldDef& def, double value) {
    if (def.type == FieldType::Float) {
        s.*def.floatMember = toFloat32(value);
    } else {
        s.*def.intMember = truncInt(value);
    }
}

void chooseFirstItems(CDesignDlg& dlg) {
    dlg.chooseItem(ctl::doorChoice, 2);              // "无空气幕", on the all-zero sheet
    dlg.chooseItem(ctl::siteChoice, 1);              // "上海"
    dlg.chooseItem(ctl::packagingRatioChoice, 3);    // "鱼肉蛋搁架冷却冻结"
    dlg.chooseItem(ctl::packagingMaterialChoice, 4); // "玻璃容器"
}

void chooseGoodsItems(CDesignDlg& dlg) {
    dlg.chooseItem(ctl::goodsKindChoice, 18);          // "活动架存蔬菜"
    dlg.chooseItem(ctl::productChoice, 9);             // "菠菜"
    dlg.chooseItem(ctl::insulationChoice, 0);          // "聚氨酯泡沫"
    dlg.chooseItem(ctl::respirationProduceChoice, 38); // "菠菜"
}

// The floor choice runs one complete calculation.
void chooseEvaporatorAndRoomItems(CDesignDlg& dlg) {
    dlg.chooseItem(ctl::airCoolerTubeChoice, 0); // "钢管"
    dlg.chooseItem(ctl::coilRowsChoice, 2);
    dlg.chooseItem(ctl::coilTempDiffChoice, 1);
    dlg.chooseItem(ctl::coilRoomTempChoice, 0);
    dlg.chooseItem(ctl::coilFeedChoice, 0);
    dlg.chooseItem(ctl::coilDiameterChoice, 6); // "φ38"
    dlg.chooseItem(ctl::coilPitchChoice, 0);
    dlg.chooseItem(ctl::coilTypeChoice, 0);
    dlg.chooseItem(ctl::airCoolerTempDiffChoice, 1);
    dlg.chooseItem(ctl::roomKindChoice, 0);
    dlg.chooseItem(ctl::floorChoice, 2);
    dlg.chooseItem(ctl::freshAirChoice, 0);
}

} // namespace

std::string_view welcomeText() {
    return kWelcomeText;
}

void storeStartupPresets(DesignSheet& s) {
    for (const PresetStep& step : kPresetSteps) {
        const FieldDef& def = kFields[fieldIndex(step.field)];
        storeField(s, def, step.compute != nullptr ? step.compute(s) : def.startupPreset);
    }
}

bool OnInitDialog(CDesignDlg& dlg) {
    dlg.writeSheet(); // the boxes show the all-zero record
    // The system-menu entry of the About box and the window icon are the
    // desktop window's own business.
    dlg.showMessage(caption::welcome, kWelcomeText);
    dlg.setChecked(ctl::enthalpyOption, true);
    dlg.setChecked(ctl::specificHeatOption, false);
    chooseFirstItems(dlg);
    storeStartupPresets(dlg.sheet()); // overwrites part of what those choices set
    dlg.writeSheet();
    OnRoomTempChange(dlg);
    chooseGoodsItems(dlg);
    dlg.chooseItem(ctl::referenceList, kStartupReferenceRow); // runs nothing by itself
    OnReferenceChange(dlg);
    chooseEvaporatorAndRoomItems(dlg);
    OnApplyReference(dlg);
    return true;
}

} // namespace gelvant
