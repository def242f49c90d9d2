#include "reference/reference_catalogue.h"
#include "reference/reference_notes.h"
#include "reference/reference_presets.h"
#include "reference/reference_rooms.h"
#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "window/design_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <tuple>

namespace gelvant {
namespace {

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

TEST(ReferenceCatalogue, HoldsEveryRowWithEveryBlankKept) {
    ASSERT_EQ(kReferenceCatalogue.size(), 172U);
    EXPECT_EQ(referenceInitialItems().size(), 77U);
    EXPECT_EQ(referenceAppendedItems().size(), 95U);
    EXPECT_EQ(referenceAppendedItems().front(), "4-80m3装配式冷藏库系列：-18℃冷藏");

    EXPECT_EQ(kReferenceCatalogue[9].text, "");
    EXPECT_EQ(kReferenceCatalogue[17].text, "");
    EXPECT_EQ(kReferenceCatalogue[96].text, blanks(7));
    EXPECT_EQ(kReferenceCatalogue[119].text, blanks(7));
    EXPECT_EQ(kReferenceCatalogue[159].text, blanks(61));
    EXPECT_EQ(kReferenceCatalogue[170].text, blanks(7));
    EXPECT_EQ(kReferenceCatalogue[10].text,
              "一般冷却物冷藏间：" + blanks(18) +
                  "冷间温度   0、  -2℃，冷却设备负荷     88w/t，（机械负荷    70w/t）");
    EXPECT_EQ(kReferenceCatalogue[112].text,
              "   平板冻结间   库温        容积: 536m3，容积系数     ，吨位 "
              "15t，制冷设备负荷29080w/t（机械负荷29080w/t） ");
    EXPECT_TRUE(kReferenceCatalogue[40].text.starts_with(" 1.容积 3.6m3"));
    EXPECT_TRUE(kReferenceCatalogue[144].text.ends_with("1：3.50～4：00  "));
    EXPECT_TRUE(
        kReferenceCatalogue[171].text.starts_with("半成品家禽每吨头只数：猪 15-22只    牛"));
}

TEST(ReferenceNotes, EachNoteShowsOnItsRows) {
    std::map<int, int> rowsPerNote;
    for (const ReferenceRoom& room : kReferenceCatalogue) {
        ++rowsPerNote[room.note];
    }
    // N1 processing rooms, N3 cold and ice stores, N4 small meat stores, N5
    // egg and produce stores, N6 and N7 the prefabricated series; N11 and
    // N17 describe two rows each, every other note one row.
    const std::map<int, int> expected{{1, 8}, {2, 1}, {3, 10}, {4, 4}, {5, 12}, {6, 18}, {7, 36}};
    for (int note = 1; note <= 26; ++note) {
        const int want =
            expected.contains(note) ? expected.at(note) : (note == 11 || note == 17 ? 2 : 1);
        EXPECT_EQ(rowsPerNote[note], want) << "N" << note;
    }
    EXPECT_EQ(rowsPerNote[0], 172 - 8 - 1 - 10 - 4 - 12 - 18 - 36 - 21);

    EXPECT_EQ(kReferenceNotes.size(), 26U);
    for (const std::string_view note : kReferenceNotes) {
        EXPECT_EQ(note.substr(0, 4), "1、");
    }
    EXPECT_NE(referenceNoteForRow(1).find("4、-7/-2℃指冷间温度先为-7℃"), std::string_view::npos);
    EXPECT_NE(kReferenceNotes[2].find("机械负荷大于    冷却设备负荷"), std::string_view::npos);
    EXPECT_EQ(referenceNoteForRow(101), referenceNoteForRow(102));
    EXPECT_EQ(referenceNoteForRow(118), kReferenceNotes[25]);
    EXPECT_EQ(referenceNoteForRow(-1), "");
}

TEST(ReferencePresets, OnlyTheProcessingStorageAndIceRowsAndSmallStoresCarryOne) {
    std::set<int> rows;
    for (const ReferencePreset& p : kReferencePresets) {
        rows.insert(p.row);
        EXPECT_EQ(p.storeHeightM, 4.2F) << p.row;
        EXPECT_EQ(p.zeroDoorAirChangesAndWorkers, p.row == 20) << p.row;
        EXPECT_EQ(p.multiStoreyWarning, p.row >= 14 && p.row <= 16) << p.row;
    }
    std::set<int> expected;
    for (int row = 0; row < kApplicableRowCount; ++row) {
        if (row != 9 && row != 17 && row != 21) {
            expected.insert(row);
        }
    }
    EXPECT_EQ(rows, expected);

    const auto preset = [](int row) {
        return *std::find_if(kReferencePresets.begin(), kReferencePresets.end(),
                             [row](const ReferencePreset& p) { return p.row == row; });
    };
    // Everything but the row and its warning.
    const auto sameRoom = [](const ReferencePreset& a, const ReferencePreset& b) {
        const auto room = [](const ReferencePreset& p) {
            return std::tuple(p.group, p.storeLengthM, p.storeWidthM, p.storeHeightM,
                              p.insulationThicknessMm, p.roomTempC, p.intakeTempC, p.finalTempC,
                              p.coolingHours, p.dailyIntakePercent, p.airCoolerPowerKw,
                              p.airCoolerCount, p.zeroDoorAirChangesAndWorkers);
        };
        return room(a) == room(b);
    };
    EXPECT_TRUE(sameRoom(preset(13), preset(14)));
    EXPECT_TRUE(sameRoom(preset(18), preset(19)));
    EXPECT_FALSE(sameRoom(preset(26), preset(27)));

    const ReferencePreset ice = preset(20);
    EXPECT_EQ(ice.group, PresetGroup::Ice);
    EXPECT_EQ(ice.airCoolerPowerKw, 0.37F);
    EXPECT_EQ(ice.intakeTempC, -6.0F);
    EXPECT_EQ(preset(16).storeLengthM, 600.0F);
    EXPECT_EQ(preset(16).airCoolerCount, 30.0F);
    EXPECT_EQ(preset(4).insulationThicknessMm, 150);
    EXPECT_EQ(preset(1).coolingHours, 11.0F);
}

TEST(ReferenceCompactList, HoldsTheFirstRowsAndAPageTurn) {
    const auto items = referenceCompactItems();
    ASSERT_EQ(items.size(), 97U);
    EXPECT_EQ(items.back(), "转下页");
    EXPECT_EQ(items[9], "");
    EXPECT_EQ(items[40], "1.容积 3.6m3，吨位 0.7t，+2℃冷藏，一般操作 964w/t，频繁操作1171w/t。");
}

// --- Selecting a row ---------------------------------------------------------

class ReferenceSelection : public testing::Test {
protected:
    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};

    void select(int row) { dlg.userChooses(ctl::referenceList, row); }
    std::string_view note() const { return dlg.staticText(ctl::referenceNote); }
    bool buttonShown() const { return dlg.isVisible(ctl::applyReferenceButton); }
};

TEST_F(ReferenceSelection, TheFirstSelectionAppendsTheRestOfTheCatalogueOnce) {
    ASSERT_EQ(dlg.itemCount(ctl::referenceList), 77U);
    EXPECT_EQ(note(), "说明：");
    EXPECT_TRUE(buttonShown());
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

struct SelectionCase {
    const char* name;
    int row;
    int note; // 0: the note is cleared
    bool buttonShown;
    friend void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }
};

class SelectingARow : public ReferenceSelection,
                      public testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectingARow, ShowsItsNoteAndTheApplyButtonByPosition) {
    const SelectionCase& c = GetParam();
    select(29); // a row with a note and the button shown, and the rows appended
    ASSERT_FALSE(note().empty());
    select(c.row);
    EXPECT_EQ(note(), c.note == 0 ? std::string_view{} : kReferenceNotes[c.note - 1]);
    EXPECT_EQ(buttonShown(), c.buttonShown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SelectingARow,
    testing::Values(SelectionCase{"ChillingRoom", 0, 1, true},
                    SelectionCase{"TwoStageChillingHasItsOwnNote", 1, 2, true},
                    SelectionCase{"BlankLineKeepsTheButton", 9, 0, true},
                    SelectionCase{"SecondBlankLine", 17, 0, true},
                    SelectionCase{"IceStore", 20, 3, true},
                    SelectionCase{"SmallStoresHeading", 21, 0, true},
                    SelectionCase{"LastApplicableRow", 29, 5, true},
                    SelectionCase{"PrefabricatedHeadingHidesTheButton", 30, 0, false},
                    SelectionCase{"PrefabricatedStoreNoteWithoutButton", 31, 5, false},
                    SelectionCase{"PlusTwoSeriesRow", 57, 6, false},
                    SelectionCase{"MinusTwelveHeading", 58, 0, false},
                    SelectionCase{"MinusTwelveFirstRow", 59, 7, false},
                    SelectionCase{"MinusEighteenHeading", 77, 0, false},
                    SelectionCase{"MinusEighteenFirstRow", 78, 7, false},
                    SelectionCase{"PerformanceTableFirstNote", 98, 8, false},
                    SelectionCase{"SharedNoteFirst", 101, 11, false},
                    SelectionCase{"SharedNoteSecond", 102, 11, false},
                    SelectionCase{"LastNote", 118, 26, false}),
    [](const testing::TestParamInfo<SelectionCase>& info) { return info.param.name; });

TEST_F(ReferenceSelection, RowsFromTheAreaTablesOnHaveNoNoteAndNoButton) {
    for (int row = 119; row <= 171; ++row) {
        select(27);
        select(row);
        EXPECT_EQ(note(), "") << row;
        EXPECT_FALSE(buttonShown()) << row;
    }
}

TEST_F(ReferenceSelection, TextTypedIntoTheListIsNotARowChoice) {
    select(31);
    dlg.userClearsList(ctl::referenceList, "水果");
    EXPECT_EQ(dlg.currentIndex(ctl::referenceList), -1);
    EXPECT_EQ(note(), kReferenceNotes[4]);
    EXPECT_FALSE(buttonShown());
}

TEST_F(ReferenceSelection, TakesTheBoxesOverWithoutWritingThemBack) {
    const std::size_t length = *fieldIndexByName("storeLength");
    dlg.setEditText(length, "6.50");
    select(27);
    EXPECT_EQ(dlg.editText(length), "6.50");
    EXPECT_EQ(dlg.sheet().storeLength, 6.5F);
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(ReferenceSelection, ChoosingARowInCodeRunsNothing) {
    dlg.chooseItem(ctl::referenceList, 1);
    EXPECT_EQ(note(), "说明：");
    EXPECT_EQ(dlg.itemCount(ctl::referenceList), 77U);
    OnReferenceChange(dlg);
    EXPECT_EQ(note(), kReferenceNotes[1]);
}

} // namespace
} // namespace gelvant
