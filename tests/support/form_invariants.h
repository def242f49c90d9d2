#pragma once

// What must hold of the design form whatever the designer does to it: every
// box shows the record as the sheet write formats it (or still holds what the
// designer typed, until a handler writes the record back), every text the
// write produces reads back, and every message box is one of the program's
// own. Shared by the soak test and the fuzz targets.

#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form/messages.h"
#include "form/portable.h"
#include "form/text_exchange.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace gelvant::invariants {

// The text a sheet write puts into the field's box for the record's value.
inline std::string recordText(const CDesignDlg& dlg, std::size_t field) {
    const FieldDef& def = kFields[field];
    return def.type == FieldType::Float ? formatFloatText(dlg.sheet().*def.floatMember)
                                        : formatIntText(dlg.sheet().*def.intMember);
}

// The first box that does not show the record, described; nullopt when every
// box shows it and the read takes every such text (by its field's type).
inline std::optional<std::string> formShowsRecord(const CDesignDlg& dlg) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const std::string expected = recordText(dlg, i);
        const std::string name(kFields[i].name);
        if (dlg.editText(i) != expected) {
            return name + " shows '" + std::string(dlg.editText(i)) + "' but the record holds '" +
                   expected + "'";
        }
        if (kFields[i].type == FieldType::Float ? !parseFloatText(expected)
                                                : !parseIntText(expected)) {
            return name + ": the read refuses the written text '" + expected + "'";
        }
    }
    return std::nullopt;
}

// A float's bits, every NaN counted as the same value.
inline std::uint32_t valueBits(float value) {
    return std::isnan(value) ? 0x7FC00000U : bitCast<std::uint32_t>(value);
}

// The form shows the record and the record holds exactly what is shown, bit
// for bit: a sheet read would change nothing.
inline bool formIsSettled(const CDesignDlg& dlg) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldDef& def = kFields[i];
        const std::string_view text = dlg.editText(i);
        const auto value = parseFloatText(text);
        if (def.type == FieldType::Int
                ? parseIntText(text) != dlg.sheet().*def.intMember
                : !value || valueBits(*value) != valueBits(dlg.sheet().*def.floatMember)) {
            return false;
        }
    }
    return !formShowsRecord(dlg);
}

// Every message box the program raises: the read's two prompts, the checks
// and notices of the calculation (the thickness check with two whole
// numbers), the product and reference-room notices, and the welcome box.
inline bool isProgramMessage(const Message& m) {
    static constexpr std::array<std::array<std::string_view, 2>, 7> kFixed{{
        {caption::program, "请输入一个数字。"},
        {caption::program, "请输入一个整数。"},
        {caption::notice, "冷风机有功率但台数为0"},
        {caption::warning, "货物终了温度 低于 库内温度 ，请重选"},
        {caption::notice,
         "库门为冷却冻结间状态次数锁定0，即封闭式换气次数和人工恒为0，如为冷藏类有货物"
         "进出或考虑库体有跑冷现象请改为有空气幕或其它状态！"},
        {caption::result, "数据不全，请重选"},
        {caption::notice,
         "多层库按单层核算负荷会偏大，主要应修正各库的实际环境温度和夏季空调温度来降低"
         "库体漏热。"},
    }};
    static const std::regex kThicknessCheck("库板厚度-?[0-9]+ < 防结露厚度-?[0-9]+ ，请重选");
    for (const auto& [caption, text] : kFixed) {
        if (m.caption == caption && m.text == text) {
            return true;
        }
    }
    return (m.caption == caption::result && std::regex_match(m.text, kThicknessCheck)) ||
           (m.caption == caption::welcome && m.text.find("使用说明：") != std::string::npos);
}

} // namespace gelvant::invariants
