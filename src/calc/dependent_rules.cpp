#include "calc/dependent_rules.h"

#include "calc/door_air_change_ladder.h"
#include "calc/ice_store_ladder.h"
#include "calc/store_geometry.h"
#include "calc/volume_coefficient_ladder.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/numeric.h"

#include <array>
#include <cstdint>

namespace gelvant {
namespace {

// Single-precision factors: the tonnage and intake figures are cut off after
// multiplying by them, so an exact product can land one tenth of a tonne low
// (0.5 × 200 m³ × 300 kg/m³ gives 29.9 t, not 30.0 t).
constexpr float kHundredth = 0.01F;
constexpr float kTenThousandth = 0.0001F;
constexpr float kTenth = 0.1F;
constexpr float kWorkersPerM3 = 0.004F;

// Both faces of the envelope lose the insulation thickness (mm to m, twice).
constexpr double kMm2ToM2 = 1e-6;

constexpr double kSmallStoreM3 = 250; // up to this volume one worker suffices
constexpr double kColdRoomTempC = -5; // at or below it a worker gives off more heat
constexpr float kHeatPerWorkerW = 280.0F;
constexpr float kHeatPerColdWorkerW = 410.0F;

constexpr std::string_view kIceStoreItem = "机制冰";
constexpr std::string_view kOpenDoorItem = "无空气幕";
constexpr std::string_view kDoorLockedItem = "冷却冻结间次数锁定0";

constexpr std::array<std::string_view, 4> kDoorItems{"有空气幕", "定温穿堂封闭月台", kOpenDoorItem,
                                                     kDoorLockedItem};

// Inner volume (a whole number of m³) and outer surface from the outer
// dimensions.
void updateVolumeAndSurface(DesignSheet& s) {
    s.innerVolume = wholeFloat(innerVolumeM3(s));
    s.outerSurfaceArea = wholeFloat(outerSurfaceM2(s));
}

// A weight in tonnes cut to tenths.
float tenthsOfTonne(double tenths) {
    return toFloat32(static_cast<double>(truncInt(tenths)) * kTenth);
}

// The volume coefficient follows the store's size, or for an ice store its
// height. Where no rung applies the coefficient stays as it was. An empty
// goods-kind choice is no ice store: the ice ladder is the exception that
// only the ice item switches on.
void updateVolumeCoefficient(CDesignDlg& dlg) {
    DesignSheet& s = dlg.sheet();
    const bool iceStore = dlg.currentText(ctl::goodsKindChoice) == kIceStoreItem;
    const auto k =
        iceStore ? iceStoreCoefficientFor(s.storeHeight) : volumeCoefficientFor(s.innerVolume);
    if (k) {
        s.volumeCoefficient = *k;
    }
}

// Workers and door air changes. An unprotected door lets in the ladder's
// changes; an air curtain or a closed dock halves them; a chilling or
// freezing room locked through its cycle has neither door traffic nor
// workers inside.
// With no door item chosen the protection is unknown: the air changes stay
// as they are rather than being halved on a guess.
void updateWorkersAndDoor(CDesignDlg& dlg) {
    DesignSheet& s = dlg.sheet();
    const double v = s.innerVolume;
    const std::string_view door = dlg.currentText(ctl::doorChoice);
    if (door == kDoorLockedItem) {
        s.workerCount = 0;
        s.doorAirChangesPerDay = 0;
        return;
    }
    s.workerCount = v > kSmallStoreM3 ? rndInt(v * kWorkersPerM3) : 1;
    const double changes = doorAirChangesFor(v);
    if (door == kOpenDoorItem) {
        s.doorAirChangesPerDay = toFloat32(changes);
    } else if (!door.empty()) {
        s.doorAirChangesPerDay = toFloat32(changes * 0.5);
    }
}

} // namespace

std::span<const std::string_view> doorItems() {
    return kDoorItems;
}

void updateWallHeatTransfer(DesignSheet& s) {
    s.wallHeatTransfer =
        toFloat32(static_cast<double>(s.insulationConductivity) * 1000.0 / s.insulationThicknessMm);
}

void OnGeometryChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    updateVolumeAndSurface(s);
    updateVolumeCoefficient(dlg);
    const double v = s.innerVolume;
    const double k = s.volumeCoefficient;
    const double rho = s.goodsDensity;
    const double p = s.dailyIntakePercent;
    s.storageTonnage = tenthsOfTonne(k * v * rho * kHundredth);
    s.dailyIntakeTons = tenthsOfTonne(p * k * v * rho * kTenThousandth);
    s.floorArea = toFloat32(static_cast<double>(s.storeWidth) * s.storeLength);
    updateWorkersAndDoor(dlg);
    dlg.writeSheet();
}

// The designer's own coefficient: no ladder, the tonnage follows it. The
// factors are multiplied in this rule's own order, not the geometry rule's:
// the cut to tenths can tell the two orders apart in the last bit.
void OnVolumeCoefficientChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    updateVolumeAndSurface(s);
    const double v = s.innerVolume;
    const double k = s.volumeCoefficient;
    const double rho = s.goodsDensity;
    const double p = s.dailyIntakePercent;
    s.storageTonnage = tenthsOfTonne(v * rho * k * kHundredth);
    s.dailyIntakeTons = tenthsOfTonne(p * rho * v * k * kTenThousandth);
    dlg.writeSheet();
}

// A new thickness also changes the inner volume and all that follows it.
void OnInsulationChange(CDesignDlg& dlg) {
    dlg.readSheet();
    updateWallHeatTransfer(dlg.sheet());
    dlg.writeSheet();
    OnGeometryChange(dlg);
}

void OnDoorSizeChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    s.doorArea = toFloat32(static_cast<double>(s.doorHeight) * s.doorWidth * kMm2ToM2);
    dlg.writeSheet();
}

// The intake as the typed share of the typed tonnage, not cut to tenths.
void OnTonnageChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    s.dailyIntakeTons =
        toFloat32(static_cast<double>(s.storageTonnage) * s.dailyIntakePercent * kHundredth);
    dlg.writeSheet();
}

// Fresh air for produce: the inner volume replaced so many times a day.
void OnProduceAirChangesChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    s.innerVolume = wholeFloat(innerVolumeM3(s));
    s.airChangeVolumePerDay =
        toFloat32(static_cast<double>(s.innerVolume) * s.produceAirChangesPerDay);
    dlg.writeSheet();
}

void OnRoomTempChange(CDesignDlg& dlg) {
    dlg.readSheet();
    DesignSheet& s = dlg.sheet();
    s.heatPerPerson = s.roomTemp > kColdRoomTempC ? kHeatPerWorkerW : kHeatPerColdWorkerW;
    dlg.writeSheet();
}

// Respiration figures typed by hand are taken over at the next read; the edit
// itself changes nothing.
void OnRespirationFieldEdit(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
