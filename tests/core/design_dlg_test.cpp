#include "form/controls.h"
#include "form/design_dlg.h"

#include <gtest/gtest.h>

#include <array>

namespace gelvant {
namespace {

// A small form of its own, so the exchange and the event routing are tested
// apart from the rules: every handler counts its runs.
int geometryRuns = 0;
int doorRuns = 0;
int referenceRuns = 0;

constexpr std::array<std::string_view, 3> kDoorItems{"a", "b", "c"};
constexpr std::array<std::string_view, 2> kRows{"row 0", "row 1"};

std::span<const std::string_view> doorItems() {
    return kDoorItems;
}
std::span<const std::string_view> rowItems() {
    return kRows;
}

const std::array kLists{
    ListDef{ctl::doorChoice, "doorChoice", "", ListStyle::Extended, false, doorItems},
    ListDef{ctl::referenceList, "referenceList", "", ListStyle::Plain, false, rowItems},
};

const std::array kEvents{
    EventBinding{1003, EventKind::Edit, [](CDesignDlg&) { ++geometryRuns; }},
    EventBinding{ctl::doorChoice, EventKind::ListChange, [](CDesignDlg&) { ++doorRuns; }},
    EventBinding{ctl::referenceList, EventKind::Selection, [](CDesignDlg&) { ++referenceRuns; }},
};

constexpr std::size_t kStoreLength = 3;
constexpr std::size_t kThickness = 6;
constexpr std::size_t kInnerVolume = 7;

class DesignDlgTest : public testing::Test {
protected:
    void SetUp() override { geometryRuns = doorRuns = referenceRuns = 0; }

    RecordingPresenter presenter;
    CDesignDlg dlg{FormListsAndEvents{kLists, kEvents}, presenter};
};

TEST_F(DesignDlgTest, OpensWithEveryBoxShowingTheZeroRecord) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        EXPECT_EQ(dlg.editText(i), "0") << kFields[i].name;
    }
    EXPECT_EQ(dlg.currentIndex(ctl::doorChoice), -1);
    EXPECT_EQ(dlg.staticText(ctl::totalLoadNote), " =            ");
    EXPECT_TRUE(dlg.readSheet());
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(DesignDlgTest, BadBoxStopsTheReadKeepingLaterBoxesAtTheirRecordValues) {
    dlg.sheet().insulationThicknessMm = 100;
    dlg.sheet().innerVolume = 158;
    dlg.setEditText(kStoreLength, "9");
    dlg.setEditText(kThickness, "12.5");
    dlg.setEditText(kInnerVolume, "300");

    EXPECT_FALSE(dlg.readSheet());
    EXPECT_EQ(dlg.sheet().storeLength, 9.0F);          // earlier box taken over
    EXPECT_EQ(dlg.sheet().insulationThicknessMm, 100); // bad box keeps its value
    EXPECT_EQ(dlg.sheet().innerVolume, 158.0F);        // later box not visited
    ASSERT_EQ(presenter.messages.size(), 1U);
    EXPECT_EQ(presenter.messages[0], (Message{"Gelvant", "请输入一个整数。"}));
    EXPECT_EQ(dlg.focusedControl(), 1008);
    EXPECT_TRUE(dlg.focusTextSelected());

    dlg.writeSheet(); // the handler's closing write puts the old value back
    EXPECT_EQ(dlg.editText(kThickness), "100");
}

TEST_F(DesignDlgTest, SheetWriteNeverRunsARuleButTypingDoes) {
    dlg.sheet().storeLength = 8;
    dlg.writeSheet();
    EXPECT_EQ(dlg.editText(kStoreLength), "8");
    EXPECT_EQ(geometryRuns, 0);

    dlg.userEdits(kStoreLength, "9");
    EXPECT_EQ(geometryRuns, 1);
    dlg.userEdits(kThickness, "50"); // a box without a rule
    EXPECT_EQ(geometryRuns, 1);
}

TEST_F(DesignDlgTest, RefreshTakesBackWhatIsDisplayedWithSixDigits) {
    dlg.sheet().storeLength = 1.0F / 3.0F;
    dlg.refreshForm();
    EXPECT_EQ(dlg.sheet().storeLength, 0.333333F);
}

TEST_F(DesignDlgTest, ChoosingInCodeRunsTheExtendedListsHandlerEvenForTheCurrentItem) {
    dlg.chooseItem(ctl::doorChoice, 2);
    dlg.chooseItem(ctl::doorChoice, 2);
    EXPECT_EQ(doorRuns, 2);
    EXPECT_EQ(dlg.currentText(ctl::doorChoice), "c");

    dlg.chooseItem(ctl::referenceList, 1); // the plain list runs nothing in code
    EXPECT_EQ(referenceRuns, 0);
    EXPECT_EQ(dlg.currentIndex(ctl::referenceList), 1);
    dlg.userChooses(ctl::referenceList, 0); // but does on the user's selection
    EXPECT_EQ(referenceRuns, 1);
}

TEST_F(DesignDlgTest, ClearingAListLeavesNoItemAndRunsNothing) {
    dlg.chooseItem(ctl::doorChoice, 1);
    dlg.userClearsList(ctl::doorChoice, "typed");
    EXPECT_EQ(dlg.currentIndex(ctl::doorChoice), -1);
    EXPECT_EQ(dlg.currentText(ctl::doorChoice), "");
    EXPECT_EQ(dlg.listEditText(ctl::doorChoice), "typed");
    EXPECT_EQ(doorRuns, 1);
}

TEST_F(DesignDlgTest, HiddenApplyButtonCannotBePressed) {
    int applied = 0;
    static int* counter = nullptr;
    counter = &applied;
    const std::array events{
        EventBinding{ctl::applyReferenceButton, EventKind::Click, [](CDesignDlg&) { ++*counter; }}};
    CDesignDlg form{FormListsAndEvents{kLists, events}, presenter};
    form.userClicks(ctl::applyReferenceButton);
    form.setVisible(ctl::applyReferenceButton, false);
    form.userClicks(ctl::applyReferenceButton);
    EXPECT_EQ(applied, 1);
}

// The window manager may set the low four bits of the About command 16;
// 0, 32, close (0xF060) and minimise (0xF020) take the default handling.
TEST_F(DesignDlgTest, SystemCommandSixteenOpensAboutWhateverItsLowBits) {
    for (unsigned id : {16U, 19U, 31U, 0U, 32U, 0xF060U, 0xF020U}) {
        dlg.systemCommand(id);
    }
    EXPECT_EQ(presenter.aboutBoxes, 3);
    EXPECT_TRUE(presenter.messages.empty());
}

} // namespace
} // namespace gelvant
