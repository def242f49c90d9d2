#include "calc/cooling_load.h"

#include "calc/evaporator_items.h"
#include "calc/moist_air.h"
#include "calc/store_geometry.h"
#include "calc/surface_areas.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/note_text.h"
#include "form/numeric.h"

#include <array>
#include <cstdint>
#include <string>

namespace gelvant {
namespace {

// Per day to per hour is 1/24 held in single precision, as the form has
// always used it: a rounded heat can land one watt away from the exact one.
constexpr float kPerDayToPerHour = 0.0416666679F;
constexpr double kHundredth = 0.01;
constexpr double kThousandth = 0.001;

constexpr double kJPerHourToW = 1.0 / 3.6;
constexpr double kWToKcalPerHour = 0.8612440191387561;          // 3.6 / 4.18
constexpr double kKJToKcal = 0.23923444976076558;               // 1 / 4.18
constexpr double kOuterSurfaceResistance = 0.12285012285012284; // 1 / 8.14 W/(m²·°C)
constexpr double kSteelFacingKgPerM2 = 3.925;
constexpr double kDewPointMarginC = 1.5;

constexpr std::string_view kDoorLockedItem = "冷却冻结间次数锁定0";

// The room and outdoor air states are the same for every call; only the
// volume and the figure asked for change.
struct AirExchange {
    const DesignSheet& s;
    double operator()(std::string_view selector, double volumeM3) const {
        return MoistAirExchange(s.ambientTemp, s.ambientHumidity, s.roomTemp, s.roomHumidity,
                                volumeM3, selector, s.summerAirConditioningTemp);
    }
};

void computeEnvelope(DesignSheet& s, int floorItem) {
    s.resultWallHeatTransfer =
        toFloat32(s.insulationConductivity * 1000.0 / s.insulationThicknessMm);
    s.resultSurfaceArea = wholeFloat(outerSurfaceM2(s));
    s.resultWallTempDiff = toFloat32(static_cast<double>(s.ambientTemp) - s.roomTemp);
    const double dT = s.resultWallTempDiff;
    const double u = s.resultWallHeatTransfer;
    const double f = floorAreaDeduction(floorItem);
    s.wallLeakHeatW =
        truncInt(dT * s.resultSurfaceArea * u - dT * s.storeWidth * f * u * s.storeLength);
}

void computeGoods(DesignSheet& s) {
    s.resultGoodsHeatRelease =
        wholeFloat(truncInt(static_cast<double>(s.intakeEnthalpy) - s.finalEnthalpy));
    s.resultCoolingHours = s.coolingHours;
    s.resultIntakeTons = s.dailyIntakeTons;
    s.goodsHeatW = rndInt(static_cast<double>(s.resultGoodsHeatRelease) * s.dailyIntakeTons *
                          1000.0 / s.coolingHours * kJPerHourToW);
}

// The day's intake respires at the mean of the intake and final rates, the
// rest of the stock at the final rate.
void computeRespiration(DesignSheet& s) {
    s.resultIntakeRespHeat = s.intakeRespirationHeat;
    s.resultFinalRespHeat = s.finalRespirationHeat;
    s.resultRespIntakeTons = s.dailyIntakeTons;
    const double gin = s.dailyIntakeTons;
    s.respirationHeatW = truncInt(
        gin * (static_cast<double>(s.intakeRespirationHeat) + s.finalRespirationHeat) * 0.5 +
        (static_cast<double>(s.storageTonnage) - gin) * s.finalRespirationHeat);
}

// Packaging and metal brought in with the goods, cooled from the intake to
// the room temperature within the cold-processing time.
void computeMaterials(DesignSheet& s) {
    s.resultMaterialHours = s.coolingHours;
    s.resultMaterialTempDiff = toFloat32(static_cast<double>(s.intakeTemp) - s.roomTemp);
    const double packagingKg = static_cast<double>(s.packagingRatio) * s.dailyIntakeTons * 1000.0;
    const double capacityKJPerC = static_cast<double>(s.packagingSpecificHeat) * packagingKg +
                                  static_cast<double>(s.copperMassKg) * s.copperSpecificHeat +
                                  static_cast<double>(s.aluminiumMassKg) * s.aluminiumSpecificHeat +
                                  static_cast<double>(s.steelMassKg) * s.steelSpecificHeat;
    s.materialHeatW = rndInt(static_cast<double>(s.resultMaterialTempDiff) * capacityKJPerC /
                             s.coolingHours * kJPerHourToW);
    s.resultMaterialMassKg =
        toFloat32(packagingKg + s.copperMassKg + s.aluminiumMassKg + s.steelMassKg);
}

void computeRoomAir(DesignSheet& s) {
    s.resultInnerVolume = wholeFloat(innerVolumeM3(s));
    s.resultProduceAirChanges = s.produceAirChangesPerDay;
    s.airChangeVolumePerDay =
        toFloat32(static_cast<double>(s.resultInnerVolume) * s.produceAirChangesPerDay);
    s.doorArea = toFloat32(static_cast<double>(s.doorHeight) * s.doorWidth * 1e-6);
}

// Door, lighting and workers (their own heat and the fresh air they need).
void computeOperatingHeat(DesignSheet& s, const AirExchange& air) {
    const double doorAirM3 = static_cast<double>(s.resultInnerVolume) * s.doorAirChangesPerDay;
    s.doorHeatW = wholeFloat(rndInt(air("r", doorAirM3) * kPerDayToPerHour));
    s.lightingHeatW =
        toFloat32(static_cast<double>(s.storeWidth) * s.lightingPerArea * s.storeLength);
    const double freshAirM3 =
        static_cast<double>(s.workerCount) * s.freshAirPerPerson * s.workHoursPerDay;
    const double workersWh =
        static_cast<double>(s.workerCount) * s.heatPerPerson * s.workHoursPerDay;
    s.workerHeatW = wholeFloat(rndInt((workersWh + air("r", freshAirM3)) * kPerDayToPerHour));
    s.operatingHeatW = truncInt(static_cast<double>(s.doorHeatW) + s.lightingHeatW + s.workerHeatW);
}

// Humidity ratios (two decimals cut off) and the produce ventilation heat.
void computeVentilation(DesignSheet& s, const AirExchange& air) {
    s.ambientMoistureGPerKg =
        toFloat32(truncInt(air("s1", s.airChangeVolumePerDay) * 100.0) * kHundredth);
    s.roomMoistureGPerKg =
        toFloat32(truncInt(air("s2", s.airChangeVolumePerDay) * 100.0) * kHundredth);
    s.ventilationHeatW = truncInt(air("r", s.airChangeVolumePerDay) * kPerDayToPerHour);
}

// Fans run all the time; the defrost heaters' energy per day is spread over
// the cold-processing time.
void computeAirCoolers(CDesignDlg& dlg) {
    DesignSheet& s = dlg.sheet();
    const double defrostKw =
        static_cast<double>(s.heaterCount) * s.defrostHours * s.heaterPowerKw / s.coolingHours;
    const double fansKw = static_cast<double>(s.airCoolerPowerKw) * s.airCoolerCount;
    s.airCoolerHeatW = toFloat32((defrostKw + fansKw) * 1000.0);
    if (s.airCoolerPowerKw != 0 && s.airCoolerCount == 0) {
        dlg.showMessage(caption::notice, "冷风机有功率但台数为0");
    }
}

void computeTotal(CDesignDlg& dlg) {
    DesignSheet& s = dlg.sheet();
    const std::int64_t componentsW = std::int64_t{s.materialHeatW} + s.goodsHeatW +
                                     s.operatingHeatW + s.wallLeakHeatW + s.ventilationHeatW +
                                     s.respirationHeatW;
    s.totalCoolingLoadW = toFloat32(static_cast<double>(componentsW) + s.airCoolerHeatW);

    const double totalW = s.totalCoolingLoadW;
    dlg.setStaticText(ctl::totalLoadNote,
                      joinText({"=", fixedText(totalW * kWToKcalPerHour, 0),
                                "Kcal/h，=", fixedText(totalW * kThousandth, 1), "KW"}));
    dlg.setStaticText(ctl::tonnageNote,
                      joinText({"吨位", fixedText(s.storageTonnage, 1), "t,日进货",
                                fixedText(s.dailyIntakeTons, 1), "t"}));
}

void computeAirDensities(DesignSheet& s, const AirExchange& air) {
    s.ambientAirDensity =
        toFloat32(truncInt(air("m1", s.airChangeVolumePerDay) * 1000.0) * kThousandth);
    s.coldAirDensity =
        toFloat32(truncInt(air("m2", s.airChangeVolumePerDay) * 1000.0) * kThousandth);
}

// Heat to pull the empty store (panels, metal, room air) down from the
// ambient to the room temperature, and the hours the plant needs for it.
void computePullDown(CDesignDlg& dlg, const AirExchange& air) {
    const DesignSheet& s = dlg.sheet();
    const double roomAirWh = air("r", s.resultInnerVolume);
    const double areaM2 = s.outerSurfaceArea;
    // Half the insulation mass (thickness in mm) and the steel facings.
    const double capacityKJPerC = static_cast<double>(s.copperMassKg) * s.copperSpecificHeat +
                                  static_cast<double>(s.aluminiumMassKg) * s.aluminiumSpecificHeat +
                                  static_cast<double>(s.steelMassKg) * s.steelSpecificHeat +
                                  static_cast<double>(s.insulationSpecificHeat) *
                                      s.insulationDensity * s.insulationThicknessMm * areaM2 *
                                      0.0005 +
                                  areaM2 * s.steelSpecificHeat * kSteelFacingKgPerM2;
    const double heatKcal =
        (capacityKJPerC * (static_cast<double>(s.ambientTemp) - s.roomTemp) + roomAirWh * 3.6) *
        kKJToKcal;
    // The plant's load less the envelope leak and the fans' heat.
    const double capacityKcalPerH =
        (static_cast<double>(s.totalCoolingLoadW) - s.wallLeakHeatW -
         static_cast<double>(s.airCoolerPowerKw) * s.airCoolerCount * 1000.0) *
        kWToKcalPerHour;
    const double hours = heatKcal / capacityKcalPerH;
    const std::string heatText = fixedText(heatKcal, 0);
    dlg.setStaticText(ctl::emptyStoreNote,
                      joinText({"空库热=", heatText, "Kcal，空库降温需", heatText, "/",
                                fixedText(capacityKcalPerH, 0), "=", fixedText(hours, 1), "小时"}));
}

// Least insulation that keeps the outer surface 1.5 °C above the dew point.
void computeCondensation(DesignSheet& s) {
    s.ambientDewPoint =
        toFloat32(truncInt(DewPoint(s.ambientTemp, s.ambientHumidity) * 100.0) * kHundredth);
    double outdoorC = s.ambientTemp;
    double surfaceC = static_cast<double>(s.ambientDewPoint) + kDewPointMarginC;
    if (s.summerAirConditioningTemp > s.ambientTemp) {
        outdoorC = s.summerAirConditioningTemp;
        surfaceC = DewPoint(s.summerAirConditioningTemp, s.ambientHumidity) + kDewPointMarginC;
    }
    if (surfaceC > outdoorC) {
        surfaceC -= kDewPointMarginC; // never lift the surface above the outdoor air
    }
    s.antiCondensationThicknessMm =
        truncInt((surfaceC - s.roomTemp) * s.insulationConductivity * 1000.0 *
                 kOuterSurfaceResistance / (outdoorC - surfaceC));
}

void checkDesign(CDesignDlg& dlg) {
    const DesignSheet& s = dlg.sheet();
    const std::string thicknessText =
        joinText({"库板厚度", std::to_string(s.insulationThicknessMm), " < 防结露厚度",
                  std::to_string(s.antiCondensationThicknessMm), " ，请重选"});
    if (s.insulationThicknessMm < s.antiCondensationThicknessMm) {
        dlg.showMessage(caption::result, thicknessText);
    }
    if (s.finalTemp < s.roomTemp) {
        dlg.showMessage(caption::warning, "货物终了温度 低于 库内温度 ，请重选");
    }
}

// Evaporating temperature of the air cooler from the room temperature less
// the air cooler's design difference; nothing to go by without a difference.
void chooseAirCoolerEvaporation(CDesignDlg& dlg) {
    const auto dT = temperatureDifferenceForIndex(dlg.currentIndex(ctl::airCoolerTempDiffChoice));
    if (dT) {
        dlg.chooseItem(ctl::airCoolerEvapChoice,
                       airCoolerEvaporationItem(dlg.sheet().roomTemp, *dT));
    }
}

void noticeLockedDoor(CDesignDlg& dlg) {
    if (dlg.currentText(ctl::doorChoice) == kDoorLockedItem) {
        dlg.showMessage(
            caption::notice,
            "库门为冷却冻结间状态次数锁定0，即封闭式换气次数和人工恒为0，如为冷藏类有货物"
            "进出或考虑库体有跑冷现象请改为有空气幕或其它状态！");
    }
}

} // namespace

double floorAreaDeduction(int floorItem) {
    switch (floorItem) {
    case 0:
        return 0.8; // no ventilation or heating under the floor
    case 1:
        return 0.4; // ventilated or heated floor
    default:
        return 0.3; // ventilated crawl space, or no item
    }
}

void ComputeCoolingLoad(CDesignDlg& dlg) {
    dlg.countComputation();
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    const AirExchange air{s};

    s.innerVolume = wholeFloat(innerVolumeM3(s));
    s.outerSurfaceArea = wholeFloat(outerSurfaceM2(s));
    s.airChangeVolumePerDay =
        toFloat32(static_cast<double>(s.innerVolume) * s.produceAirChangesPerDay);

    computeEnvelope(s, dlg.currentIndex(ctl::floorChoice));
    computeGoods(s);
    computeRespiration(s);
    computeMaterials(s);
    computeRoomAir(s);
    computeOperatingHeat(s, air);
    computeVentilation(s, air);
    computeAirCoolers(dlg);
    computeTotal(dlg);

    computeAirDensities(s, air);
    computePullDown(dlg, air);
    // A room that stores nothing, such as an anteroom, has no load per tonne.
    s.loadPerTonW = s.storageTonnage > 0
                        ? truncInt(static_cast<double>(s.totalCoolingLoadW) / s.storageTonnage)
                        : 0;
    computeCondensation(s);
    UpdateSurfaceAreas(s);

    dlg.refreshForm(); // later steps work on the values as displayed
    checkDesign(dlg);
    chooseAirCoolerEvaporation(dlg);
    dlg.chooseItem(ctl::coilRoomTempChoice, coilRoomTempItem(dlg.sheet().roomTemp));
    noticeLockedDoor(dlg);
}

} // namespace gelvant
