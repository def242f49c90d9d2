// Results for spreadsheets: the CSV file and the load table on the clipboard.

#include "core/report_forms.h"
#include "report/report_export.h"
#include "session/design_session.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace gelvant;
using namespace gelvant::testing_report;

namespace {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// Read as a spreadsheet reads it: quoted cells may hold the separator,
// doubled quotes and line breaks; rows end with CR LF (CSV) or LF (TSV).
Rows parseCells(std::string_view text, char separator, std::string_view rowEnd) {
    Rows rows(1, Row(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string& cell = rows.back().back();
        if (separator == ',' && text[i] == '"') {
            if (quoted && text.substr(i, 2) == "\"\"") {
                cell += text[i++];
            } else {
                quoted = !quoted;
            }
        } else if (!quoted && text[i] == separator) {
            rows.back().emplace_back();
        } else if (!quoted && text.substr(i, rowEnd.size()) == rowEnd) {
            rows.emplace_back(1);
            i += rowEnd.size() - 1;
        } else {
            cell += text[i];
        }
    }
    rows.pop_back(); // after the last line's end
    return rows;
}

bool holds(const Rows& rows, const Row& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

std::size_t countRows(const Rows& rows, std::size_t column, const std::string& value) {
    return static_cast<std::size_t>(std::count_if(
        rows.begin(), rows.end(), [&](const Row& row) { return row.at(column) == value; }));
}

Rows csvRows(const Report& report) {
    const std::string csv = reportCsv(report);
    EXPECT_EQ(csv.rfind(kUtf8ByteOrderMark, 0), 0U);
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
    return parseCells(std::string_view(csv).substr(kUtf8ByteOrderMark.size()), ',', "\r\n");
}

} // namespace

TEST(ReportExport, CsvHasOneRowPerShownValueQuotedAndARoomColumnForSeveralRooms) {
    Project p = singleRoomProject(startupForm());
    p.info.name = "冷链中心, \"一期\"";
    const Report one = buildReport(p, ReportScope::WholeProject, "cold.gelvant", "2026-01-01");
    const Rows rows = csvRows(one);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], (Row{"分组", "项目", "数值", "单位"}));
    EXPECT_EQ(rows[1], (Row{"项目", "项目名称", "冷链中心, \"一期\"", ""}));
    for (const Row& row : rows) {
        EXPECT_EQ(row.size(), 4U) << row.at(0);
    }
    const RoomReport& room = one.rooms.front();
    for (const ReportGroup& g : room.inputs) {
        EXPECT_EQ(countRows(rows, 0, g.title), g.fields.size()) << g.title;
        for (const ReportField& f : g.fields) {
            EXPECT_TRUE(holds(rows, {g.title, f.label, f.value, f.unit})) << f.label;
        }
    }
    EXPECT_EQ(countRows(rows, 0, "冷负荷"), 12U); // ten components, the total, per tonne
    EXPECT_TRUE(holds(rows, {"冷负荷", "总冷负荷(W)", room.load.total.watts, "W"}));

    p.rooms.push_back(testing_report::room("冻结间", referenceRoomForm(6)));
    p.rooms.push_back(testing_report::room("未算", blankForm()));
    const Report three = buildReport(p, ReportScope::WholeProject, "", "2026-01-01");
    const Rows all = csvRows(three);
    EXPECT_EQ(all[0], (Row{"库房", "分组", "项目", "数值", "单位"}));
    for (const Row& row : all) {
        EXPECT_EQ(row.size(), 5U) << row.at(0);
    }
    EXPECT_EQ(countRows(all, 1, "项目汇总"), 3 * (kRoomColumnCount - 1));
    EXPECT_EQ(countRows(all, 1, "项目合计"), kGroupColumnCount - 1);
    EXPECT_EQ(countRows(all, 1, "汇总说明"), 1U);
    EXPECT_TRUE(holds(all, {"未算", "项目汇总", "总冷负荷", "未计算", "W"}));
    EXPECT_TRUE(holds(all, {"未算", "计算状态", "说明", three.rooms[2].stateNote, ""}));
    EXPECT_EQ(countRows(all, 0, "冻结间"), countRows(all, 0, "库房1"));
    // The machine load: the formula, how Q2 is counted, the coefficients, each room with
    // its p, each group and the total.
    EXPECT_TRUE(
        holds(all, {"", "机械负荷（GB 50072）", "公式", std::string(kMachineLoadFormula), ""}));
    EXPECT_TRUE(
        holds(all, {"", "机械负荷（GB 50072）", "Q2 货物热流量", std::string(kGoodsFlowNote), ""}));
    EXPECT_TRUE(
        holds(all, {"冻结间", "机械负荷（GB 50072）", "Q1", three.machineLoad->rooms[1][2], "W"}));
    EXPECT_TRUE(holds(all, {"冻结间", "机械负荷（GB 50072）", "p", "1.3", ""}));
    EXPECT_EQ(countRows(all, 1, "机械负荷（GB 50072） 合计"), kMachineGroupColumnCount - 1);
    EXPECT_TRUE(holds(rows, {"机械负荷（GB 50072）", "n1 围护结构热流量季节修正系数", "1", ""}));
}

// A reviewer sees where a figure came from: the designer's entries a room
// uses, with their values, follow its inputs; a room that uses none has none.
TEST(ReportExport, TheDesignersOwnEntriesARoomUsesFollowItsInputs) {
    RecordingPresenter presenter;
    DesignSession session(presenter);
    session.start();
    const double values[] = {31.5, 80, 34.1, 99500};
    ASSERT_FALSE(session.addLibraryEntry(LibraryKind::Site, "某县", values));
    ASSERT_TRUE(session.choose(ctl::siteChoice, 70));
    session.addRoom();
    const Report report =
        buildReport(session.project(), ReportScope::WholeProject, "", "2026-01-01");
    EXPECT_EQ(report.rooms[0].inputs.back().title, "自定义数据：地区气候");
    const Rows rows = csvRows(report);
    const std::string group = "自定义数据：地区气候";
    EXPECT_TRUE(holds(rows, {"库房1", group, "名称", "某县", ""}));
    EXPECT_TRUE(holds(rows, {"库房1", group, "环境平均温度℃", "31.5", "℃"}));
    EXPECT_TRUE(holds(rows, {"库房1", group, "环境湿度(%)", "80", "%"}));
    EXPECT_TRUE(holds(rows, {"库房1", group, "夏季大气压Pa", "99500", "Pa"}));
    EXPECT_EQ(countRows(rows, 1, group), 5U); // the name and four values, in room 1 only
}

TEST(ReportExport, TheLoadTablePastesAsRowsAndColumns) {
    const auto typedTab = formAfter(
        [](CDesignDlg& dlg) { dlg.setEditText(*fieldIndexByName("lightingPerArea"), "2.3\t"); });
    const RoomReport r = buildRoomReport(room("库房1", typedTab));
    const Rows rows = parseCells(loadTableTsv(r), '\t', "\n");
    ASSERT_EQ(rows.size(), 13U); // header, ten components, total, load per tonne
    for (const Row& row : rows) {
        EXPECT_EQ(row.size(), 5U) << row.at(0);
    }
    EXPECT_EQ(rows[0], (Row{"负荷项目", "冷负荷(W)", "冷负荷(kcal/h)", "占比", "计算依据"}));
    for (std::size_t i = 0; i < r.load.rows.size(); ++i) {
        const LoadRow& l = r.load.rows[i];
        const Row expected{(l.inOperating ? "  " : "") + l.name, l.watts, l.kcalPerHour, l.share};
        EXPECT_EQ(Row(rows[i + 1].begin(), rows[i + 1].end() - 1), expected) << l.name;
    }
    EXPECT_EQ(rows[7][4], "单位面积照明(w) 2.3 "); // the typed tab does not split the row
    // The note "=38613Kcal/h，=44.8KW" would be a formula in the spreadsheet it is pasted into.
    EXPECT_EQ(rows[11], (Row{"总冷负荷", r.load.total.watts, r.load.total.kcalPerHour, "100.0%",
                             "'" + r.load.totalNote}));
    EXPECT_EQ(rows[12][0], "冷却负荷(W/t)");
    EXPECT_EQ(rows[12][4], r.load.tonnageNote);
}

// A design's texts reach the CSV as texts a spreadsheet never runs as
// formulas; the numbers, negative ones included, stay numbers.
TEST(ReportExport, TextsThatWouldStartAFormulaAreWrittenAsTexts) {
    const auto minus18 = computedWith("roomTemp", "-18");
    const struct {
        std::string typed;
        std::string written;
    } cases[] = {
        {"=1+2", "'=1+2"},     {"+SUM(1)", "'+SUM(1)"}, {"-2+3", "'-2+3"}, {"@A1", "'@A1"},
        {"\t库房", "'\t库房"}, {"\r库房", "'\r库房"},   {"-18℃", "'-18℃"}, {"冷库=1", "冷库=1"},
    };
    for (const auto& c : cases) {
        Project p{};
        p.info.name = p.info.company = p.info.designer = c.typed;
        p.info.date = "2026-01-01";
        p.rooms = {room(c.typed, minus18), room("库房2", startupForm())};
        const Report report = buildReport(p, ReportScope::WholeProject, "", "2026-01-01");
        const Rows rows = csvRows(report);
        EXPECT_TRUE(holds(rows, {"", "项目", "项目名称", c.written, ""})) << c.typed;
        EXPECT_TRUE(holds(rows, {"", "项目", "设计单位", c.written, ""})) << c.typed;
        EXPECT_TRUE(holds(rows, {c.written, "项目汇总", "库温", "-18", "℃"})) << c.typed;
        for (const ReportGroup& g : report.rooms.front().inputs) {
            for (const ReportField& f : g.fields) {
                EXPECT_TRUE(holds(rows, {c.written, g.title, f.label, f.value, f.unit})) << f.label;
            }
        }
        EXPECT_EQ(countRows(rows, 0, c.written), countRows(rows, 0, "库房2")) << c.typed;
    }
}
