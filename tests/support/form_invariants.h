#pragma once

// What must hold of the design form whatever the designer does to it: every
// box shows the record as the sheet write formats it (or still holds what the
// designer typed, until a handler writes the record back), every text the
// write produces reads back, and every message box is one of the program's
// own. Shared by the soak test and the fuzz targets.

#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "sheet/field_dictionary.h"
#include "sheet/messages.h"
#include "sheet/text_exchange.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gelvant::invariants {

// The text a sheet write puts into the field's box for the record's value.
inline std::string recordText(const CDesignDlg& dlg, std::size_t field) {
    const FieldDef& def = kFields[field];
    return def.type == FieldType::Float ? formatFloatText(dlg.sheet().*def.floatMember)
                                        : formatIntText(dlg.sheet().*def.intMember);
}

// Whether the sheet read takes this text for the field (its type's rule).
inline bool readAccepts(std::size_t field, std::string_view text) {
    return kFields[field].type == FieldType::Float ? parseFloatText(text).has_value()
                                                   : parseIntText(text).has_value();
}

// Whether reading the box would give the record's value bit for bit (every
// NaN counts as the same value): the record holds exactly what is shown.
inline bool readGivesRecord(const CDesignDlg& dlg, std::size_t field) {
    const FieldDef& def = kFields[field];
    if (def.type == FieldType::Int) {
        const auto value = parseIntText(dlg.editText(field));
        return value && *value == dlg.sheet().*def.intMember;
    }
    const auto value = parseFloatText(dlg.editText(field));
    const float held = dlg.sheet().*def.floatMember;
    if (!value) {
        return false;
    }
    if (std::isnan(*value) || std::isnan(held)) {
        return std::isnan(*value) && std::isnan(held);
    }
    return std::bit_cast<std::uint32_t>(*value) == std::bit_cast<std::uint32_t>(held);
}

// The first box that does not show the record, described; nullopt when every
// box shows it and every such text reads back.
inline std::optional<std::string> formShowsRecord(const CDesignDlg& dlg) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const std::string expected = recordText(dlg, i);
        if (dlg.editText(i) != expected) {
            return std::string(kFields[i].name) + " shows '" + std::string(dlg.editText(i)) +
                   "' but the record holds '" + expected + "'";
        }
        if (!readAccepts(i, expected)) {
            return std::string(kFields[i].name) + ": the read refuses the written text '" +
                   expected + "'";
        }
    }
    return std::nullopt;
}

// The form shows the record and the record holds exactly what is shown: a
// sheet read would change nothing.
inline bool formIsSettled(const CDesignDlg& dlg) {
    if (formShowsRecord(dlg)) {
        return false;
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (!readGivesRecord(dlg, i)) {
            return false;
        }
    }
    return true;
}

// Everything the form shows but the messages: the boxes, each list's current
// item, edit text and item count, the run-time texts and the visibility of
// the controls that rules hide.
struct FormState {
    std::vector<std::string> shown;
    std::vector<std::string> names;

    friend bool operator==(const FormState&, const FormState&) = default;

    // The first thing shown differently, for a failure message.
    std::string firstDifference(const FormState& other) const {
        for (std::size_t i = 0; i < shown.size() && i < other.shown.size(); ++i) {
            if (shown[i] != other.shown[i]) {
                return names[i] + ": '" + shown[i] + "' then '" + other.shown[i] + "'";
            }
        }
        return "a different number of controls";
    }
};

inline FormState formState(const CDesignDlg& dlg) {
    FormState state;
    const auto add = [&state](std::string_view name, std::string text) {
        state.names.emplace_back(name);
        state.shown.push_back(std::move(text));
    };
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        add(kFields[i].name, std::string(dlg.editText(i)));
    }
    for (const ListDef& def : dlg.listDefs()) {
        add(def.name, std::to_string(dlg.currentIndex(def.controlId)) + " " +
                          std::string(dlg.listEditText(def.controlId)) + " (" +
                          std::to_string(dlg.itemCount(def.controlId)) + " items)");
    }
    for (const StaticTextDef& def : kStaticTexts) {
        add(def.name, std::string(dlg.staticText(def.controlId)));
    }
    for (const VisibilityDef& def : kToggledControls) {
        add(def.name, dlg.isVisible(def.controlId) ? "visible" : "hidden");
    }
    return state;
}

inline constexpr std::string_view kFloatPrompt = "请输入一个数字。";
inline constexpr std::string_view kIntPrompt = "请输入一个整数。";

// "库板厚度%d < 防结露厚度%d ，请重选" with two whole numbers.
inline bool isThicknessCheck(std::string_view text) {
    constexpr std::string_view kHead = "库板厚度";
    constexpr std::string_view kMiddle = " < 防结露厚度";
    constexpr std::string_view kTail = " ，请重选";
    const auto takeInt = [](std::string_view& s) {
        std::size_t i = !s.empty() && s.front() == '-' ? 1 : 0;
        const std::size_t start = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
        }
        s.remove_prefix(i);
        return i > start;
    };
    if (!text.starts_with(kHead)) {
        return false;
    }
    text.remove_prefix(kHead.size());
    if (!takeInt(text) || !text.starts_with(kMiddle)) {
        return false;
    }
    text.remove_prefix(kMiddle.size());
    return takeInt(text) && text == kTail;
}

// Every message box the program raises: the read's two prompts, the checks
// and notices of the calculation, the product and reference-room notices,
// and the welcome box.
inline bool isProgramMessage(const Message& m) {
    static constexpr std::array<std::array<std::string_view, 2>, 7> kFixed{{
        {caption::program, kFloatPrompt},
        {caption::program, kIntPrompt},
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
    for (const auto& [caption, text] : kFixed) {
        if (m.caption == caption && m.text == text) {
            return true;
        }
    }
    if (m.caption == caption::result && isThicknessCheck(m.text)) {
        return true;
    }
    return m.caption == caption::welcome && m.text.find("使用说明：") != std::string::npos;
}

} // namespace gelvant::invariants
