// The report model: every section of the calculation sheet gathered from the
// form as it shows itself, for computed, uncomputed and broken designs.

#include "core/report_forms.h"
#include "form/field_dictionary.h"
#include "form/program.h"
#include "form_tables/form_cells_table.h"
#include "plant/machine_load.h"
#include "report/load_formulas.h"
#include "report/report_labels.h"
#include "report/report_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

using namespace gelvant;
using namespace gelvant::testing_report;

namespace {

using Texts = std::vector<std::string>;

const std::string& boxText(const FormState& form, const char* field) {
    return form.editTexts.at(*fieldIndexByName(field));
}

double percent(const std::string& share) {
    return std::stod(share.substr(0, share.size() - 1));
}

// The groups' titles, or the fields' labels (with their values).
Texts texts(const std::vector<ReportGroup>& groups) {
    Texts out;
    for (const ReportGroup& g : groups) {
        out.push_back(g.title);
    }
    return out;
}

Texts texts(const std::vector<ReportField>& fields, bool withValues = true) {
    Texts out;
    for (const ReportField& f : fields) {
        out.push_back(withValues ? f.label + " " + f.value : f.label);
    }
    return out;
}

// Works out a formula with its values put in, as the sheet writes it:
// numbers (a negative one in brackets), + − × /, round and square brackets.
// NaN for a text it cannot read.
double evaluate(std::string_view text) {
    const auto rank = [](char op) { return op == '+' || op == '-' ? 1 : op == '(' ? 0 : 2; };
    std::vector<double> values;
    std::vector<char> ops;
    const auto apply = [&] {
        if (values.size() < 2 || ops.empty() || ops.back() == '(') {
            return false;
        }
        const double b = values.back();
        values.pop_back();
        double& a = values.back();
        const char op = ops.back();
        ops.pop_back();
        a = op == '+' ? a + b : op == '-' ? a - b : op == '*' ? a * b : a / b;
        return true;
    };
    const std::map<std::string_view, char> operators{{"+", '+'}, {"−", '-'}, {"×", '*'},
                                                     {"/", '/'}, {"(", '('}, {"[", '('},
                                                     {")", ')'}, {"]", ')'}};
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        const auto op = std::find_if(operators.begin(), operators.end(), [&](const auto& o) {
            return text.substr(at).starts_with(o.first);
        });
        if (op == operators.end()) {
            const std::string rest(text.substr(at));
            char* end = nullptr;
            values.push_back(std::strtod(rest.c_str(), &end));
            if (end == rest.c_str()) {
                return std::nan("");
            }
            at += static_cast<std::size_t>(end - rest.c_str());
            continue;
        }
        at += op->first.size();
        if (op->second == ')') {
            while (!ops.empty() && ops.back() != '(') {
                if (!apply()) {
                    return std::nan("");
                }
            }
            if (ops.empty()) {
                return std::nan("");
            }
            ops.pop_back();
        } else {
            while (op->second != '(' && !ops.empty() && rank(ops.back()) >= rank(op->second)) {
                if (!apply()) {
                    return std::nan("");
                }
            }
            ops.push_back(op->second);
        }
    }
    while (!ops.empty()) {
        if (!apply()) {
            return std::nan("");
        }
    }
    return values.size() == 1 ? values[0] : std::nan("");
}

Texts split(const std::string& text, const std::string& by) {
    Texts parts;
    std::size_t from = 0;
    for (std::size_t at = 0; (at = text.find(by, from)) != std::string::npos;
         from = at + by.size()) {
        parts.push_back(text.substr(from, at - from));
    }
    parts.push_back(text.substr(from));
    return parts;
}

// Each "x = values = result" of a line's substituted formula works out to
// its result within the rounding of the shown figures; the last is the line's
// own box. Gives that result.
std::string checkWorkedOut(const LoadRow& row) {
    std::string result;
    for (const std::string& statement : row.substituted) {
        const Texts sides = split(statement, " = ");
        if (sides.size() < 3) { // "hf = 0（…不计）"
            continue;
        }
        result = sides.back().substr(0, sides.back().find(' '));
        const double shown = std::stod(result);
        const auto point = result.find('.');
        const double rounding =
            statement.starts_with("Q = ")
                ? 1 + 0.003 * std::abs(shown) // the program's own figure from unrounded inputs
                : 0.5 * std::pow(
                            10.0,
                            -double(point == std::string::npos ? 0 : result.size() - point - 1)) +
                      1e-9;
        EXPECT_NEAR(evaluate(sides[1]), shown, rounding) << statement;
    }
    return result;
}

} // namespace

TEST(ReportModel, TheStartUpDesignHasEverySectionWithTheFormsTexts) {
    const auto form = startupForm();
    const RoomReport air = buildRoomReport(room("库房1", form));
    const RoomReport coil = buildRoomReport(room("库房1", form, CoolingEquipment::Coil));
    const Texts inputTitles = texts(air.inputs);
    ASSERT_EQ(inputTitles.size(), 11U);
    EXPECT_EQ(air.equipmentGroups.size(), 5U);

    // Every shown box and list of the input groups appears once; hidden boxes never.
    std::map<std::string, int> seen;
    std::map<std::string, int> expected;
    for (const ReportGroup& g : air.inputs) {
        for (const ReportField& f : g.fields) {
            EXPECT_EQ(++seen[g.title + "/" + f.label], 1) << f.label;
        }
    }
    for (const FormCellDef& cell : kFormCells) {
        const std::string title(kFormGroups.at(static_cast<std::size_t>(cell.group)).title);
        if (std::find(inputTitles.begin(), inputTitles.end(), title) == inputTitles.end()) {
            continue;
        }
        if (cell.kind == CellKind::List) {
            ++expected[title + "/" + std::string(listCaption(cell.control))];
        } else if (cell.kind == CellKind::Field || cell.kind == CellKind::BareField) {
            const FieldDef& def = kFields[*fieldIndexByControl(cell.control)];
            if (def.box != BoxStyle::Hidden) {
                ++expected[title + "/" + std::string(trimLabel(def.label))];
            }
        }
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(air.inputs[0].fields[0].value, boxText(*form, "storeLength"));
    EXPECT_EQ(air.inputs[0].fields[0].unit, "m");
    EXPECT_EQ(labelUnit("环境平均温度℃"), "℃");
    EXPECT_EQ(labelUnit("呼吸强度-每10℃"), "");       // the degree sign belongs to the number
    EXPECT_EQ(air.inputs[2].fields[1].value, "上海"); // the site list's shown item

    FormState rowsShown = *form; // the coil rows list, hidden at start-up, is left out
    rowsShown.visible[1] = true;
    const RoomReport shown =
        buildRoomReport(room("库房1", std::make_shared<const FormState>(rowsShown)));
    EXPECT_EQ(shown.equipmentGroups[0].fields.size(), air.equipmentGroups[0].fields.size() + 1);
    EXPECT_EQ(shown.equipmentGroups[0].fields[6].label, "高度横根数");
    EXPECT_EQ(air.equipmentGroups[1].fields[3].value, boxText(*form, "airCoolerHeatTransfer"));
    EXPECT_EQ(texts(air.equipmentGroups[2].fields),
              (Texts{"排管 " + form->staticTexts[3], "冷风机（选用） " + form->staticTexts[4]}));
    EXPECT_EQ(texts(coil.equipmentGroups[2].fields, false), (Texts{"排管（选用）", "冷风机"}));
    EXPECT_EQ(air.equipmentGroups[3].fields[0].value, form->staticTexts[2]);
    EXPECT_EQ(air.equipmentGroups[4].fields.back().value,
              "库板厚度100 ≥ 防结露厚度66，外表面不结露");
    EXPECT_EQ(texts(air.keyResults.fields),
              (Texts{"总冷负荷(W) " + boxText(*form, "totalCoolingLoadW") + "（" +
                         form->staticTexts[0] + "）",
                     "冷却负荷(W/t) " + boxText(*form, "loadPerTonW"),
                     "排管面积(m2) " + boxText(*form, "coilAreaM2"),
                     "冷风机面积(m2) " + boxText(*form, "airCoolerAreaM2"),
                     "压缩机（冷风机） " + form->staticTexts[4]}));
    EXPECT_EQ(texts(coil.keyResults.fields).back(), "压缩机（排管） " + form->staticTexts[3]);
    ASSERT_TRUE(air.reference);
    EXPECT_EQ(air.reference->row.rfind("水果、蔬菜冷藏间", 0), 0U);
    EXPECT_EQ(air.reference->note, form->staticTexts[5]);
}

// For rooms of every kind: each load is reported with its box's text, the
// shares add up, and the bars run largest first.
TEST(ReportModel, ComputedRoomsReportTheirLoadsSharesAndBars) {
    for (const int row : {-1, 0, 6, 12, 20, 28}) { // start-up, then catalogue rows
        SCOPED_TRACE(row);
        const auto form = row < 0 ? startupForm() : referenceRoomForm(row);
        const RoomReport r = buildRoomReport(room("库房1", form));
        ASSERT_EQ(r.state, ResultState::Computed);
        EXPECT_TRUE(r.stateNote.empty());
        EXPECT_EQ(r.load.totalNote, form->staticTexts[0]);
        EXPECT_EQ(r.load.tonnageNote, form->staticTexts[1]);

        ASSERT_EQ(r.load.rows.size(), 10U);
        double components = 0;
        double parts = 0;
        double subtotal = 0;
        for (const LoadRow& row : r.load.rows) {
            EXPECT_EQ(row.watts, boxText(*form, row.field.c_str())) << row.field;
            (row.subtotal ? subtotal : components) += percent(row.share);
            parts += row.inOperating ? percent(row.share) : 0.0;
        }
        // Nine shares rounded to 0.05 %, and the subtotal cut to whole watts.
        EXPECT_NEAR(components, 100.0, 0.5);
        EXPECT_NEAR(parts, subtotal, 0.2);
        EXPECT_EQ(r.load.total.share, "100.0%");
        EXPECT_EQ("=" + r.load.total.kcalPerHour + "Kcal/h",
                  r.load.totalNote.substr(0, r.load.totalNote.find("，")));

        const std::vector<ChartBar>& bars = r.chart.bars;
        ASSERT_EQ(bars.size(), 9U);
        EXPECT_TRUE(r.chart.emptyNote.empty());
        EXPECT_DOUBLE_EQ(bars.front().fraction, 1.0);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const auto row =
                std::find_if(r.load.rows.begin(), r.load.rows.end(),
                             [&](const LoadRow& l) { return l.name == bars[i].label; });
            ASSERT_NE(row, r.load.rows.end()) << bars[i].label;
            EXPECT_FALSE(row->subtotal);
            EXPECT_EQ(bars[i].valueText + " " + bars[i].shareText, row->watts + " W " + row->share);
            EXPECT_TRUE(bars[i].fraction >= 0.0 && bars[i].fraction <= 1.0) << bars[i].label;
            EXPECT_TRUE(i == 0 || bars[i].value <= bars[i - 1].value) << bars[i].label;
        }
    }
}

TEST(ReportModel, DesignsThatCannotBeChartedStillGiveAWholeReportWithANote) {
    const auto typed = [](const char* field, const char* text) {
        return formAfter([=](CDesignDlg& dlg) { dlg.setEditText(*fieldIndexByName(field), text); });
    };
    struct Case {
        const char* name;
        std::shared_ptr<const FormState> form;
        ResultState state;
        const char* noteWord;
        const char* unsharedField; // nullptr: no share at all, the total being unusable
    };
    const Case cases[] = {
        {"never computed", blankForm(), ResultState::NotComputed, "未计算", nullptr},
        {"no cold-processing time", computedWith("coolingHours", "0"), ResultState::NotFinite,
         "不是有限数值", nullptr},
        {"total typed as zero", typed("totalCoolingLoadW", "0"), ResultState::NonPositiveTotal,
         "不是正数", nullptr},
        {"total typed negative", typed("totalCoolingLoadW", "-5"), ResultState::NonPositiveTotal,
         "不是正数", nullptr},
        {"a load box holding no number", typed("goodsHeatW", ""), ResultState::NotFinite,
         "不是有限数值", "goodsHeatW"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RoomReport r = buildRoomReport(room("库房1", c.form));
        EXPECT_EQ(r.state, c.state);
        EXPECT_NE(r.stateNote.find(c.noteWord), std::string::npos) << r.stateNote;
        EXPECT_FALSE(r.chart.emptyNote.empty());
        EXPECT_EQ(r.load.total.share == "—", c.unsharedField == nullptr);
        for (const LoadRow& row : r.load.rows) {
            const bool unshared = c.unsharedField == nullptr || row.field == c.unsharedField;
            EXPECT_EQ(row.share == "—", unshared) << row.field;
            EXPECT_EQ(row.watts, boxText(*c.form, row.field.c_str()));
        }
        EXPECT_EQ(r.inputs.size(), 11U);
        EXPECT_EQ(r.equipmentGroups.size(), 5U);
    }
    const RoomReport blank = buildRoomReport(room("库房1", blankForm()));
    EXPECT_EQ(blank.equipmentGroups[4].fields.back().value, "未计算");
    EXPECT_EQ(blank.inputs[1].fields[0].value, "未选择");
    EXPECT_EQ(blank.keyResults.fields.front().value, "0"); // no note before a calculation
    EXPECT_FALSE(blank.reference);
}

TEST(ReportModel, HeadingScopeAndSummaryFollowTheProjectAndTheChoice) {
    Project project = singleRoomProject(startupForm());
    project.info.name = "冷链中心";
    project.info.company = "某设计院";
    project.info.designer = "张工";
    const std::string program =
        "计算程序 " + std::string(kProgramName) + " " + std::string(kProgramVersion);
    const Report single = buildReport(project, ReportScope::WholeProject, "", "2026-03-01");
    EXPECT_EQ(single.title, "冷库冷负荷计算书");
    EXPECT_FALSE(single.summary);
    ASSERT_TRUE(single.machineLoad); // the plant of one room is a plant too
    EXPECT_EQ(single.machineLoad->flowSources, flowSources());
    EXPECT_EQ(single.rooms.size(), 1U);
    EXPECT_EQ(texts(single.heading),
              (Texts{"项目名称 冷链中心", "设计单位 某设计院", "设计人 张工", "日期 2026-03-01",
                     "库房 库房1", "设计文件 未保存", program}));

    project.info.date = "2026-02-14";
    project.info.notes = "二期";
    project.rooms.push_back(room("冻结间", referenceRoomForm(6)));
    project.rooms.push_back(room("未算", blankForm()));
    project.current = 1;
    const Report whole = buildReport(project, ReportScope::WholeProject, "cold.gelvant", "");
    ASSERT_TRUE(whole.summary);
    EXPECT_EQ(whole.summary->table.rooms.size(), 3U);
    ASSERT_TRUE(whole.machineLoad);
    EXPECT_EQ(whole.machineLoad->rooms.size(), 3U);
    ASSERT_EQ(whole.rooms.size(), 3U);
    EXPECT_EQ(whole.rooms[2].state, ResultState::NotComputed);
    EXPECT_EQ(texts(whole.heading),
              (Texts{"项目名称 冷链中心", "设计单位 某设计院", "设计人 张工", "日期 2026-02-14",
                     "设计文件 cold.gelvant", program, "备注 二期"}));
    const Report current = buildReport(project, ReportScope::CurrentRoom, "cold.gelvant", "");
    EXPECT_FALSE(current.summary);
    EXPECT_FALSE(current.machineLoad);
    ASSERT_EQ(current.rooms.size(), 1U);
    EXPECT_EQ(current.rooms[0].name, "冻结间");
    EXPECT_EQ(current.heading[4].value, "冻结间");
    EXPECT_TRUE(buildReport(Project{}, ReportScope::CurrentRoom, "", "").rooms.empty());
    EXPECT_EQ(pageNumberText(2, 3), "第 2 页 共 3 页");
}

// Every load line's formula, with the values the boxes show put in, gives
// the program's own figure; each line adds to the heat flow it names unless
// the room leaves that flow out, and the machine-load page names it there.
TEST(ReportModel, EveryLoadLineWorksOutToItsFigureAndFeedsItsHeatFlow) {
    const auto metalsAndDefrost = formAfter([](CDesignDlg& dlg) {
        for (const auto& [field, text] : {std::pair{"steelMassKg", "500"},
                                          {"aluminiumMassKg", "120"},
                                          {"copperMassKg", "60"},
                                          {"heaterPowerKw", "1.5"},
                                          {"heaterCount", "4"},
                                          {"defrostHours", "2"},
                                          {"summerAirConditioningTemp", "25"},
                                          {"roomTemp", "5"},
                                          {"coolingHours", "20"}}) {
            dlg.userEdits(*fieldIndexByName(field), text);
        }
        dlg.userChooses(ctl::floorChoice, 0);
        dlg.userClicks(ctl::computeButton);
    });
    struct Case {
        const char* name;
        std::shared_ptr<const FormState> form;
        CoolingEquipment equipment;
        RoomUse use;
    };
    const Case cases[] = {
        {"start-up fruit store", startupForm(), CoolingEquipment::AirCooler, RoomUse::Chilled},
        {"freezing room, coils", referenceRoomForm(6), CoolingEquipment::Coil, RoomUse::Freezing},
        {"frozen store, frost", referenceRoomForm(12), CoolingEquipment::AirCooler,
         RoomUse::Frozen},
        {"metals, defrost, bare floor", metalsAndDefrost, CoolingEquipment::AirCooler,
         RoomUse::Chilling},
    };
    const Texts sources = flowSources();
    ASSERT_EQ(sources.size(), kFlowCount);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Room r = room("库房1", c.form, c.equipment);
        r.use = c.use;
        const RoomReport report = buildRoomReport(r);
        ASSERT_EQ(report.state, ResultState::Computed);
        const HeatFlows flows = roomHeatFlows(c.form->sheet, c.equipment, c.use, 1.0);
        HeatFlows fromLines{};
        for (const LoadRow& row : report.load.rows) {
            SCOPED_TRACE(row.field);
            EXPECT_EQ(checkWorkedOut(row), row.watts);
            EXPECT_TRUE(row.formula.starts_with("Q = ")) << row.formula;
            ASSERT_EQ(row.flow.size(), 2U);
            const auto q = static_cast<std::size_t>(row.flow[1] - '1');
            ASSERT_LT(q, kFlowCount);
            if (!row.inOperating) {
                EXPECT_NE(sources[q].find(row.name), std::string::npos) << sources[q];
                fromLines[q] += row.flowNote.empty() ? row.shownW : 0.0;
            }
        }
        for (std::size_t q = 0; q < kFlowCount; ++q) {
            EXPECT_NEAR(fromLines[q], flows[q], 0.5) << sources[q];
        }
        EXPECT_EQ(checkWorkedOut(report.load.total), report.load.total.watts);
        EXPECT_TRUE(report.load.total.flow.empty());
    }
    const RoomReport blank = buildRoomReport(room("库房1", blankForm()));
    EXPECT_FALSE(blank.load.rows.front().formula.empty()); // the method, without values
    EXPECT_TRUE(blank.load.rows.front().substituted.empty());
}
