#pragma once

// A fresh design form for the rule tests, with the boxes set or typed into
// by name and read back as the form shows them.

#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form/messages.h"
#include "form_tables/design_form.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace gelvant::evaporator_testing {

struct EvaporatorFormState {
    static std::size_t box(const char* name) { return fieldIndexByName(name).value(); }
    // Puts texts into boxes without raising their edit events.
    void set(std::initializer_list<std::pair<const char*, const char*>> boxes) {
        for (const auto& [name, text] : boxes) {
            dlg.setEditText(box(name), text);
        }
    }
    // Types into a box, which runs its rule.
    void type(const char* name, const char* text) { dlg.userEdits(box(name), text); }
    // What the designer does, a line each: "set FIELD TEXT" (no event),
    // "type FIELD TEXT", "choose LIST INDEX", "clear LIST", "click compute"
    // or "click apply"; blank lines, comments and "dump" do nothing.
    void act(const std::string& lines) {
        std::istringstream in(lines);
        for (std::string line; std::getline(in, line);) {
            std::istringstream words(line);
            std::string verb, name, text;
            words >> verb >> name >> std::ws;
            std::getline(words, text);
            const ListDef* list = findList(name);
            if (verb.empty() || verb.starts_with('#') || verb == "dump") {
                continue;
            }
            if (verb == "set" || verb == "type") {
                verb == "set" ? dlg.setEditText(box(name.c_str()), text)
                              : dlg.userEdits(box(name.c_str()), text);
            } else if (verb == "click") {
                dlg.userClicks(name == "compute" ? ctl::computeButton : ctl::applyReferenceButton);
            } else if (verb == "choose" && list != nullptr) {
                dlg.userChooses(list->controlId, std::stoi(text));
            } else if (verb == "clear" && list != nullptr) {
                dlg.userClearsList(list->controlId);
            } else {
                ADD_FAILURE() << "not an action: " << line;
            }
        }
    }
    // A box's text as the last sheet write left it, a note's text, or a
    // list's current index.
    std::string shown(const char* name) const {
        if (const auto field = fieldIndexByName(name)) {
            return std::string(dlg.editText(*field));
        }
        for (const StaticTextDef& text : kStaticTexts) {
            if (text.name == name) {
                return std::string(dlg.staticText(text.controlId));
            }
        }
        const ListDef* list = findList(name);
        return list != nullptr ? std::to_string(dlg.currentIndex(list->controlId)) : "?";
    }
    // The texts of the boxes, one blank between each.
    std::string shown(std::initializer_list<const char*> names) const {
        return shown(std::vector<const char*>(names));
    }
    std::string shown(const std::vector<const char*>& names) const {
        std::string texts;
        for (const char* name : names) {
            texts += (texts.empty() ? "" : " ") + shown(name);
        }
        return texts;
    }

    RecordingPresenter presenter;
    CDesignDlg dlg{designFormListsAndEvents(), presenter};
};

class EvaporatorForm : public testing::Test, public EvaporatorFormState {};

// A worked example: what the designer does, and what the form then shows in
// the named boxes, notes or lists (their texts one blank apart).
struct FormCase {
    const char* name;
    std::string actions;
    std::vector<const char*> names;
    const char* shown;
};

inline void expectShows(const FormCase& c, const std::string& before = "") {
    EvaporatorFormState f;
    f.act(before + c.actions);
    EXPECT_EQ(f.shown(c.names), c.shown) << c.name;
}

} // namespace gelvant::evaporator_testing
