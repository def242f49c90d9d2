// The project summary: rooms by evaporating temperature, from the same
// computation that writes the compressor lines; uncomputed and non-finite
// rooms are shown and left out of every sum.

#include "document/design_document.h"
#include "document/design_file.h"
#include "project/summary.h"
#include "sheet/controls.h"
#include "sheet/printf_format.h"
#include "window/design_form.h"
#include "window/startup.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gelvant {
namespace {

class SmallColdStore : public testing::Test {
protected:
    SmallColdStore() {
        OnInitDialog(dlg);
        doc.emplace(dlg);
        room(std::nullopt, "0", CoolingEquipment::AirCooler); // 库房1, chilled
        room("冻结物冷藏间1", "-18", CoolingEquipment::AirCooler);
        room("冻结物冷藏间2", "-18", CoolingEquipment::AirCooler);
        room("冻结间", "-23", CoolingEquipment::Coil);
        room("坏数据间", "0", CoolingEquipment::AirCooler, "coolingHours"); // load not finite
        // A room whose form was never computed (as the form is constructed).
        Project project = doc->project();
        RecordingPresenter unshown;
        project.rooms.push_back(Room{"未算间", CoolingEquipment::AirCooler,
                                     std::make_shared<const FormState>(
                                         CDesignDlg(designFormLayout(), unshown).captureState())});
        doc->replaceProject(project);
    }

    void room(std::optional<std::string> name, const std::string& roomTemp,
              CoolingEquipment equipment, std::string_view zeroed = {}) {
        if (name) {
            doc->addRoom(*name);
        }
        doc->typeInto(*fieldIndexByName("roomTemp"), roomTemp);
        if (!zeroed.empty()) {
            doc->typeInto(*fieldIndexByName(zeroed), "0");
        }
        doc->setEquipment(equipment);
        doc->perform([&] { dlg.userClicks(ctl::computeButton); });
    }

    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};
    std::optional<DesignDocument> doc;
};

TEST_F(SmallColdStore, GroupsFromTheColdestWithTheirSums) {
    const ProjectSummary summary = summarizeProject(doc->project());
    ASSERT_EQ(summary.rooms.size(), 6U);
    ASSERT_EQ(summary.groups.size(), 3U);
    EXPECT_EQ(summary.groups[0].rooms, (std::vector<std::size_t>{3}));    // -23 on coils
    EXPECT_EQ(summary.groups[1].rooms, (std::vector<std::size_t>{1, 2})); // -18
    EXPECT_EQ(summary.groups[2].rooms, (std::vector<std::size_t>{0}));    // 0
    double loadW = 0;
    double capacityKw = 0;
    for (const EvaporatingGroup& group : summary.groups) {
        double groupLoadW = 0;
        double groupKw = 0;
        for (const std::size_t i : group.rooms) {
            EXPECT_EQ(summary.rooms[i].evaporatingTemp, group.evaporatingTemp);
            groupLoadW += summary.rooms[i].totalCoolingLoadW;
            groupKw += summary.rooms[i].capacityKw;
        }
        EXPECT_EQ(group.totalCoolingLoadW, groupLoadW);
        EXPECT_EQ(group.capacityKw, groupKw);
        loadW += groupLoadW;
        capacityKw += groupKw;
    }
    EXPECT_LT(summary.groups[0].evaporatingTemp, summary.groups[1].evaporatingTemp);
    EXPECT_EQ(summary.total.rooms, 4U);
    EXPECT_DOUBLE_EQ(summary.total.totalCoolingLoadW, loadW);
    EXPECT_DOUBLE_EQ(summary.total.capacityKw, capacityKw);
}

TEST_F(SmallColdStore, UncomputedAndNonFiniteRoomsAreShownButNotSummed) {
    const ProjectSummary summary = summarizeProject(doc->project());
    const RoomSummary& broken = summary.rooms[4];
    EXPECT_TRUE(broken.computed);
    EXPECT_FALSE(std::isfinite(broken.totalCoolingLoadW));
    EXPECT_FALSE(broken.inSums);
    const RoomSummary& uncomputed = summary.rooms[5];
    EXPECT_FALSE(uncomputed.computed);
    EXPECT_FALSE(uncomputed.inSums);
    EXPECT_TRUE(std::isfinite(summary.total.totalCoolingLoadW));
}

// The capacity and evaporating temperature are the figures the room's own
// compressor line shows, for either equipment.
TEST_F(SmallColdStore, RoomsTakeTheFiguresOfTheirCompressorLine) {
    const ProjectSummary summary = summarizeProject(doc->project());
    for (std::size_t i = 0; i < 4; ++i) {
        const RoomSummary& room = summary.rooms[i];
        const FormState& form = *doc->project().rooms[i].form;
        const int line = room.equipment == CoolingEquipment::Coil ? 3 : 4; // compressorNote1 / 2
        const std::string& shown = form.staticTexts[line];
        EXPECT_NE(shown.find("蒸发T=" + fixedText(room.evaporatingTemp, 0) + "℃,制冷量" +
                             fixedText(room.capacityKw, 1) + "KW"),
                  std::string::npos)
            << room.name << ": " << shown;
    }
}

TEST_F(SmallColdStore, SavedAndReopenedGivesTheSameSummaryAndForms) {
    const DesignReadResult read = readDesignText(designFileText(doc->project()));
    ASSERT_TRUE(read.design);
    const ProjectSummary before = summarizeProject(doc->project());
    const ProjectSummary after = summarizeProject(read.design->project);
    ASSERT_EQ(before.groups.size(), after.groups.size());
    for (std::size_t g = 0; g < before.groups.size(); ++g) {
        EXPECT_EQ(before.groups[g].rooms, after.groups[g].rooms);
        EXPECT_EQ(before.groups[g].capacityKw, after.groups[g].capacityKw);
    }
    EXPECT_EQ(before.total.totalCoolingLoadW, after.total.totalCoolingLoadW);
    for (std::size_t i = 0; i < doc->project().rooms.size(); ++i) {
        EXPECT_TRUE(doc->project().rooms[i].form->sameForm(*read.design->project.rooms[i].form));
    }
}

} // namespace
} // namespace gelvant
