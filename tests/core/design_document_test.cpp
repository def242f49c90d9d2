// The design document: whole user actions as undo steps, typing runs, the
// modified mark, and the rooms of a project.

#include "document/design_document.h"
#include "document/gathered_messages.h"
#include "form/controls.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gelvant {
namespace {

std::size_t field(std::string_view name) {
    return *fieldIndexByName(name);
}

CDesignDlg& opened(CDesignDlg& dlg) {
    OnInitDialog(dlg);
    return dlg;
}

// The opened form with its document, as the window and the driver hold them.
struct Opened {
    RecordingPresenter presenter;
    CDesignDlg dlg{designFormListsAndEvents(), presenter};
    DesignDocument doc{opened(dlg)};

    void type(std::string_view name, const std::string& text) { doc.typeInto(field(name), text); }
    std::string box(std::string_view name) const { return std::string(dlg.editText(field(name))); }
};

struct OpenedDesign : testing::Test, Opened {};

using Action = std::function<void(Opened&)>;

Action typed(const char* name, const char* text) {
    return [=](Opened& t) { t.type(name, text); };
}

Action performed(std::function<void(CDesignDlg&)> action) {
    return [=](Opened& t) { t.doc.perform([&] { action(t.dlg); }); };
}

TEST(DesignDocument, ActionsCountAsStepsAsTheDesignerExpects) {
    const char* const L = "storeLength";
    const auto overSite = [](const char* text) {
        return [=](Opened& t) { t.doc.typeOverList(ctl::siteChoice, text); };
    };
    const auto compute = performed([](CDesignDlg& dlg) { dlg.userClicks(ctl::computeButton); });
    const auto info = [](Opened& t) {
        ProjectInfo named;
        named.name = "冷库";
        t.doc.setProjectInfo(named);
    };
    const struct {
        const char* name;
        std::vector<Action> actions;
        std::size_t steps;
    } cases[] = {
        {"keys into one box are one step", {typed(L, "6"), typed(L, "60"), typed(L, "60.5")}, 1},
        {"another box starts a step",
         {typed(L, "60"), typed("storeWidth", "9"), typed(L, "61")},
         3},
        {"leaving the box ends the run",
         {typed(L, "60"), [](Opened& t) { t.doc.endTypingRun(); }, typed(L, "61")},
         2},
        {"typing back to the start leaves no step", {typed(L, "60"), typed(L, "50")}, 0},
        {"keys over one list are one step", {overSite("x"), overSite("xy"), typed(L, "8")}, 2},
        {"a list typed back to its text still lost its item",
         {[](Opened& t) {
             const std::string site(t.dlg.listEditText(ctl::siteChoice));
             t.doc.typeOverList(ctl::siteChoice, site + "x");
             t.doc.typeOverList(ctl::siteChoice, site);
         }},
         1},
        {"an action that changes nothing is no step", // the opened form is computed already
         {compute, typed(L, "50"), performed([](CDesignDlg& dlg) { dlg.systemCommand(16); })},
         0},
        {"picks, clears and clicks are one step each",
         {performed([](CDesignDlg& dlg) { dlg.userChooses(ctl::siteChoice, 3); }),
          performed([](CDesignDlg& dlg) { dlg.userClearsList(ctl::doorChoice); }), typed(L, "70"),
          compute},
         4},
        {"project information is a step", {info, info}, 1},
    };
    for (const auto& c : cases) {
        Opened t;
        for (const Action& action : c.actions) {
            action(t);
        }
        EXPECT_EQ(t.doc.history().position(), c.steps) << c.name;
    }
}

TEST_F(OpenedDesign, KeepsMoreThanTwoHundredStepsAndDropsRedoOnANewAction) {
    for (int n = 0; n < 250; ++n) {
        type(n % 2 == 0 ? "storeLength" : "storeWidth", std::to_string(10 + n));
    }
    int undone = 0;
    while (doc.undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, 250);
    EXPECT_EQ(box("storeLength"), "50");
    doc.redo();
    type("storeHeight", "5");
    EXPECT_FALSE(doc.canRedo());
}

TEST_F(OpenedDesign, ModifiedUntilSavedAndUndoBackToTheSavedDesign) {
    EXPECT_FALSE(doc.isModified());
    type("storeLength", "60");
    EXPECT_TRUE(doc.isModified());
    doc.markSaved();
    EXPECT_FALSE(doc.isModified());
    type("storeWidth", "9");
    EXPECT_TRUE(doc.isModified());
    doc.undo();
    EXPECT_FALSE(doc.isModified());
    doc.undo();
    EXPECT_TRUE(doc.isModified());
    doc.redo();
    EXPECT_FALSE(doc.isModified());
    // A save ends the typing run: undo comes back to the saved design.
    type("storeHeight", "5");
    doc.markSaved();
    type("storeHeight", "5.5");
    EXPECT_TRUE(doc.isModified());
    doc.undo();
    EXPECT_FALSE(doc.isModified());
    doc.replaceProject(doc.project(), true); // recovered: unsaved from the start
    EXPECT_TRUE(doc.isModified());
    EXPECT_FALSE(doc.canUndo());
}

TEST_F(OpenedDesign, RoomOperationsAreStepsAndUndoReturnsToTheirRoom) {
    EXPECT_FALSE(doc.deleteRoom()); // not the last room
    EXPECT_FALSE(doc.canUndo());
    type("storeLength", "60");
    doc.addRoom();
    EXPECT_EQ(doc.project().currentRoom().name, "库房2");
    EXPECT_EQ(box("storeLength"), "50"); // the form the program opens on
    type("roomTemp", "-18");
    doc.copyRoom();
    EXPECT_EQ(doc.project().currentRoom().name, "库房2 副本");
    doc.renameRoom("冻结物冷藏间");
    doc.setEquipment(CoolingEquipment::Coil);
    ASSERT_TRUE(doc.moveRoom(-1));
    EXPECT_EQ(doc.project().current, 1U);

    doc.selectRoom(0); // looking at another room is no step
    EXPECT_EQ(box("storeLength"), "60");
    const std::size_t steps = doc.history().position();
    doc.undo(); // undoes the move, and goes back to the room it moved
    EXPECT_EQ(doc.history().position(), steps - 1);
    EXPECT_EQ(doc.project().current, 2U);
    EXPECT_EQ(doc.project().currentRoom().name, "冻结物冷藏间");
    EXPECT_EQ(doc.project().currentRoom().equipment, CoolingEquipment::Coil);

    doc.selectRoom(1);
    const FormState deleted = dlg.captureState();
    ASSERT_TRUE(doc.deleteRoom());
    EXPECT_EQ(doc.project().rooms.size(), 2U);
    doc.undo();
    EXPECT_EQ(doc.project().rooms.size(), 3U);
    EXPECT_EQ(doc.project().current, 1U);
    EXPECT_TRUE(dlg.captureState().sameForm(deleted)); // back whole
}

TEST_F(OpenedDesign, ComputeAllGathersEachRoomsMessagesAndIsOneStep) {
    doc.addRoom("冻结间");
    type("airCoolerCount", "0"); // fans with power but none counted: the calculation says so
    doc.addRoom();
    doc.selectRoom(0);
    type("storeLength", "60");
    presenter.messages.clear();
    const std::string loadBefore = box("totalCoolingLoadW");
    const std::size_t steps = doc.history().position();
    const std::vector<RoomMessages> gathered = doc.computeAllRooms();
    EXPECT_TRUE(presenter.messages.empty()); // nothing shown one box at a time
    ASSERT_FALSE(gathered.empty());
    EXPECT_EQ(doc.history().position(), steps + 1);
    EXPECT_NE(box("totalCoolingLoadW"), loadBefore); // the current room is computed too
    for (const RoomMessages& room : gathered) {
        EXPECT_FALSE(room.messages.empty());
        EXPECT_NE(room.room, "库房3"); // the untouched new room says nothing
    }
    doc.undo();
    EXPECT_EQ(doc.project().current, 0U);
}

// One box for them all: each message under its room's name in the order
// raised, rooms apart by a blank line, silent rooms left out.
TEST(GatheredMessages, ReadRoomByRoom) {
    const std::pair<std::vector<RoomMessages>, std::string> cases[] = {
        {{{"库房1", {}}}, ""},
        {{{"库房1", {{"结果", "甲"}, {"警告", "乙"}}},
          {"库房2", {}},
          {"库房2 副本", {{"注意", "第一行\n第二行"}}}},
         "库房1\n    结果：甲\n    警告：乙\n\n库房2 副本\n    注意：第一行\n    第二行\n"},
    };
    for (const auto& [rooms, text] : cases) {
        EXPECT_EQ(gatheredMessagesText(rooms), text);
    }
}

} // namespace
} // namespace gelvant
