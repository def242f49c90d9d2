// The machine-load verbs of a design session (a room's use and p, the plant
// settings, the unit loads are shown in): each change one undo step that marks the design modified
// and tells the views what changed; a value outside its range changes nothing.

#include "form/entered_number.h"
#include "plant/plant_settings.h"
#include "session/design_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

using namespace gelvant;

namespace {

struct PlantSession : testing::Test {
    RecordingPresenter presenter;
    DesignSession session{presenter};
    std::vector<SessionChanges> told;
    PlantSession() {
        session.start();
        session.listen([this](const SessionChanges& changes) { told.push_back(changes); });
    }
};

} // namespace

TEST_F(PlantSession, EachChangeIsOneUndoStepThatMarksTheDesignModified) {
    session.setRoomUse(RoomUse::Frozen);
    ASSERT_EQ(told.size(), 1U);
    EXPECT_TRUE(told.back().rooms);
    EXPECT_FALSE(told.back().plant);
    EXPECT_TRUE(session.setGoodsLoadFactor(1.3));
    EXPECT_TRUE(told.back().rooms);
    const PlantSettings indirect{CoolingSystem::Indirect, 1.2, 0.5, 0.3, 0.5};
    EXPECT_TRUE(session.setPlantSettings(indirect));
    EXPECT_TRUE(told.back().plant);
    EXPECT_FALSE(told.back().rooms);
    EXPECT_TRUE(session.isModified());
    EXPECT_EQ(session.history().position(), 3U);

    EXPECT_TRUE(session.undo());
    EXPECT_EQ(session.project().plant, PlantSettings{});
    EXPECT_TRUE(told.back().plant);
    EXPECT_TRUE(session.undo());
    EXPECT_EQ(session.project().currentRoom().goodsLoadFactor, std::nullopt);
    EXPECT_TRUE(told.back().rooms);
    EXPECT_EQ(session.project().currentRoom().use, RoomUse::Frozen);
    EXPECT_TRUE(session.undo());
    EXPECT_EQ(session.project().currentRoom().use, RoomUse::Auto);
    EXPECT_FALSE(session.isModified());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(session.redo());
    }
    EXPECT_EQ(session.project().plant, indirect);
    EXPECT_EQ(session.project().currentRoom().use, RoomUse::Frozen);
    EXPECT_EQ(session.project().currentRoom().goodsLoadFactor, 1.3);
}

// The unit the loads are shown in: one step, the summary told to show again,
// the same unit again no step.
TEST_F(PlantSession, TheLoadUnitIsOneUndoStep) {
    session.setLoadUnit(LoadUnit::RT);
    ASSERT_EQ(told.size(), 1U);
    EXPECT_TRUE(told.back().summary);
    EXPECT_TRUE(session.isModified());
    session.setLoadUnit(LoadUnit::RT);
    EXPECT_EQ(session.history().position(), 1U);
    EXPECT_TRUE(session.undo());
    EXPECT_EQ(session.project().loadUnit, LoadUnit::W);
    EXPECT_TRUE(told.back().summary);
    EXPECT_FALSE(session.isModified());
    EXPECT_TRUE(session.redo());
    EXPECT_EQ(session.project().loadUnit, LoadUnit::RT);
}

TEST_F(PlantSession, ASettingOutsideItsRangeOrNoChangeIsNoStep) {
    PlantSettings outside;
    outside.n3 = 1.2;
    EXPECT_FALSE(session.setPlantSettings(outside));
    EXPECT_TRUE(session.setPlantSettings(PlantSettings{}));
    session.setRoomUse(RoomUse::Auto);
    for (const double p : {0.99, 1.31, std::nan("")}) {
        EXPECT_FALSE(session.setGoodsLoadFactor(p)) << p;
    }
    EXPECT_TRUE(session.setGoodsLoadFactor(std::nullopt));
    EXPECT_EQ(session.project().currentRoom().goodsLoadFactor, std::nullopt);
    EXPECT_EQ(session.project().plant, PlantSettings{});
    EXPECT_EQ(session.history().position(), 0U);
    EXPECT_FALSE(session.isModified());
}

// Every view reads a number entered outside the form through the same
// reader, so one table decides what the window, the page and the driver
// accept: n1 (0.5…1.5) and p (1…1.3, empty: follows the use).
TEST(EnteredNumbers, AwkwardTextsAreReadTheSameWayForEveryCoefficient) {
    const struct {
        const char* text;
        std::optional<double> number;
    } cases[] = {
        {"1.2", 1.2},
        {" \t1.2\t ", 1.2},
        {"\u30001.2\u3000", 1.2}, // the full-width blank of a Chinese input method
        {"１．２", 1.2},          // full-width digits and point
        {"+1.2", 1.2},
        {"＋1.2", 1.2},
        {"12e-1", 1.2},
        {"-1.2", -1.2},
        {"1,2", std::nullopt},
        {"1.2.3", std::nullopt},
        {"+-1", std::nullopt},
        {"1 2", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"1e999", std::nullopt},
        {"", std::nullopt},
        {" \t", std::nullopt},
        {"一", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(enteredNumber(c.text), c.number);
        const bool inN1 = c.number && *c.number >= 0.5 && *c.number <= 1.5;
        EXPECT_EQ(enteredCoefficient(PlantCoefficient::N1, c.text).has_value(), inN1);
        const EnteredGoodsLoadFactor p = enteredGoodsLoadFactor(c.text);
        const bool blank = withoutSurroundingBlanks(c.text).empty();
        EXPECT_EQ(p.accepted, blank || (c.number && *c.number >= 1 && *c.number <= 1.3));
        EXPECT_EQ(p.p, blank ? std::nullopt : p.accepted ? c.number : std::nullopt);
    }
}
