#include "calc/dependent_rules.h"
#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "sheet/field_dictionary.h"
#include "window/design_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace gelvant {
namespace {

constexpr int kCurtainDoor = 0;   // "有空气幕"
constexpr int kClosedDock = 1;    // "定温穿堂封闭月台"
constexpr int kOpenDoor = 2;      // "无空气幕"
constexpr int kLockedDoor = 3;    // "冷却冻结间次数锁定0"
constexpr int kIceStoreKind = 21; // "机制冰"

class DependentRules : public testing::Test {
protected:
    static std::size_t field(std::string_view name) { return *fieldIndexByName(name); }
    void type(std::string_view name, std::string text) {
        dlg.userEdits(field(name), std::move(text));
    }
    std::string shown(std::string_view name) const {
        return std::string(dlg.editText(field(name)));
    }

    // The designer's usual cold room: 6 × 7 × 4.2 m outside, 100 mm panels.
    void setUsualRoom() {
        DesignSheet& s = dlg.sheet();
        s.storeLength = 6;
        s.storeWidth = 7;
        s.storeHeight = 4.2F;
        s.insulationThicknessMm = 100;
        s.goodsDensity = 330;
        s.dailyIntakePercent = 10;
        dlg.writeSheet();
    }

    // A store without wall allowance, 1 m wide, whose inner volume is its
    // length in m³.
    void setBareStore(float heightM) {
        DesignSheet& s = dlg.sheet();
        s.storeWidth = 1;
        s.storeHeight = heightM;
        s.insulationThicknessMm = 0;
        s.goodsDensity = 300;
        s.dailyIntakePercent = 10;
        dlg.writeSheet();
    }

    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};
};

struct VolumeCase {
    const char* name;
    int volumeM3;
    float coefficient; // 0.77 marks the coefficient left as it was
};

class VolumeCoefficientLadder : public DependentRules,
                                public testing::WithParamInterface<VolumeCase> {};

TEST_P(VolumeCoefficientLadder, FollowsTheVolumeAndLeavesTheGapsAlone) {
    const VolumeCase& c = GetParam();
    setBareStore(1);
    dlg.sheet().volumeCoefficient = 0.77F;
    dlg.writeSheet();
    type("storeLength", std::to_string(c.volumeM3));
    ASSERT_EQ(dlg.sheet().innerVolume, static_cast<float>(c.volumeM3));
    EXPECT_EQ(dlg.sheet().volumeCoefficient, c.coefficient);
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, VolumeCoefficientLadder,
    testing::Values(
        VolumeCase{"SmallStore", 158, 0.4F}, VolumeCase{"AtOneThousand", 1000, 0.4F},
        VolumeCase{"JustAboveOneThousand", 1001, 0.5F}, VolumeCase{"AtTwoThousand", 2000, 0.77F},
        VolumeCase{"JustAboveTwoThousand", 2001, 0.55F}, VolumeCase{"AtTenThousand", 10000, 0.77F},
        VolumeCase{"AtTenThousandOne", 10001, 0.77F}, VolumeCase{"AtTenThousandTwo", 10002, 0.6F},
        VolumeCase{"AtFifteenThousand", 15000, 0.77F},
        VolumeCase{"AboveFifteenThousand", 15001, 0.62F}, VolumeCase{"VeryLarge", 90000, 0.62F}),
    [](const testing::TestParamInfo<VolumeCase>& info) { return info.param.name; });

struct IceCase {
    const char* name;
    const char* heightM;
    float coefficient;
};

class IceStoreLadder : public DependentRules, public testing::WithParamInterface<IceCase> {};

// An ice store takes its coefficient from its height whatever its volume.
TEST_P(IceStoreLadder, FollowsTheHeight) {
    const IceCase& c = GetParam();
    setBareStore(1);
    dlg.sheet().storeLength = 1500; // would be 0.5 by volume
    dlg.writeSheet();
    dlg.userChooses(ctl::goodsKindChoice, kIceStoreKind);
    type("storeHeight", c.heightM);
    EXPECT_EQ(dlg.sheet().volumeCoefficient, c.coefficient);
    EXPECT_EQ(dlg.sheet().goodsDensity, 750.0F);
}

INSTANTIATE_TEST_SUITE_P(Heights, IceStoreLadder,
                         testing::Values(IceCase{"Low", "3", 0.4F}, IceCase{"AtLimit", "4.2", 0.4F},
                                         IceCase{"FiveMetres", "5", 0.5F},
                                         IceCase{"SixMetres", "6", 0.6F},
                                         IceCase{"Tall", "6.1", 0.65F}),
                         [](const testing::TestParamInfo<IceCase>& info) {
                             return info.param.name;
                         });

// 0.5 × 200 m³ × 300 kg/m³ is 30 t exactly, but the single-precision
// hundredth cuts it to 29.9 t, and the intake at 10 % to 2.9 t.
TEST_F(DependentRules, SinglePrecisionFactorsCutAnExactTonnageOneTenthLow) {
    // An ice store 5 m high: 0.5 from its height, 200 m³.
    setBareStore(5);
    dlg.sheet().storeLength = 40;
    dlg.writeSheet();
    dlg.userChooses(ctl::goodsKindChoice, kIceStoreKind);
    type("goodsDensity", "300");
    EXPECT_EQ(shown("volumeCoefficient"), "0.5");
    EXPECT_EQ(shown("storageTonnage"), "29.9");
    EXPECT_EQ(shown("dailyIntakeTons"), "2.9");
}

TEST_F(DependentRules, TypedCoefficientIsUsedAsItIs) {
    setUsualRoom(); // 158 m³: the ladder would give 0.4
    type("volumeCoefficient", "0.9");
    EXPECT_EQ(shown("volumeCoefficient"), "0.9");
    EXPECT_EQ(shown("innerVolume"), "158");
    EXPECT_EQ(shown("outerSurfaceArea"), "193");
    EXPECT_EQ(shown("storageTonnage"), "46.9"); // 158 × 330 × 0.9 = 46.926 t
    EXPECT_EQ(shown("dailyIntakeTons"), "4.6");
}

struct WorkerDoorCase {
    const char* name;
    int volumeM3;
    int workers;
    float openDoorChanges;
};

class WorkersAndDoorLadder : public DependentRules,
                             public testing::WithParamInterface<WorkerDoorCase> {};

TEST_P(WorkersAndDoorLadder, FollowTheVolume) {
    const WorkerDoorCase& c = GetParam();
    setBareStore(1);
    dlg.userChooses(ctl::doorChoice, kOpenDoor);
    type("storeLength", std::to_string(c.volumeM3));
    EXPECT_EQ(dlg.sheet().workerCount, c.workers);
    EXPECT_EQ(dlg.sheet().doorAirChangesPerDay, c.openDoorChanges);
    dlg.userChooses(ctl::doorChoice, kClosedDock);
    EXPECT_EQ(dlg.sheet().doorAirChangesPerDay, c.openDoorChanges / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, WorkersAndDoorLadder,
    testing::Values(WorkerDoorCase{"Tiny", 20, 1, 12.0F},
                    WorkerDoorCase{"JustAbove20", 21, 1, 11.0F},
                    WorkerDoorCase{"At250", 250, 1, 4.5F}, WorkerDoorCase{"At251", 251, 1, 4.0F},
                    WorkerDoorCase{"At375", 375, 2, 3.5F}, WorkerDoorCase{"At400", 400, 2, 3.5F},
                    WorkerDoorCase{"At401", 401, 2, 3.0F}, WorkerDoorCase{"At2400", 2400, 10, 1.4F},
                    WorkerDoorCase{"Above2400", 2401, 10, 1.3F}),
    [](const testing::TestParamInfo<WorkerDoorCase>& info) { return info.param.name; });

TEST_F(DependentRules, LockedDoorZeroesChangesAndWorkersAndAnotherDoorRestoresThem) {
    setBareStore(1);
    dlg.sheet().storeLength = 375;
    dlg.writeSheet();
    dlg.userChooses(ctl::doorChoice, kLockedDoor);
    EXPECT_EQ(shown("doorAirChangesPerDay"), "0");
    EXPECT_EQ(shown("workerCount"), "0");
    type("storeLength", "400"); // the lock holds while the room changes
    EXPECT_EQ(shown("workerCount"), "0");
    dlg.userChooses(ctl::doorChoice, kCurtainDoor);
    EXPECT_EQ(shown("doorAirChangesPerDay"), "1.75");
    EXPECT_EQ(shown("workerCount"), "2");
}

// With the door list typed over, the protection is unknown: the air changes
// are not halved on a guess and stay as they were, also over repeated runs;
// the rest follows the room.
TEST_F(DependentRules, NoDoorItemLeavesTheAirChangesAsTheyWere) {
    setUsualRoom();
    dlg.userChooses(ctl::doorChoice, kCurtainDoor);
    ASSERT_EQ(shown("doorAirChangesPerDay"), "3"); // 158 m³: 6 halved
    dlg.userClearsList(ctl::doorChoice, "自定义门");
    type("storeLength", "8");
    type("storeLength", "9");
    EXPECT_EQ(shown("doorAirChangesPerDay"), "3");
    EXPECT_EQ(shown("innerVolume"), "239"); // 6.8 × 4 × 8.8 = 239.36
    EXPECT_EQ(shown("workerCount"), "1");
    EXPECT_EQ(shown("floorArea"), "63");
}

// An empty goods choice is no ice store: the volume ladder applies.
TEST_F(DependentRules, NoGoodsKindMeansTheVolumeLadder) {
    setBareStore(6);
    dlg.sheet().storeLength = 100;
    dlg.writeSheet();
    dlg.userChooses(ctl::goodsKindChoice, kIceStoreKind);
    ASSERT_EQ(dlg.sheet().volumeCoefficient, 0.6F);
    dlg.userClearsList(ctl::goodsKindChoice);
    type("storeLength", "150");
    EXPECT_EQ(dlg.sheet().volumeCoefficient, 0.4F);
}

// The thickness also moves the inner volume; a zero thickness leaves no
// finite U-value, shown as such and read back without a prompt.
TEST_F(DependentRules, InsulationEditsSetTheUValueAndRerunTheGeometry) {
    setUsualRoom();
    dlg.sheet().insulationConductivity = 0.03F;
    dlg.writeSheet();
    type("insulationThicknessMm", "150");
    EXPECT_EQ(shown("wallHeatTransfer"), "0.2");
    EXPECT_EQ(shown("innerVolume"), "149"); // 6.7 × 3.9 × 5.7 = 148.94
    type("insulationThicknessMm", "0");
    EXPECT_EQ(shown("wallHeatTransfer"), "inf");
    EXPECT_EQ(shown("innerVolume"), "176"); // 7 × 4.2 × 6, no allowance
    type("insulationConductivity", "0");
    EXPECT_EQ(shown("wallHeatTransfer"), "nan");
    EXPECT_TRUE(std::isnan(dlg.sheet().wallHeatTransfer));
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(DependentRules, DoorSizeGivesTheDoorAreaWithoutIntegerOverflow) {
    type("doorWidth", "900");
    type("doorHeight", "1800");
    EXPECT_EQ(shown("doorArea"), "1.62");
    type("doorWidth", "100000");
    type("doorHeight", "100000");
    EXPECT_EQ(shown("doorArea"), "10000");
}

TEST_F(DependentRules, ProduceAirChangesGiveTheDailyAirVolume) {
    setUsualRoom();
    type("produceAirChangesPerDay", "3");
    EXPECT_EQ(shown("innerVolume"), "158");
    EXPECT_EQ(shown("airChangeVolumePerDay"), "474");
}

// The respiration edits neither read nor write: a bad box elsewhere raises
// no prompt and keeps its text, and the typed value waits for the next read.
TEST_F(DependentRules, RespirationEditsDoNothingAtAll) {
    dlg.setEditText(field("storeLength"), "12m");
    type("respirationPer10C", "3");
    type("intakeRespirationHeat", "900");
    EXPECT_TRUE(presenter.messages.empty());
    EXPECT_EQ(shown("storeLength"), "12m");
    EXPECT_EQ(dlg.sheet().respirationPer10C, 0.0F);
    EXPECT_EQ(dlg.sheet().intakeRespirationHeat, 0.0F);
}

} // namespace
} // namespace gelvant
