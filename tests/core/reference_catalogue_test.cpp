#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form_tables/design_form.h"
#include "reference/reference_notes.h"
#include "reference/reference_rooms.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace gelvant {
namespace {

// The hidden compact list: rows 0 to 95 with their runs of blanks squeezed
// to one and none at the ends, then a page turn; the full list keeps them.
TEST(ReferenceCatalogue, TheCompactListSqueezesTheBlanks) {
    const auto compact = referenceCompactItems();
    ASSERT_EQ(compact.size(), 97U);
    EXPECT_EQ(compact.back(), "转下页");
    EXPECT_EQ(compact[9], "");
    EXPECT_EQ(compact[10],
              "一般冷却物冷藏间： 冷间温度 0、 -2℃，冷却设备负荷 88w/t，（机械负荷 70w/t）");
    EXPECT_EQ(kReferenceCatalogue[10].text, "一般冷却物冷藏间：" + std::string(18, ' ') +
                                                "冷间温度   0、  -2℃，冷却设备负荷     88w/t，"
                                                "（机械负荷    70w/t）");
    EXPECT_EQ(referenceNoteForRow(-1), "");
}

// --- Selecting a row ---------------------------------------------------------

class ReferenceSelection : public testing::Test {
protected:
    RecordingPresenter presenter;
    CDesignDlg dlg{designFormListsAndEvents(), presenter};

    void select(int row) { dlg.userChooses(ctl::referenceList, row); }
    std::string_view note() const { return dlg.staticText(ctl::referenceNote); }
};

TEST_F(ReferenceSelection, TheFirstSelectionAppendsTheRestOfTheCatalogueOnce) {
    ASSERT_EQ(dlg.itemCount(ctl::referenceList), 77U);
    EXPECT_EQ(note(), "说明：");
    EXPECT_FALSE(dlg.referenceRowsAppended);
    select(76);
    ASSERT_EQ(dlg.itemCount(ctl::referenceList), 172U);
    EXPECT_TRUE(dlg.referenceRowsAppended);
    for (std::size_t i = 0; i < kReferenceCatalogue.size(); ++i) {
        ASSERT_EQ(dlg.itemText(ctl::referenceList, i), kReferenceCatalogue[i].text) << i;
    }
    select(171);
    select(0);
    EXPECT_EQ(dlg.itemCount(ctl::referenceList), 172U);
}

// The flag lives for the run: a second form of the same run would not append
// again, so the form itself carries it from the start.
TEST_F(ReferenceSelection, AFormWhoseRowsAreAlreadyAppendedKeepsItsList) {
    dlg.referenceRowsAppended = true;
    select(5);
    EXPECT_EQ(dlg.itemCount(ctl::referenceList), 77U);
    EXPECT_EQ(note(), kReferenceNotes[0]);
}

// Each row chosen after row 0 (note N1, button shown): a piece of the note it
// shows (empty: no note) and whether the apply button shows.
TEST_F(ReferenceSelection, ShowsTheNoteAndTheButtonOfTheRowsPosition) {
    // clang-format off
    const std::tuple<int, std::string_view, bool> cases[] = {
        {1, "4、-7/-2℃指冷间温度先为-7℃", true}, {9, "", true}, {17, "", true}, {21, "", true},
        {30, "", false}, {31, "1、贮藏鲜蛋、果蔬装配式冷库", false}, {58, "", false},
        {59, "每天开机18小时", false}, {77, "", false}, {78, "每天开机18小时", false},
        {119, "", false}, {150, "", false}, {171, "", false}};
    // clang-format on
    for (const auto& [row, piece, shown] : cases) {
        select(0);
        select(row);
        EXPECT_TRUE(piece.empty() ? note().empty() : note().find(piece) != std::string::npos)
            << row << ": " << note();
        EXPECT_EQ(dlg.isVisible(ctl::applyReferenceButton), shown) << row;
    }
}

TEST_F(ReferenceSelection, TextTypedIntoTheListIsNotARowChoice) {
    select(31);
    dlg.userClearsList(ctl::referenceList, "水果");
    EXPECT_EQ(dlg.currentIndex(ctl::referenceList), -1);
    EXPECT_EQ(note(), kReferenceNotes[4]);
    EXPECT_FALSE(dlg.isVisible(ctl::applyReferenceButton));
}

TEST_F(ReferenceSelection, TakesTheBoxesOverWithoutWritingThemBack) {
    const std::size_t length = *fieldIndexByName("storeLength");
    dlg.setEditText(length, "6.50");
    select(27);
    EXPECT_EQ(dlg.editText(length), "6.50");
    EXPECT_EQ(dlg.sheet().storeLength, 6.5F);
    EXPECT_TRUE(presenter.messages.empty());
}

} // namespace
} // namespace gelvant
