#include "document/design_document.h"
#include "sheet/controls.h"
#include "sheet/field_dictionary.h"
#include "window/design_form.h"
#include "window/startup.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gelvant {
namespace {

using Action = std::function<void(DesignDocument&)>;

std::size_t field(const char* name) {
    return *fieldIndexByName(name);
}

Action type(const char* name, const char* text) {
    return [=](DesignDocument& d) { d.typeInto(field(name), text); };
}

Action typeOverSite(const char* text) {
    return [=](DesignDocument& d) { d.typeOverList(ctl::siteChoice, text); };
}

Action leave() {
    return [](DesignDocument& d) { d.endTypingRun(); };
}

struct TypingCase {
    const char* name;
    std::vector<Action> actions;
    std::size_t steps;
};

// Keys typed into one box or over one list's edit part, one after another,
// make one step; leaving it, or typing somewhere else, starts the next one.
// Undoing every step gives back the form the designer started from.
TEST(TypingRuns, KeysInOneControlAreOneStepAndUndoGivesBackTheForm) {
    const std::vector<TypingCase> cases{
        {"keys in one box", {type("storeLength", "8"), type("storeLength", "80")}, 1},
        {"keys over one list", {typeOverSite("x"), typeOverSite("xy"), typeOverSite("xyz")}, 1},
        {"box then list", {type("storeLength", "8"), typeOverSite("x"), typeOverSite("xy")}, 2},
        {"list then box", {typeOverSite("x"), type("storeLength", "8")}, 2},
        {"list left and typed again", {typeOverSite("x"), leave(), typeOverSite("xy")}, 2},
        {"pick ends a list run",
         {typeOverSite("x"),
          [](DesignDocument& d) { d.perform([&] { d.form().userChooses(ctl::siteChoice, 3); }); },
          typeOverSite("y")},
         3},
    };
    for (const TypingCase& c : cases) {
        RecordingPresenter presenter;
        CDesignDlg dlg(designFormLayout(), presenter);
        OnInitDialog(dlg);
        const FormState start = dlg.captureState();
        DesignDocument document(dlg);
        for (const Action& action : c.actions) {
            action(document);
        }
        EXPECT_EQ(document.history().size(), c.steps) << c.name;
        EXPECT_TRUE(document.isModified()) << c.name;
        while (document.undo()) {
        }
        EXPECT_TRUE(dlg.captureState().sameForm(start)) << c.name;
        EXPECT_FALSE(document.isModified()) << c.name;
    }
}

// Typing over a list and back to what its edit part showed still leaves the
// list without its item: a step. Typing a box back to its text is none.
TEST(TypingRuns, ARunTypedBackToItsStartIsAStepOnlyWhenTheFormChanged) {
    RecordingPresenter presenter;
    CDesignDlg dlg(designFormLayout(), presenter);
    OnInitDialog(dlg);
    DesignDocument document(dlg);
    const std::string site(dlg.listEditText(ctl::siteChoice));
    const std::string length(dlg.editText(field("storeLength")));

    document.typeOverList(ctl::siteChoice, site + "x");
    document.typeOverList(ctl::siteChoice, site);
    EXPECT_EQ(document.history().size(), 1U);
    EXPECT_EQ(dlg.currentIndex(ctl::siteChoice), -1);

    document.typeInto(field("storeLength"), length + "0");
    document.typeInto(field("storeLength"), length);
    EXPECT_EQ(document.history().size(), 1U);
}

// Keys typed on after a save are a step of their own: undoing them comes
// back to the saved design, unchanged.
TEST(TypingRuns, ASaveEndsTheRun) {
    RecordingPresenter presenter;
    CDesignDlg dlg(designFormLayout(), presenter);
    OnInitDialog(dlg);
    DesignDocument document(dlg);
    document.typeInto(field("storeLength"), "7");
    document.markSaved();
    document.typeInto(field("storeLength"), "78");
    EXPECT_TRUE(document.isModified());
    document.undo();
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(dlg.editText(field("storeLength")), "7");
}

} // namespace
} // namespace gelvant
