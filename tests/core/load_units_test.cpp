// Loads shown in other units: the conversions, display rounding only,
// totals converted from the exact sum of the watts, and the tables of a
// design shown in each unit.

#include "core/report_forms.h"
#include "plant/machine_load.h"
#include "project/summary.h"
#include "report/load_units.h"
#include "report/report_export.h"
#include "report/report_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace gelvant;

namespace {

struct Conversion {
    double watts;
    LoadUnit unit;
    const char* shown;
};

TEST(LoadUnits, ConvertAndRoundOnlyWhatIsShown) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const Conversion& c : std::vector<Conversion>{
             {38613, LoadUnit::W, "38613"},
             {38613, LoadUnit::KW, "38.6"},
             {38613, LoadUnit::KcalPerH, "33255"}, // the form's 3.6 / 4.18
             {1163, LoadUnit::KcalPerH, "1002"},
             {3516.85, LoadUnit::RT, "1.00"},
             {38613, LoadUnit::RT, "10.98"},
             {1000, LoadUnit::BtuPerH, "3412"},
             {38613, LoadUnit::BtuPerH, "131753"},
             {-260, LoadUnit::KW, "-0.3"},
             {-0.2, LoadUnit::W, "0"},
             {inf, LoadUnit::RT, "—"},
             {std::nan(""), LoadUnit::KW, "—"},
         }) {
        EXPECT_EQ(loadText(c.watts, c.unit), c.shown)
            << c.watts << " W in " << loadUnitDef(c.unit).symbol;
    }
    EXPECT_DOUBLE_EQ(loadInUnit(3516.85 * 2, LoadUnit::RT), 2.0);
    EXPECT_DOUBLE_EQ(loadInUnit(1, LoadUnit::BtuPerH), 3.412142);
}

// Three rooms of 1449 W show 1.4 kW each; the total is 4.3 kW (4347 W),
// not the 4.2 kW of the rounded figures.
TEST(LoadUnits, TotalsComeFromTheExactSum) {
    struct Total {
        std::vector<double> watts;
        LoadUnit unit;
        const char* shown;
    };
    for (const Total& t : std::vector<Total>{
             {{1449, 1449, 1449}, LoadUnit::KW, "4.3"},
             {{0.4, 0.4, 0.4}, LoadUnit::W, "1"},
             {{1758.4, 1758.4, 1758.4}, LoadUnit::RT, "1.50"},
             {{0.4, 0.4}, LoadUnit::BtuPerH, "3"},
             {{}, LoadUnit::KW, "0.0"},
         }) {
        EXPECT_EQ(loadTotalText(t.watts, t.unit), t.shown);
    }
}

TEST(LoadUnits, KeysAndCellTexts) {
    for (const LoadUnitDef& def : kLoadUnits) {
        EXPECT_EQ(loadUnitFromKey(def.key), def.unit);
        EXPECT_EQ(&loadUnitDef(def.unit), &def);
    }
    EXPECT_FALSE(loadUnitFromKey("kcal"));
    EXPECT_EQ(loadCellText("38613", LoadUnit::KW), "38.6");
    EXPECT_EQ(loadCellText("38613", LoadUnit::W), "38613");
    EXPECT_EQ(loadCellText("—", LoadUnit::RT), "—");
}

} // namespace

// The design's unit in its tables: every load in W shown in the unit, sums
// from the exact W, capacities in kW and loads per tonne as they were, and a
// design in W exactly as it has always been shown.
TEST(LoadUnitChoice, TablesShowEveryLoadInTheDesignsUnit) {
    using namespace gelvant::testing_report;
    Project project = singleRoomProject(startupForm());
    project.rooms.push_back(room("冷藏间", referenceRoomForm(12)));
    project.rooms.push_back(room("排管间", referenceRoomForm(6), CoolingEquipment::Coil));
    project.rooms.push_back(room("库房4", referenceRoomForm(3)));
    const ProjectSummary summary = summarizeProject(project);
    const MachineLoad plant = machineLoad(project, summary);
    const SummaryTable inW = summaryTable(summary);
    const MachineLoadTable machineInW = machineLoadTable(summary, plant);
    for (const LoadUnitDef& def : kLoadUnits) {
        SCOPED_TRACE(def.key);
        const LoadUnit unit = def.unit;
        const bool w = unit == LoadUnit::W;
        const std::string symbol(def.symbol);
        project.loadUnit = unit;
        const Report report = buildReport(project, ReportScope::WholeProject, "", "");
        const SummaryTable& table = report.summary->table;
        EXPECT_EQ(columnHeader(table.roomColumns[4]), "总冷负荷(" + symbol + ")");
        EXPECT_EQ(columnHeader(table.roomColumns[7]), "制冷量(kW)");
        EXPECT_EQ(columnHeader(table.groupColumns[4]), "总冷负荷(" + symbol + ")");
        std::vector<double> summed;
        for (std::size_t i = 0; i < summary.rooms.size(); ++i) {
            ASSERT_TRUE(summary.rooms[i].inSums);
            const double roomW = summary.rooms[i].totalCoolingLoadW;
            EXPECT_EQ(table.rooms[i][4], w ? inW.rooms[i][4] : loadText(roomW, unit));
            summed.push_back(roomW);
        }
        if (w) {
            EXPECT_EQ(table.rooms, inW.rooms);
            EXPECT_EQ(table.groups, inW.groups);
            EXPECT_EQ(report.machineLoad->rooms, machineInW.rooms);
            EXPECT_EQ(report.machineLoad->groups, machineInW.groups);
        }
        EXPECT_EQ(table.total[4], w ? inW.total[4] : loadTotalText(summed, unit));
        EXPECT_EQ(table.total[3], inW.total[3]); // kW stays kW

        const MachineLoadTable& machine = *report.machineLoad;
        EXPECT_EQ(columnHeader(machine.roomColumns[2]), "Q1(" + symbol + ")");
        EXPECT_EQ(columnHeader(machine.groupColumns[7]), "机械负荷(" + symbol + ")");
        EXPECT_EQ(columnHeader(machine.groupColumns[8]), "机械负荷(kW)");
        EXPECT_EQ(columnHeader(machine.groupColumns[9]), "单位机械负荷(W/t)");
        for (std::size_t i = 0; i < plant.rooms.size(); ++i) {
            for (std::size_t q = 0; q < kFlowCount; ++q) {
                EXPECT_EQ(machine.rooms[i][2 + q],
                          w ? machineInW.rooms[i][2 + q] : loadText(plant.rooms[i].flows[q], unit));
            }
        }
        std::vector<double> groupLoads;
        for (const GroupMachineLoad& group : plant.groups) {
            groupLoads.push_back(group.machineLoadW);
        }
        EXPECT_EQ(machine.total[7], w ? machineInW.total[7] : loadTotalText(groupLoads, unit));
        EXPECT_EQ(machine.total[8], machineInW.total[8]);
        EXPECT_EQ(machine.total[9], machineInW.total[9]);

        // The room's load table: the unit first, then kcal/h beside W or W beside the others.
        const LoadTable& load = report.rooms[0].load;
        EXPECT_EQ(report.words.loadColumns[1], "冷负荷(" + symbol + ")");
        EXPECT_EQ(report.words.loadColumns[2], w ? "冷负荷(kcal/h)" : "冷负荷(W)");
        for (const LoadRow& row : load.rows) {
            const std::array<std::string, 2> expected{w ? row.watts : loadCellText(row.watts, unit),
                                                      w ? row.kcalPerHour : row.watts};
            EXPECT_EQ(row.figures, expected) << row.field;
        }
        const std::string tsv = loadTableTsv(report.rooms[0], unit);
        EXPECT_TRUE(tsv.starts_with("负荷项目\t冷负荷(" + symbol + ")\t")) << tsv;
        const std::string csvLine = "库房1,冷负荷," +
                                    (w ? load.total.label : "总冷负荷(" + symbol + ")") + "," +
                                    load.total.figures[0] + "," + symbol + "\r\n";
        EXPECT_NE(reportCsv(report).find(csvLine), std::string::npos) << csvLine;
    }
}
