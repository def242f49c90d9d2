#pragma once

#include "plant/room_use.h"
#include "project/project.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace gelvant {

// The coefficients of the machine load the designer sets for the project.
enum class PlantCoefficient { N1, N3, N2Chilled, N2Frozen };

// The range the code allows a coefficient, both ends included.
struct CoefficientRange {
    double low = 0;
    double high = 0;
};

struct CoefficientDef {
    PlantCoefficient which;
    std::string_view key;   // the driver's and the design file's name
    std::string_view label; // what the dialog and the report call it
    CoefficientRange range;
    double PlantSettings::*member;
};

// The ranges the code gives the coefficients the designer may choose
// (GB 50072-2010 §6.1, machine load of the cold rooms).
inline constexpr std::array<CoefficientDef, 4> kPlantCoefficients{{
    {PlantCoefficient::N1, "n1", "围护结构热流量季节修正系数 n1", {0.5, 1.5}, &PlantSettings::n1},
    {PlantCoefficient::N3, "n3", "同期换气系数 n3", {0.5, 1.0}, &PlantSettings::n3},
    {PlantCoefficient::N2Chilled,
     "n2Chilled",
     "冷却物冷藏间货物热流量折减系数 n2",
     {0.3, 0.6},
     &PlantSettings::n2Chilled},
    {PlantCoefficient::N2Frozen,
     "n2Frozen",
     "冻结物冷藏间货物热流量折减系数 n2",
     {0.5, 0.8},
     &PlantSettings::n2Frozen},
}};

const CoefficientDef& coefficientDef(PlantCoefficient which);

// The plant and piping loss factor R (GB 50072-2010 §6.1): 1.07 for a
// direct system, 1.12 for an indirect one, whose secondary fluid loses more.
double lossFactor(CoolingSystem system);

// The systems in the order the dialogs list them.
inline constexpr std::array kCoolingSystems{CoolingSystem::Direct, CoolingSystem::Indirect};

std::string_view systemKey(CoolingSystem system);   // "direct" / "indirect"
std::string_view systemLabel(CoolingSystem system); // 直接冷却 / 间接冷却

// The temperature difference between a room and its evaporating temperature
// the code allows (GB 50072-2010): 10 °C direct, 15 °C indirect.
double tempDiffLimitC(CoolingSystem system);

// A system as the dialogs list it: "直接冷却（R = 1.07）".
std::string systemChoiceText(CoolingSystem system);

// A coefficient's label with its range, as the dialogs ask for it:
// "同期换气系数 n3（0.5～1）".
std::string coefficientPrompt(const CoefficientDef& def);

// A room's use as the use list shows it, 自动 naming the use the form
// implies: "自动（冻结物冷藏间）".
std::string useChoiceText(RoomUse use, const Room& room);

// What an empty p box shows greyed: the p the room's use gives, "自动 1.3".
std::string automaticGoodsLoadFactorText(const Room& room);

// The refusal of a value outside a coefficient's range (or not a number),
// naming the range: "围护结构热流量季节修正系数 n1 应在 0.5～1.5 之间。".
std::string outOfRangeMessage(PlantCoefficient which);

// The settings with one coefficient set; nothing when the value lies
// outside its range or is not finite.
std::optional<PlantSettings> withCoefficient(PlantSettings settings, PlantCoefficient which,
                                             double value);

// A coefficient as the designer entered it in any view: the number, when it
// is one (read as every number entered outside the form) within its range.
std::optional<double> enteredCoefficient(PlantCoefficient which, std::string_view text);

// A coefficient as the designer typed it, the shortest decimal: "0.75", "1".
std::string coefficientText(double value);

// Whether every coefficient lies within its range.
bool withinRanges(const PlantSettings& settings);

// The goods load factor p a room's daily intake holds (GB 50072-2010 §6.1.1):
// the room's cooling equipment takes the goods flow × p, the plant's machine
// load the goods flow without it.
inline constexpr std::string_view kGoodsLoadFactorLabel = "负荷系数 p";
inline constexpr CoefficientRange kGoodsLoadFactorRange{1.0, 1.3};

// The p a use gives: 1.3 for chilling and freezing rooms, 1 for the others.
double defaultGoodsLoadFactor(RoomUse use);

// The room's own p, or the one its applied use gives when it has none.
double goodsLoadFactor(const Room& room);

// Whether p is a number within its range, both ends included.
bool withinGoodsLoadFactorRange(double p);

// The refusal of a p outside its range: "负荷系数 p 应在 1～1.3 之间。".
std::string goodsLoadFactorRangeMessage();

// A room's p as the designer entered it in any view: refused unless the
// text is empty (the room's p follows its use again) or a number within
// the range.
struct EnteredGoodsLoadFactor {
    bool accepted = false;
    std::optional<double> p; // nothing: follows the use
};
EnteredGoodsLoadFactor enteredGoodsLoadFactor(std::string_view text);

} // namespace gelvant
