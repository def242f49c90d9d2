#pragma once

#include "form/program.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace gelvant {

// Control IDs of the form's lists, buttons and run-time texts. Edit boxes
// are named by the field dictionary.
namespace ctl {
inline constexpr int enthalpyOption = 1000;
inline constexpr int specificHeatOption = 1001;

inline constexpr int insulationChoice = 1014;
inline constexpr int goodsKindChoice = 1057;
inline constexpr int productChoice = 1058;
inline constexpr int siteChoice = 1097;
inline constexpr int packagingMaterialChoice = 1102;
inline constexpr int packagingRatioChoice = 1101;
inline constexpr int produceAirChangeChoice = 1106;
inline constexpr int respirationProduceChoice = 1107;
inline constexpr int doorChoice = 1108;
inline constexpr int floorChoice = 1133;
inline constexpr int roomKindChoice = 1119;
inline constexpr int freshAirChoice = 1134;
inline constexpr int coilTypeChoice = 1111;
inline constexpr int coilPitchChoice = 1112;
inline constexpr int coilDiameterChoice = 1113;
inline constexpr int coilFeedChoice = 1115;
inline constexpr int coilRoomTempChoice = 1116;
inline constexpr int coilTempDiffChoice = 1117;
inline constexpr int coilRowsChoice = 1118;
inline constexpr int airCoolerEvapChoice = 1120;
inline constexpr int airCoolerTempDiffChoice = 1123;
inline constexpr int airCoolerTubeChoice = 1135;
inline constexpr int referenceList = 1114;
inline constexpr int referenceListCompact = 1109;

inline constexpr int computeButton = 1060;
inline constexpr int applyReferenceButton = 1132;

inline constexpr int totalLoadNote = 1094;
inline constexpr int tonnageNote = 1129;
inline constexpr int emptyStoreNote = 1098;
inline constexpr int compressorNote1 = 1130;
inline constexpr int compressorNote2 = 1131;
inline constexpr int referenceNote = 1110;
inline constexpr int airCoolerTubeLabel = 1136;
} // namespace ctl

// Static texts that rules write directly, not through the sheet, with the
// text they show when the form is created.
struct StaticTextDef {
    int controlId;
    std::string_view name;
    std::string_view initialText;
};

inline constexpr std::array<StaticTextDef, 7> kStaticTexts{{
    {ctl::totalLoadNote, "totalLoadNote", " =            "},
    {ctl::tonnageNote, "tonnageNote", "吨位（t）"},
    {ctl::emptyStoreNote, "emptyStoreNote", "空库热"},
    {ctl::compressorNote1, "compressorNote1", "压缩机"},
    {ctl::compressorNote2, "compressorNote2", "压缩机"},
    {ctl::referenceNote, "referenceNote", "说明："},
    {ctl::airCoolerTubeLabel, "airCoolerTubeLabel", "（钢管）冷风机传热(w/m2℃)"},
}};

// Controls whose visibility a rule changes.
struct VisibilityDef {
    int controlId;
    std::string_view name;
};

inline constexpr std::array<VisibilityDef, 2> kToggledControls{{
    {ctl::applyReferenceButton, "applyReferenceButton"},
    {ctl::coilRowsChoice, "coilRowsChoice"},
}};

// Where a run-time text sits among kStaticTexts, and a control whose
// visibility changes among kToggledControls.
constexpr std::optional<std::size_t> staticTextSlot(int textCtl) {
    for (std::size_t i = 0; i < kStaticTexts.size(); ++i) {
        if (kStaticTexts[i].controlId == textCtl) {
            return i;
        }
    }
    return std::nullopt;
}

// The control of the run-time text of that name; an unknown name does not build.
consteval int textControl(std::string_view name) {
    for (const StaticTextDef& def : kStaticTexts) {
        if (def.name == name) {
            return def.controlId;
        }
    }
    throw "the form has no run-time text of that name";
}

constexpr std::optional<std::size_t> toggledSlot(int ctl) {
    for (std::size_t i = 0; i < kToggledControls.size(); ++i) {
        if (kToggledControls[i].controlId == ctl) {
            return i;
        }
    }
    return std::nullopt;
}

// Captions of the program's message boxes.
namespace caption {
inline constexpr std::string_view notice = "注意";
inline constexpr std::string_view warning = "警告";
inline constexpr std::string_view result = "结果";
inline constexpr std::string_view welcome = "欢迎使用";
inline constexpr std::string_view program = kProgramName;
} // namespace caption

} // namespace gelvant
