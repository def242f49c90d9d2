#include "script/plant_commands.h"

#include "plant/plant_settings.h"
#include "plant/room_use.h"
#include "script/script_words.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace gelvant {
namespace {

std::string rangeText(const CoefficientRange& range) {
    return coefficientText(range.low) + " and " + coefficientText(range.high);
}

std::variant<PlantSettings, std::string> setCoefficient(PlantCoefficient which,
                                                        std::string_view command,
                                                        std::string_view valueText,
                                                        const PlantSettings& now) {
    const CoefficientDef& def = coefficientDef(which);
    const auto value = enteredCoefficient(which, valueText);
    const auto changed = value ? withCoefficient(now, which, *value) : std::nullopt;
    if (!changed) {
        return "plant " + std::string(command) + " must be a number between " +
               rangeText(def.range);
    }
    return *changed;
}

} // namespace

std::variant<PlantSettings, std::string> changedPlantSettings(std::string_view args,
                                                              const PlantSettings& now) {
    const auto [what, rest] = splitWord(args);
    if (what == "system" && (rest == "direct" || rest == "indirect")) {
        PlantSettings changed = now;
        changed.system = rest == "indirect" ? CoolingSystem::Indirect : CoolingSystem::Direct;
        return changed;
    }
    if (what == "n1" || what == "n3") {
        return setCoefficient(what == "n1" ? PlantCoefficient::N1 : PlantCoefficient::N3, what,
                              rest, now);
    }
    if (what == "n2") {
        const auto [kind, value] = splitWord(rest);
        if (kind == "chilled" || kind == "frozen") {
            return setCoefficient(kind == "chilled" ? PlantCoefficient::N2Chilled
                                                    : PlantCoefficient::N2Frozen,
                                  args.substr(0, 3 + kind.size()), value, now);
        }
    }
    return "unknown plant command (plant system direct|indirect, plant n1 X, plant n3 X, "
           "plant n2 chilled|frozen X)";
}

std::variant<RoomUse, std::string> namedRoomUse(std::string_view args) {
    if (const auto use = useFromKey(args)) {
        return *use;
    }
    return std::string("room use must be auto, chilling, freezing, chilled, frozen, ice, "
                       "anteroom or processing");
}

std::variant<double, std::string> namedGoodsLoadFactor(std::string_view args) {
    // The driver always names a p: an empty one is no number.
    const EnteredGoodsLoadFactor entered = enteredGoodsLoadFactor(args);
    const auto value = entered.accepted ? entered.p : std::nullopt;
    if (!value) {
        return "room p must be a number between " + rangeText(kGoodsLoadFactorRange);
    }
    return *value;
}

} // namespace gelvant
