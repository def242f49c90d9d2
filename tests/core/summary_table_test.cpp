// The project summary's display texts: room rows as the form shows its
// figures, groups from the coldest evaporating temperature, sums in double,
// and rooms left out of the sums with a note.

#include "core/report_forms.h"
#include "report/report_model.h"
#include "report/summary_table.h"
#include "sheet/field_dictionary.h"

#include <gtest/gtest.h>

using namespace gelvant;
using namespace gelvant::testing_report;

namespace {

const std::string& boxText(const Room& r, const char* field) {
    return r.form->editTexts.at(*fieldIndexByName(field));
}

// 库房1 and 库房2 at -10 °C, a frozen store at -28 °C, a coil room, a room
// never computed and one whose load is not finite.
Project sixRooms() {
    Project p = singleRoomProject(startupForm());
    p.rooms.push_back(room("库房2", startupForm()));
    p.rooms.push_back(room("冷藏间", referenceRoomForm(12)));
    p.rooms.push_back(room("排管间", referenceRoomForm(6), CoolingEquipment::Coil));
    p.rooms.push_back(room("未算", blankForm()));
    p.rooms.push_back(room("坏库", computedWith("coolingHours", "0")));
    return p;
}

} // namespace

TEST(SummaryTable, RoomRowsShowTheFormsTextsAndTheSelectedCompressorLine) {
    const Project p = sixRooms();
    const SummaryTable t = summaryTable(summarizeProject(p));
    ASSERT_EQ(t.rooms.size(), p.rooms.size());
    for (std::size_t i = 0; i < 4; ++i) {
        const Room& r = p.rooms[i];
        const SummaryRoomRow& row = t.rooms[i];
        SCOPED_TRACE(r.name);
        EXPECT_EQ(row[0], r.name);
        EXPECT_EQ(row[1], boxText(r, "roomTemp"));
        EXPECT_EQ(row[2], boxText(r, "innerVolume"));
        EXPECT_EQ(row[3], boxText(r, "storageTonnage"));
        EXPECT_EQ(row[4], boxText(r, "totalCoolingLoadW"));
        EXPECT_EQ(row[5], std::string(equipmentLabel(r.equipment)));
        EXPECT_EQ(row[8], boxText(r, "loadPerTonW"));
        EXPECT_EQ(row[9], boxText(r, "coilAreaM2"));
        EXPECT_EQ(row[10], boxText(r, "airCoolerAreaM2"));
        // The compressor line of the chosen equipment writes the same figures.
        const std::string& line =
            r.form->staticTexts[r.equipment == CoolingEquipment::Coil ? 3 : 4];
        EXPECT_NE(line.find("蒸发T=" + row[6] + "℃,制冷量" + row[7] + "KW"), std::string::npos)
            << line;
    }
    const SummaryRoomRow& blank = t.rooms[4];
    EXPECT_EQ(blank[4], "未计算");
    for (const std::size_t c : {6U, 7U, 8U, 9U, 10U}) {
        EXPECT_EQ(blank[c], "—");
    }
    EXPECT_EQ(t.rooms[5][4], boxText(p.rooms[5], "totalCoolingLoadW")); // shown, not summed
    EXPECT_EQ(t.notes, (std::vector<std::string>{"未算：未计算，未计入合计。",
                                                 "坏库：总冷负荷不是有限数值，未计入合计。"}));
}

TEST(SummaryTable, GroupsFromTheColdestWithSumsInDoubleOneDecimalKwAndWholeWatts) {
    const Project p = sixRooms();
    const ProjectSummary s = summarizeProject(p);
    const SummaryTable t = summaryTable(s);
    ASSERT_EQ(t.groups.size(), s.groups.size());
    ASSERT_EQ(t.groups.size(), 3U);
    EXPECT_EQ(t.groups[0][0], "-33");
    EXPECT_EQ(t.groups[1][0], "-28");
    EXPECT_EQ(t.groups[2][0], "-10");
    EXPECT_EQ(t.groups[2][1], "库房1、库房2");
    EXPECT_EQ(t.groups[2][2], "2");
    // Two start-up rooms: 2 x 44834 W and 2 x 47.97238 kW, summed before rounding.
    EXPECT_EQ(t.groups[2][3], "95.9");
    EXPECT_EQ(t.groups[2][4], "89668");
    EXPECT_EQ(t.total[0], "合计");
    EXPECT_EQ(t.total[2], "4");
    double kw = 0;
    double w = 0;
    for (const EvaporatingGroup& g : s.groups) {
        kw += g.capacityKw;
        w += g.totalCoolingLoadW;
    }
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.1f", kw);
    EXPECT_EQ(t.total[3], expected);
    std::snprintf(expected, sizeof expected, "%.0f", w);
    EXPECT_EQ(t.total[4], expected);
}

TEST(SummaryTable, TheCapacityChartHasOneBarPerGroupInTheTablesOrder) {
    Project p = sixRooms();
    const Report r = buildReport(p, ReportScope::WholeProject, "p.gelvant", "2026-01-01");
    ASSERT_TRUE(r.summary);
    const BarChart& chart = r.summary->capacityChart;
    ASSERT_EQ(chart.bars.size(), 3U);
    EXPECT_EQ(chart.bars[0].label, "蒸发温度-33℃");
    EXPECT_EQ(chart.bars[2].label, "蒸发温度-10℃");
    EXPECT_EQ(chart.bars[2].valueText, "95.9 kW");
    double longest = 0;
    for (const ChartBar& bar : chart.bars) {
        longest = std::max(longest, bar.fraction);
    }
    EXPECT_DOUBLE_EQ(longest, 1.0);

    p.rooms.resize(1);
    p.rooms.push_back(room("未算", blankForm()));
    p.rooms[0] = room("也未算", blankForm());
    const Report none = buildReport(p, ReportScope::WholeProject, "", "");
    EXPECT_EQ(none.summary->table.total[2], "0");
    EXPECT_EQ(none.summary->table.total[4], "0");
    EXPECT_TRUE(none.summary->capacityChart.bars.empty());
    EXPECT_FALSE(none.summary->capacityChart.emptyNote.empty());
}

TEST(SummaryTable, TextsOfNumbers) {
    EXPECT_EQ(evaporatingTempText(-10), "-10℃");
    EXPECT_EQ(evaporatingTempText(-0.4), "0℃");
    EXPECT_EQ(columnHeader(kRoomColumns[4]), "总冷负荷(W)");
    EXPECT_EQ(columnHeader(kRoomColumns[0]), "名称");
}
