#pragma once

// A fresh design form for the rule tests, with the boxes set or typed into
// by name and read back as the form shows them.

#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form/messages.h"
#include "form_tables/design_form.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

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
    // The box's text, as the last sheet write left it.
    std::string shown(const char* name) const { return std::string(dlg.editText(box(name))); }
    // The texts of the boxes, one blank between each.
    std::string shown(std::initializer_list<const char*> names) const {
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

} // namespace gelvant::evaporator_testing
