// Results for spreadsheets: the CSV file and the load table on the clipboard.

#include "core/report_forms.h"
#include "report/report_export.h"

#include <gtest/gtest.h>

using namespace gelvant;
using namespace gelvant::testing_report;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A CSV reader as a spreadsheet reads the file: quoted cells may hold commas,
// doubled quotes and line breaks; rows end with CR LF.
Rows parseCsv(std::string_view text) {
    Rows rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& cell = rows.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.emplace_back(1);
            ++i;
        } else {
            cell += c;
        }
    }
    rows.pop_back(); // after the last line's end
    return rows;
}

Rows parseTsv(const std::string& text) {
    Rows rows;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::vector<std::string> cells(1);
        for (const char c : text.substr(start, end - start)) {
            if (c == '\t') {
                cells.emplace_back();
            } else {
                cells.back().push_back(c);
            }
        }
        rows.push_back(cells);
        start = end + 1;
    }
    return rows;
}

std::size_t countRows(const Rows& rows, std::size_t column, const std::string& value) {
    return static_cast<std::size_t>(std::count_if(
        rows.begin(), rows.end(), [&](const auto& row) { return row.at(column) == value; }));
}

} // namespace

TEST(ReportCsv, OneRowPerInputAndLoadComponentWithTheShownTexts) {
    Project p = singleRoomProject(startupForm());
    p.info.name = "冷链中心, \"一期\"";
    const Report report = buildReport(p, ReportScope::WholeProject, "cold.gelvant", "2026-01-01");
    const std::string csv = reportCsv(report);
    ASSERT_EQ(csv.rfind(kUtf8ByteOrderMark, 0), 0U);
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
    const Rows rows = parseCsv(std::string_view(csv).substr(kUtf8ByteOrderMark.size()));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], (std::vector<std::string>{"分组", "项目", "数值", "单位"}));
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), 4U) << row.at(0);
    }
    EXPECT_EQ(rows[1], (std::vector<std::string>{"项目", "项目名称", "冷链中心, \"一期\"", ""}));

    const RoomReport& room = report.rooms.front();
    for (const ReportGroup& g : room.inputs) {
        EXPECT_EQ(countRows(rows, 0, g.title), g.fields.size()) << g.title;
        for (const ReportField& f : g.fields) {
            const std::vector<std::string> expected{g.title, f.label, f.value, f.unit};
            EXPECT_NE(std::find(rows.begin(), rows.end(), expected), rows.end()) << f.label;
        }
    }
    // The ten components, the total and the load per tonne.
    EXPECT_EQ(countRows(rows, 0, "冷负荷"), 12U);
    const std::vector<std::string> total{"冷负荷", "总冷负荷(W)", room.load.total.watts, "W"};
    EXPECT_NE(std::find(rows.begin(), rows.end(), total), rows.end());
}

TEST(ReportCsv, AProjectOfSeveralRoomsNamesTheRoomOnEveryRowAndOpensWithTheSummary) {
    Project p = singleRoomProject(startupForm());
    p.rooms.push_back(room("冻结间", referenceRoomForm(6)));
    p.rooms.push_back(room("未算", blankForm()));
    const Report report = buildReport(p, ReportScope::WholeProject, "", "2026-01-01");
    const std::string csv = reportCsv(report);
    const Rows rows = parseCsv(std::string_view(csv).substr(kUtf8ByteOrderMark.size()));
    EXPECT_EQ(rows[0], (std::vector<std::string>{"库房", "分组", "项目", "数值", "单位"}));
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), 5U);
    }
    EXPECT_EQ(countRows(rows, 1, "项目汇总"), 3 * (kRoomColumnCount - 1));
    EXPECT_EQ(countRows(rows, 1, "项目合计"), kGroupColumnCount - 1);
    EXPECT_EQ(countRows(rows, 1, "汇总说明"), 1U);
    const std::vector<std::string> unsummed{"未算", "项目汇总", "总冷负荷", "未计算", "W"};
    EXPECT_NE(std::find(rows.begin(), rows.end(), unsummed), rows.end());
    const std::vector<std::string> state{"未算", "计算状态", "说明", report.rooms[2].stateNote, ""};
    EXPECT_NE(std::find(rows.begin(), rows.end(), state), rows.end());
    EXPECT_EQ(countRows(rows, 0, "冻结间"), countRows(rows, 0, "库房1"));
}

TEST(ReportTsv, TheLoadTablePastesAsRowsAndColumns) {
    const auto typedTab = formAfter(
        [](CDesignDlg& dlg) { dlg.setEditText(*fieldIndexByName("lightingPerArea"), "2.3\t"); });
    const RoomReport room = buildRoomReport(testing_report::room("库房1", typedTab));
    const Rows rows = parseTsv(loadTableTsv(room));
    ASSERT_EQ(rows.size(), 13U); // header, ten components, total, load per tonne
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), 5U) << row.at(0);
    }
    EXPECT_EQ(rows[0], (std::vector<std::string>{"负荷项目", "冷负荷(W)", "冷负荷(kcal/h)", "占比",
                                                 "计算依据"}));
    for (std::size_t i = 0; i < room.load.rows.size(); ++i) {
        const LoadRow& l = room.load.rows[i];
        EXPECT_EQ(rows[i + 1][0], (l.inOperating ? "  " : "") + l.name);
        EXPECT_EQ(rows[i + 1][1], l.watts);
        EXPECT_EQ(rows[i + 1][2], l.kcalPerHour);
        EXPECT_EQ(rows[i + 1][3], l.share);
    }
    EXPECT_EQ(rows[7][4], "单位面积照明(w) 2.3 "); // the typed tab does not split the row
    EXPECT_EQ(rows[11], (std::vector<std::string>{"总冷负荷", room.load.total.watts,
                                                  room.load.total.kcalPerHour, "100.0%",
                                                  room.load.totalNote}));
    EXPECT_EQ(rows[12][0], "冷却负荷(W/t)");
    EXPECT_EQ(rows[12][4], room.load.tonnageNote);
}
