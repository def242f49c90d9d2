// The machine-load verbs of a design session (a room's use and p, the plant
// settings): each change one undo step that marks the design modified and
// tells the views what changed; a value outside its range changes nothing.

#include "plant/plant_settings.h"
#include "session/design_session.h"

#include <gtest/gtest.h>

#include <cmath>
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
