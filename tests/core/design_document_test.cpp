// The design document: whole user actions as undo steps, typing runs, the
// modified mark, and the rooms of a project.

#include "document/design_document.h"
#include "project/startup_form.h"
#include "sheet/controls.h"
#include "window/design_form.h"
#include "window/startup.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace gelvant {
namespace {

std::size_t field(std::string_view name) {
    return *fieldIndexByName(name);
}

// The opened form with its document, as the window and the driver hold them.
struct OpenedDesign : testing::Test {
    OpenedDesign() { OnInitDialog(dlg); }
    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};
    DesignDocument& doc() { return document.emplace(dlg); }
    std::optional<DesignDocument> document;

    void type(std::string_view name, std::string text) { doc_->typeInto(field(name), text); }
    void click() {
        doc_->perform([&] { dlg.userClicks(ctl::computeButton); });
    }
    std::string box(std::string_view name) const { return std::string(dlg.editText(field(name))); }

    void SetUp() override { doc_ = &doc(); }
    DesignDocument* doc_ = nullptr;
};

TEST_F(OpenedDesign, UndoBringsBackEveryBoxTheRuleRewrote) {
    const FormState before = dlg.captureState();
    type("storeLength", "60");
    ASSERT_NE(box("innerVolume"), std::string(before.editTexts[field("innerVolume")]));
    const FormState after = dlg.captureState();
    EXPECT_TRUE(doc_->undo());
    EXPECT_TRUE(dlg.captureState().sameForm(before));
    EXPECT_TRUE(doc_->redo());
    EXPECT_TRUE(dlg.captureState().sameForm(after));
    EXPECT_FALSE(doc_->redo());
}

// Which actions make steps, and how typing runs join.
struct StepCase {
    const char* name;
    std::function<void(OpenedDesign&)> actions;
    std::size_t steps;
    friend void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }
};

class Steps : public OpenedDesign, public testing::WithParamInterface<StepCase> {};

TEST_P(Steps, CountAsTheDesignerExpects) {
    GetParam().actions(*this);
    EXPECT_EQ(doc_->history().position(), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, Steps,
    testing::Values(StepCase{"KeysIntoOneBoxAreOneStep",
                             [](OpenedDesign& t) {
                                 t.type("storeLength", "6");
                                 t.type("storeLength", "60");
                                 t.type("storeLength", "60.5");
                             },
                             1},
                    StepCase{"AnotherBoxStartsAStep",
                             [](OpenedDesign& t) {
                                 t.type("storeLength", "60");
                                 t.type("storeWidth", "9");
                                 t.type("storeLength", "61");
                             },
                             3},
                    StepCase{"LeavingTheBoxEndsTheRun",
                             [](OpenedDesign& t) {
                                 t.type("storeLength", "60");
                                 t.doc_->endTypingRun();
                                 t.type("storeLength", "61");
                             },
                             2},
                    StepCase{"TypingBackToTheStartLeavesNoStep",
                             [](OpenedDesign& t) {
                                 t.type("storeLength", "60");
                                 t.type("storeLength", "50");
                             },
                             0},
                    StepCase{"KeysOverOneListAreOneStepThenABoxAnother",
                             [](OpenedDesign& t) {
                                 t.doc_->typeOverList(ctl::siteChoice, "x");
                                 t.doc_->typeOverList(ctl::siteChoice, "xy");
                                 t.type("storeLength", "8");
                             },
                             2},
                    StepCase{"AListTypedBackToItsTextStillLostItsItem",
                             [](OpenedDesign& t) {
                                 const std::string site(t.dlg.listEditText(ctl::siteChoice));
                                 t.doc_->typeOverList(ctl::siteChoice, site + "x");
                                 t.doc_->typeOverList(ctl::siteChoice, site);
                             },
                             1},
                    StepCase{"AnActionThatChangesNothingIsNoStep",
                             [](OpenedDesign& t) {
                                 t.click(); // the opened form is computed already
                                 t.type("storeLength", "50");
                                 t.doc_->perform([&] { t.dlg.systemCommand(16); });
                             },
                             0},
                    StepCase{"PicksClearsAndClicksAreOneStepEach",
                             [](OpenedDesign& t) {
                                 t.doc_->perform([&] { t.dlg.userChooses(ctl::siteChoice, 3); });
                                 t.doc_->perform([&] { t.dlg.userClearsList(ctl::doorChoice); });
                                 t.type("storeLength", "70");
                                 t.click();
                             },
                             4},
                    StepCase{"ProjectInformationIsAStep",
                             [](OpenedDesign& t) {
                                 t.doc_->setProjectInfo(ProjectInfo{"冷库", "", "", "", ""});
                                 t.doc_->setProjectInfo(ProjectInfo{"冷库", "", "", "", ""});
                             },
                             1}),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST_F(OpenedDesign, KeepsMoreThanTwoHundredStepsAndDropsRedoOnANewAction) {
    for (int n = 0; n < 250; ++n) {
        type(n % 2 == 0 ? "storeLength" : "storeWidth", std::to_string(10 + n));
    }
    int undone = 0;
    while (doc_->undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, 250);
    EXPECT_EQ(box("storeLength"), "50");
    doc_->redo();
    type("storeHeight", "5");
    EXPECT_FALSE(doc_->canRedo());
}

TEST_F(OpenedDesign, ModifiedUntilSavedAndUndoBackToTheSavedDesign) {
    EXPECT_FALSE(doc_->isModified());
    type("storeLength", "60");
    EXPECT_TRUE(doc_->isModified());
    doc_->markSaved();
    EXPECT_FALSE(doc_->isModified());
    type("storeWidth", "9");
    EXPECT_TRUE(doc_->isModified());
    doc_->undo();
    EXPECT_FALSE(doc_->isModified()); // back at the saved design
    doc_->undo();
    EXPECT_TRUE(doc_->isModified());
    doc_->redo();
    EXPECT_FALSE(doc_->isModified());
    // A save in the middle of a typing run ends it: the keys after it are a
    // step of their own, and undo comes back to the saved design.
    type("storeHeight", "5");
    doc_->markSaved();
    type("storeHeight", "5.5");
    EXPECT_TRUE(doc_->isModified());
    doc_->undo();
    EXPECT_FALSE(doc_->isModified());
    // A recovered design is unsaved from the start.
    doc_->replaceProject(doc_->project(), true);
    EXPECT_TRUE(doc_->isModified());
    EXPECT_FALSE(doc_->canUndo());
}

TEST_F(OpenedDesign, RoomOperationsAreStepsAndUndoReturnsToTheirRoom) {
    type("storeLength", "60");
    doc_->addRoom();
    EXPECT_EQ(doc_->project().currentRoom().name, "库房2");
    EXPECT_EQ(box("storeLength"), "50"); // the form the program opens on
    type("roomTemp", "-18");
    doc_->copyRoom();
    EXPECT_EQ(doc_->project().currentRoom().name, "库房2 副本");
    doc_->renameRoom("冻结物冷藏间");
    doc_->setEquipment(CoolingEquipment::Coil);
    ASSERT_TRUE(doc_->moveRoom(-1));
    EXPECT_EQ(doc_->project().current, 1U);

    doc_->selectRoom(0); // looking at another room is no step
    EXPECT_EQ(box("storeLength"), "60");
    const std::size_t steps = doc_->history().position();
    doc_->undo(); // undoes the move, and goes back to the room it moved
    EXPECT_EQ(doc_->history().position(), steps - 1);
    EXPECT_EQ(doc_->project().current, 2U);
    EXPECT_EQ(doc_->project().currentRoom().name, "冻结物冷藏间");
    EXPECT_EQ(doc_->project().currentRoom().equipment, CoolingEquipment::Coil);

    // A deleted room comes back whole.
    doc_->selectRoom(1);
    const FormState deleted = dlg.captureState();
    ASSERT_TRUE(doc_->deleteRoom());
    EXPECT_EQ(doc_->project().rooms.size(), 2U);
    doc_->undo();
    EXPECT_EQ(doc_->project().rooms.size(), 3U);
    EXPECT_EQ(doc_->project().current, 1U);
    EXPECT_TRUE(dlg.captureState().sameForm(deleted));
}

TEST_F(OpenedDesign, TheLastRoomCannotBeDeleted) {
    EXPECT_FALSE(doc_->deleteRoom());
    EXPECT_FALSE(doc_->canUndo());
}

TEST_F(OpenedDesign, ComputeAllGathersEachRoomsMessagesAndIsOneStep) {
    doc_->addRoom("冻结间");
    type("airCoolerCount", "0"); // fans with power but none counted: the calculation says so
    doc_->addRoom();
    doc_->selectRoom(0);
    type("storeLength", "60");
    presenter.messages.clear();
    const std::string loadBefore = box("totalCoolingLoadW");
    const std::size_t steps = doc_->history().position();
    const std::vector<RoomMessages> gathered = doc_->computeAllRooms();
    EXPECT_TRUE(presenter.messages.empty()); // nothing shown one box at a time
    ASSERT_FALSE(gathered.empty());
    EXPECT_EQ(doc_->history().position(), steps + 1);
    EXPECT_NE(box("totalCoolingLoadW"), loadBefore); // the current room is computed too
    for (const RoomMessages& room : gathered) {
        EXPECT_FALSE(room.messages.empty());
        EXPECT_NE(room.room, "库房3"); // the untouched new room says nothing
    }
    doc_->undo();
    EXPECT_EQ(doc_->project().current, 0U);
}

} // namespace
} // namespace gelvant
