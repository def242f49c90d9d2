#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form_tables/design_form.h"
#include "reference/reference_notes.h"
#include "reference/reference_presets.h"
#include "reference/reference_rooms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace gelvant {
namespace {

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

TEST(ReferenceCatalogue, HoldsEveryRowWithEveryBlankKept) {
    ASSERT_EQ(kReferenceCatalogue.size(), 172U);
    EXPECT_EQ(referenceAppendedItems().front(), "4-80m3装配式冷藏库系列：-18℃冷藏");
    // The hidden compact list: shortened rows 0 to 95 and a page turn.
    ASSERT_EQ(referenceCompactItems().size(), 97U);
    EXPECT_EQ(referenceCompactItems().back(), "转下页");
    // clang-format off
    const std::pair<int, std::string> rows[] = {
        {9, ""}, {17, ""}, {96, blanks(7)}, {119, blanks(7)}, {159, blanks(61)}, {170, blanks(7)},
        {10, "一般冷却物冷藏间：" + blanks(18) +
                 "冷间温度   0、  -2℃，冷却设备负荷     88w/t，（机械负荷    70w/t）"},
        {112, "   平板冻结间   库温        容积: 536m3，容积系数     ，吨位 "
              "15t，制冷设备负荷29080w/t（机械负荷29080w/t） "}};
    // clang-format on
    for (const auto& [row, text] : rows) {
        EXPECT_EQ(kReferenceCatalogue[row].text, text) << row;
    }
    EXPECT_TRUE(kReferenceCatalogue[40].text.starts_with(" 1.容积 3.6m3"));
    EXPECT_TRUE(kReferenceCatalogue[144].text.ends_with("1：3.50～4：00  "));
    EXPECT_TRUE(
        kReferenceCatalogue[171].text.starts_with("半成品家禽每吨头只数：猪 15-22只    牛"));
}

TEST(ReferenceNotes, ShowOnTheirRowsAndNoRowShowsNone) {
    EXPECT_NE(kReferenceNotes[2].find("机械负荷大于    冷却设备负荷"), std::string_view::npos);
    EXPECT_EQ(referenceNoteForRow(-1), "");
}

TEST(ReferencePresets, RowsUpTo29SaveTheBlankLinesAndTheHeadingCarryOne) {
    std::vector<int> rows;
    for (const ReferencePreset& preset : kReferencePresets) {
        rows.push_back(preset.row);
    }
    const std::vector<int> expected{0,  1,  2,  3,  4,  5,  6,  7,  8,  10, 11, 12, 13, 14,
                                    15, 16, 18, 19, 20, 22, 23, 24, 25, 26, 27, 28, 29};
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(kReferencePresets[18].airCoolerPowerKw, 0.37F); // row 20
    EXPECT_EQ(kReferencePresets[15].storeLengthM, 600.0F);    // row 16
    EXPECT_EQ(kReferencePresets[1].coolingHours, 11.0F);
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
