// The machine-load verbs of a design session: each change one undo step that
// marks the design modified and tells the views what changed; a value
// outside its range changes nothing.

#include "plant/plant_settings.h"
#include "session/design_session.h"

#include <gtest/gtest.h>

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
    const PlantSettings indirect{CoolingSystem::Indirect, 1.2, 0.5, 0.3, 0.5};
    EXPECT_TRUE(session.setPlantSettings(indirect));
    EXPECT_TRUE(told.back().plant);
    EXPECT_FALSE(told.back().rooms);
    EXPECT_TRUE(session.isModified());
    EXPECT_EQ(session.history().position(), 2U);

    EXPECT_TRUE(session.undo());
    EXPECT_EQ(session.project().plant, PlantSettings{});
    EXPECT_TRUE(told.back().plant);
    EXPECT_TRUE(session.undo());
    EXPECT_EQ(session.project().currentRoom().use, RoomUse::Auto);
    EXPECT_FALSE(session.isModified());
    EXPECT_TRUE(session.redo());
    EXPECT_TRUE(session.redo());
    EXPECT_EQ(session.project().plant, indirect);
    EXPECT_EQ(session.project().currentRoom().use, RoomUse::Frozen);
}

TEST_F(PlantSession, ASettingOutsideItsRangeOrNoChangeIsNoStep) {
    PlantSettings outside;
    outside.n3 = 1.2;
    EXPECT_FALSE(session.setPlantSettings(outside));
    EXPECT_TRUE(session.setPlantSettings(PlantSettings{}));
    session.setRoomUse(RoomUse::Auto);
    EXPECT_EQ(session.project().plant, PlantSettings{});
    EXPECT_EQ(session.history().position(), 0U);
    EXPECT_FALSE(session.isModified());
}
