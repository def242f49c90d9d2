// The project summary: rooms grouped by evaporating temperature from the same
// computation that writes the compressor lines, the table's texts, and rooms
// shown but left out of every sum.

#include "core/report_forms.h"
#include "form/field_dictionary.h"
#include "form/note_text.h"
#include "project/summary.h"
#include "report/report_model.h"
#include "report/summary_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

using namespace gelvant;
using namespace gelvant::testing_report;

namespace {

// 库房1 and 库房2 at -10 °C, a frozen store at -28 °C, a coil room at -33 °C,
// a room never computed and one whose load is not finite.
struct SixRooms : testing::Test {
    static Project sixRooms() {
        Project p = singleRoomProject(startupForm());
        p.rooms.push_back(room("库房2", startupForm()));
        p.rooms.push_back(room("冷藏间", referenceRoomForm(12)));
        p.rooms.push_back(room("排管间", referenceRoomForm(6), CoolingEquipment::Coil));
        p.rooms.push_back(room("未算", blankForm()));
        p.rooms.push_back(room("坏库", computedWith("coolingHours", "0")));
        return p;
    }
    const std::string& box(std::size_t room, const char* field) const {
        return project.rooms[room].form->editTexts.at(*fieldIndexByName(field));
    }
    Project project = sixRooms();
    ProjectSummary summary = summarizeProject(project);
    SummaryTable table = summaryTable(summary);
};

std::string printed(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

TEST_F(SixRooms, GroupsFromTheColdestWithTheirSums) {
    ASSERT_EQ(summary.groups.size(), 3U);
    EXPECT_EQ(summary.groups[0].rooms, (std::vector<std::size_t>{3}));
    EXPECT_EQ(summary.groups[1].rooms, (std::vector<std::size_t>{2}));
    EXPECT_EQ(summary.groups[2].rooms, (std::vector<std::size_t>{0, 1}));
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
    EXPECT_EQ(summary.total.rooms, 4U);
    EXPECT_DOUBLE_EQ(summary.total.totalCoolingLoadW, loadW);
    EXPECT_DOUBLE_EQ(summary.total.capacityKw, capacityKw);

    ASSERT_EQ(table.groups.size(), 3U);
    EXPECT_EQ(table.groups[0][0], "-33");
    EXPECT_EQ(table.groups[1][0], "-28");
    // Two start-up rooms: 2 x 44834 W and 2 x 47.97238 kW, summed before rounding.
    EXPECT_EQ(table.groups[2], (SummaryGroupRow{"-10", "库房1、库房2", "2", "95.9", "89668"}));
    EXPECT_EQ(table.total[0], "合计");
    EXPECT_EQ(table.total[2], "4");
    EXPECT_EQ(table.total[3], printed("%.1f", summary.total.capacityKw));
    EXPECT_EQ(table.total[4], printed("%.0f", summary.total.totalCoolingLoadW));
    EXPECT_EQ(evaporatingTempText(-0.4), "0℃");
}

TEST_F(SixRooms, UncomputedAndNonFiniteRoomsAreShownButNotSummed) {
    EXPECT_FALSE(summary.rooms[4].computed);
    EXPECT_FALSE(summary.rooms[4].inSums);
    EXPECT_TRUE(summary.rooms[5].computed);
    EXPECT_FALSE(std::isfinite(summary.rooms[5].totalCoolingLoadW));
    EXPECT_FALSE(summary.rooms[5].inSums);
    EXPECT_TRUE(std::isfinite(summary.total.totalCoolingLoadW));
    EXPECT_EQ(table.rooms[4][4], "未计算");
    for (const std::size_t column : {6U, 7U, 8U, 9U, 10U}) {
        EXPECT_EQ(table.rooms[4][column], "—") << column;
    }
    EXPECT_EQ(table.rooms[5][4], box(5, "totalCoolingLoadW"));
    EXPECT_EQ(table.notes, (std::vector<std::string>{"未算：未计算，未计入合计。",
                                                     "坏库：总冷负荷不是有限数值，未计入合计。"}));

    Project none = project;
    none.rooms = {room("也未算", blankForm()), room("未算", blankForm())};
    const Report report = buildReport(none, ReportScope::WholeProject, "", "");
    EXPECT_EQ(report.summary->table.total[2], "0");
    EXPECT_EQ(report.summary->table.total[4], "0");
    EXPECT_TRUE(report.summary->capacityChart.bars.empty());
    EXPECT_FALSE(report.summary->capacityChart.emptyNote.empty());
}

// The table shows each room's own box texts, and the evaporating temperature
// and capacity its chosen compressor line writes, for either equipment.
TEST_F(SixRooms, RoomsShowTheirBoxesAndTheFiguresOfTheirCompressorLine) {
    for (std::size_t i = 0; i < 4; ++i) {
        const Room& r = project.rooms[i];
        const SummaryRoomRow& row = table.rooms[i];
        SCOPED_TRACE(r.name);
        EXPECT_EQ(row, (SummaryRoomRow{r.name, box(i, "roomTemp"), box(i, "innerVolume"),
                                       box(i, "storageTonnage"), box(i, "totalCoolingLoadW"),
                                       std::string(equipmentLabel(r.equipment)), row[6], row[7],
                                       box(i, "loadPerTonW"), box(i, "coilAreaM2"),
                                       box(i, "airCoolerAreaM2")}));
        EXPECT_EQ(row[6], fixedText(summary.rooms[i].evaporatingTemp, 0));
        EXPECT_EQ(row[7], fixedText(summary.rooms[i].capacityKw, 1));
        const std::string& line =
            r.form->staticTexts[r.equipment == CoolingEquipment::Coil ? 3 : 4];
        EXPECT_NE(line.find("蒸发T=" + row[6] + "℃,制冷量" + row[7] + "KW"), std::string::npos)
            << line;
    }
}
