#include "plant/plant_settings.h"

#include "form/entered_number.h"
#include "form/portable.h"

#include <algorithm>
#include <cmath>

namespace gelvant {

std::string coefficientText(double value) {
    return shortestText(value);
}

const CoefficientDef& coefficientDef(PlantCoefficient which) {
    for (const CoefficientDef& def : kPlantCoefficients) {
        if (def.which == which) {
            return def;
        }
    }
    return kPlantCoefficients.front();
}

double lossFactor(CoolingSystem system) {
    return system == CoolingSystem::Indirect ? 1.12 : 1.07;
}

std::string_view systemKey(CoolingSystem system) {
    return system == CoolingSystem::Indirect ? "indirect" : "direct";
}

std::string_view systemLabel(CoolingSystem system) {
    return system == CoolingSystem::Indirect ? "间接冷却" : "直接冷却";
}

double tempDiffLimitC(CoolingSystem system) {
    return system == CoolingSystem::Indirect ? 15.0 : 10.0;
}

std::string outOfRangeMessage(PlantCoefficient which) {
    const CoefficientDef& def = coefficientDef(which);
    return std::string(def.label) + " 应在 " + coefficientText(def.range.low) + "～" +
           coefficientText(def.range.high) + " 之间。";
}

std::optional<PlantSettings> withCoefficient(PlantSettings settings, PlantCoefficient which,
                                             double value) {
    const CoefficientDef& def = coefficientDef(which);
    if (!std::isfinite(value) || value < def.range.low || value > def.range.high) {
        return std::nullopt;
    }
    settings.*def.member = value;
    return settings;
}

bool withinRanges(const PlantSettings& settings) {
    return std::all_of(
        kPlantCoefficients.begin(), kPlantCoefficients.end(), [&](const CoefficientDef& def) {
            return withCoefficient(settings, def.which, settings.*def.member).has_value();
        });
}

double defaultGoodsLoadFactor(RoomUse use) {
    // GB 50072-2010 §6.1.1: 1.3 for chilling and freezing rooms, 1 for the others.
    return use == RoomUse::Chilling || use == RoomUse::Freezing ? 1.3 : 1.0;
}

double goodsLoadFactor(const Room& room) {
    return room.goodsLoadFactor ? *room.goodsLoadFactor
                                : defaultGoodsLoadFactor(appliedUse(room).use);
}

bool withinGoodsLoadFactorRange(double p) {
    return std::isfinite(p) && p >= kGoodsLoadFactorRange.low && p <= kGoodsLoadFactorRange.high;
}

std::string goodsLoadFactorRangeMessage() {
    return std::string(kGoodsLoadFactorLabel) + " 应在 " +
           coefficientText(kGoodsLoadFactorRange.low) + "～" +
           coefficientText(kGoodsLoadFactorRange.high) + " 之间。";
}

std::optional<double> enteredCoefficient(PlantCoefficient which, std::string_view text) {
    const auto value = enteredNumber(text);
    if (!value || !withCoefficient(PlantSettings{}, which, *value)) {
        return std::nullopt;
    }
    return value;
}

EnteredGoodsLoadFactor enteredGoodsLoadFactor(std::string_view text) {
    if (withoutSurroundingBlanks(text).empty()) {
        return {true, std::nullopt};
    }
    const auto value = enteredNumber(text);
    if (!value || !withinGoodsLoadFactorRange(*value)) {
        return {false, std::nullopt};
    }
    return {true, value};
}

std::string systemChoiceText(CoolingSystem system) {
    return std::string(systemLabel(system)) + "（R = " + coefficientText(lossFactor(system)) + "）";
}

std::string coefficientPrompt(const CoefficientDef& def) {
    return std::string(def.label) + "（" + coefficientText(def.range.low) + "～" +
           coefficientText(def.range.high) + "）";
}

std::string useChoiceText(RoomUse use, const Room& room) {
    if (use != RoomUse::Auto) {
        return std::string(useLabel(use));
    }
    return std::string(useLabel(use)) + "（" + std::string(useLabel(inferredUse(*room.form))) +
           "）";
}

std::string automaticGoodsLoadFactorText(const Room& room) {
    return std::string(useLabel(RoomUse::Auto)) + " " +
           coefficientText(defaultGoodsLoadFactor(appliedUse(room).use));
}

} // namespace gelvant
