#pragma once

#include <cstdint>

namespace gelvant {

// The one record behind the design form: every number the designer sees.
// Members are declared in exchange order, the order in which a sheet read
// and a sheet write visit the edit boxes. Floats are IEEE single precision,
// integers signed 32-bit, exactly as the form stores them; every rule
// computes in double and stores into these widths.
struct DesignSheet {
    float steelSpecificHeat = 0;            // kJ/(kg·°C)
    float aluminiumSpecificHeat = 0;        // kJ/(kg·°C)
    float copperSpecificHeat = 0;           // kJ/(kg·°C)
    float storeLength = 0;                  // m, outer
    float storeWidth = 0;                   // m, outer
    float storeHeight = 0;                  // m, outer
    std::int32_t insulationThicknessMm = 0; // mm
    float innerVolume = 0;                  // m³, whole number
    float outerSurfaceArea = 0;             // m², whole number
    float insulationConductivity = 0;       // W/(m·°C)
    float insulationDensity = 0;            // kg/m³
    float insulationSpecificHeat = 0;       // kJ/(kg·°C)
    std::int32_t doorWidth = 0;             // mm
    std::int32_t doorHeight = 0;            // mm
    float doorAirChangesPerDay = 0;
    float doorAirSpeed = 0;          // m/s
    float doorArea = 0;              // m²
    float doorOpenMinutes = 0;       // min
    float packagingSpecificHeat = 0; // kJ/(kg·°C)
    float packagingRatio = 0;        // kg per kg of goods
    float steelMassKg = 0;
    float aluminiumMassKg = 0;
    float copperMassKg = 0;
    float goodsDensity = 0;       // kg/m³
    float volumeCoefficient = 0;  // fraction of the inner volume stacked
    float dailyIntakePercent = 0; // % of tonnage per day
    float dailyIntakeTons = 0;    // t per day
    float coolingHours = 0;       // h
    float roomTemp = 0;           // °C
    float ambientTemp = 0;        // °C
    float intakeTemp = 0;         // °C
    float finalTemp = 0;          // °C
    float produceAirChangesPerDay = 0;
    float storageTonnage = 0;   // t
    float airCoolerPowerKw = 0; // kW per unit
    float heaterPowerKw = 0;    // kW per heater
    float defrostHours = 0;     // h
    float airCoolerCount = 0;
    float heaterCount = 0;
    float intakeEnthalpy = 0;        // kJ/kg
    float finalEnthalpy = 0;         // kJ/kg
    float specificHeatUnfrozen = 0;  // kJ/(kg·°C)
    float waterContentPercent = 0;   // %
    float frozenFractionPercent = 0; // %
    float specificHeatFrozen = 0;    // kJ/(kg·°C)
    float freezingPoint = 0;         // °C
    float respirationPer10C = 0;
    float finalRespirationHeat = 0;  // W/t
    float intakeRespirationHeat = 0; // W/t
    std::int32_t workerCount = 0;
    float freshAirPerPerson = 0; // m³/h per person
    float workHoursPerDay = 0;   // h per day
    float heatPerPerson = 0;     // W per person
    float wallHeatTransfer = 0;  // W/(m²·°C)
    float lightingPerArea = 0;   // W/m²
    float floorArea = 0;         // m²
    float lightingHours = 0;     // h
    std::int32_t wallLeakHeatW = 0;
    std::int32_t goodsHeatW = 0;
    float resultWallHeatTransfer = 0; // W/(m²·°C)
    float resultSurfaceArea = 0;      // m²
    float resultWallTempDiff = 0;     // °C
    float resultGoodsHeatRelease = 0; // kJ/kg, whole number
    float resultCoolingHours = 0;     // h
    float resultIntakeTons = 0;       // t
    std::int32_t respirationHeatW = 0;
    float resultIntakeRespHeat = 0; // W/t
    float resultFinalRespHeat = 0;  // W/t
    float resultRespIntakeTons = 0; // t
    std::int32_t materialHeatW = 0;
    float resultMaterialMassKg = 0;
    float resultMaterialHours = 0;    // h
    float resultMaterialTempDiff = 0; // °C
    std::int32_t ventilationHeatW = 0;
    float resultInnerVolume = 0; // m³
    float resultProduceAirChanges = 0;
    std::int32_t operatingHeatW = 0;
    float doorHeatW = 0;                 // W, whole number
    float lightingHeatW = 0;             // W
    float workerHeatW = 0;               // W, whole number
    float airCoolerHeatW = 0;            // W
    std::int32_t ambientHumidity = 0;    // % RH
    std::int32_t roomHumidity = 0;       // % RH
    float ambientMoistureGPerKg = 0;     // g per kg dry air
    float roomMoistureGPerKg = 0;        // g per kg dry air
    float airChangeVolumePerDay = 0;     // m³ per day
    float ambientAirDensity = 0;         // kg/m³
    float coldAirDensity = 0;            // kg/m³
    std::int32_t loadPerTonW = 0;        // W/t
    float summerAirConditioningTemp = 0; // °C
    std::int32_t summerPressurePa = 0;   // Pa
    std::int32_t antiCondensationThicknessMm = 0;
    float ambientDewPoint = 0;       // °C
    float coilHeatTransfer = 0;      // W/(m²·°C)
    float airCoolerHeatTransfer = 0; // W/(m²·°C)
    float coilHeatFlux = 0;          // W/m²
    float airCoolerHeatFlux = 0;     // W/m²
    std::int32_t coilAreaM2 = 0;
    std::int32_t airCoolerAreaM2 = 0;
    float totalCoolingLoadW = 0; // W

    friend bool operator==(const DesignSheet&, const DesignSheet&) = default;
};

} // namespace gelvant
