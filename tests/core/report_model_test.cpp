// The report model: every section of the calculation sheet gathered from the
// form as it shows itself, for computed, uncomputed and broken designs.

#include "core/report_forms.h"
#include "document/design_file.h"
#include "report/report_labels.h"
#include "report/report_model.h"
#include "sheet/field_dictionary.h"
#include "sheet/text_exchange.h"
#include "window/form_cells_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

using namespace gelvant;
using namespace gelvant::testing_report;

namespace {

const std::string& boxText(const FormState& form, const char* field) {
    return form.editTexts.at(*fieldIndexByName(field));
}

double percent(const std::string& share) {
    return std::stod(share.substr(0, share.size() - 1));
}

// Every label and value the room's report holds, as "label value".
std::set<std::string> reportedPairs(const RoomReport& r) {
    std::set<std::string> pairs;
    const auto add = [&](const std::string& label, const std::string& value) {
        pairs.insert(label + " " + value);
    };
    for (const auto* groups : {&r.inputs, &r.equipmentGroups}) {
        for (const ReportGroup& g : *groups) {
            for (const ReportField& f : g.fields) {
                add(f.label, f.value);
            }
        }
    }
    for (const LoadRow& row : r.load.rows) {
        add(row.label, row.watts);
        // The basis reads "label value，label value".
        std::string basis = row.basis;
        for (std::size_t at = 0; !basis.empty(); basis.erase(0, at)) {
            at = basis.find("，");
            pairs.insert(basis.substr(0, at));
            at = at == std::string::npos ? basis.size() : at + std::string("，").size();
        }
    }
    add(r.load.total.label, r.load.total.watts);
    add(r.load.loadPerTon.label, r.load.loadPerTon.value);
    return pairs;
}

struct Example {
    const char* name;
    std::shared_ptr<const FormState> form;
};

std::vector<Example> computedExamples() {
    return {{"start-up (row 27, fruit and vegetables)", startupForm()},
            {"row 0, pre-cooling", referenceRoomForm(0)},
            {"row 6, freezing", referenceRoomForm(6)},
            {"row 12, frozen store", referenceRoomForm(12)},
            {"row 20, ice store", referenceRoomForm(20)},
            {"row 28, eggs", referenceRoomForm(28)}};
}

} // namespace

TEST(ReportInputs, EveryShownBoxAndListOfTheInputGroupsAppearsOnceWithItsShownText) {
    const auto form = startupForm();
    const RoomReport r = buildRoomReport(room("库房1", form));
    const std::vector<std::string> titles{"库体尺寸", "保温材料",     "货物参数",   "货物热量",
                                          "通风换气", "鲜果蔬呼吸热", "库门和地面", "人工操作热量",
                                          "照明热量", "其它材料热",   "冷风机"};
    ASSERT_EQ(r.inputs.size(), titles.size());
    std::map<std::string, int> seen;
    for (std::size_t g = 0; g < titles.size(); ++g) {
        EXPECT_EQ(r.inputs[g].title, titles[g]);
        for (const ReportField& f : r.inputs[g].fields) {
            ++seen[r.inputs[g].title + "/" + f.label];
        }
    }
    std::size_t expected = 0;
    for (const FormCellDef& cell : kFormCells) {
        const std::string title(kFormGroups.at(static_cast<std::size_t>(cell.group)).title);
        if (std::find(titles.begin(), titles.end(), title) == titles.end()) {
            continue;
        }
        if (cell.kind == CellKind::List) {
            ++expected;
            EXPECT_EQ(seen[title + "/" + std::string(listCaption(cell.control))], 1)
                << cell.control;
        } else if (cell.kind == CellKind::Field || cell.kind == CellKind::BareField) {
            const FieldDef& def = kFields[*fieldIndexByControl(cell.control)];
            const int count = seen[title + "/" + std::string(trimLabel(def.label))];
            EXPECT_EQ(count, def.box == BoxStyle::Hidden ? 0 : 1) << def.name;
            expected += def.box == BoxStyle::Hidden ? 0 : 1;
        }
    }
    std::size_t reported = 0;
    for (const ReportGroup& g : r.inputs) {
        reported += g.fields.size();
    }
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(r.inputs[0].fields[0].value, boxText(*form, "storeLength"));
    EXPECT_EQ(r.inputs[0].fields[0].unit, "m");
    EXPECT_EQ(r.inputs[2].fields[1].value, "上海"); // the site list's shown item
}

TEST(ReportInputs, LabelsGiveTheUnitTheFormWritesAndNoneWhereItWritesNone) {
    struct Case {
        const char* label;
        const char* unit;
        const char* name;
    };
    const Case cases[] = {
        {"库体长(m)", "m", "库体长"},
        {"库体宽(m) ", "m", "库体宽"},
        {"进货量（%）", "%", "进货量"},
        {"环境平均温度℃", "℃", "环境平均温度"},
        {"冻前比热kj/kg℃", "kj/kg℃", "冻前比热"},
        {"入库焓热kj/kg", "kj/kg", "入库焓热"},
        {"钢铁--重量Kg", "Kg", "钢铁--重量"},
        {"夏季大气压Pa", "Pa", "夏季大气压"},
        {"（钢管）冷风机传热(w/m2℃)", "w/m2℃", "（钢管）冷风机传热"},
        {"呼吸强度-每10℃", "", "呼吸强度-每10℃"},
        {"开门换气次数/天", "", "开门换气次数/天"},
        {"工作人数", "", "工作人数"},
        {"容积系数 ", "", "容积系数"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(labelUnit(c.label), c.unit) << c.label;
        EXPECT_EQ(labelName(c.label), c.name) << c.label;
    }
    for (const ListDef& list : designFormLists()) {
        EXPECT_EQ(listCaption(list.controlId).empty(), list.hidden) << list.name;
    }
}

TEST(ReportLoad, EveryFigureOfTheResultBandIsReportedWithTheTextItsBoxShows) {
    for (const Example& e : computedExamples()) {
        SCOPED_TRACE(e.name);
        const RoomReport r = buildRoomReport(room("库房1", e.form));
        const std::set<std::string> pairs = reportedPairs(r);
        for (const FormCellDef& cell : kFormCells) {
            if (cell.group != grp::results || cell.kind != CellKind::Field) {
                continue;
            }
            const std::size_t field = *fieldIndexByControl(cell.control);
            const std::string pair =
                std::string(trimLabel(kFields[field].label)) + " " + e.form->editTexts[field];
            EXPECT_TRUE(pairs.count(pair)) << pair;
        }
        EXPECT_EQ(r.load.totalNote, e.form->staticTexts[0]);
        EXPECT_EQ(r.load.tonnageNote, e.form->staticTexts[1]);
    }
}

TEST(ReportLoad, SharesAddUpToTheTotalAndTheKcalFigureAgreesWithTheFormsNote) {
    for (const Example& e : computedExamples()) {
        SCOPED_TRACE(e.name);
        const RoomReport r = buildRoomReport(room("库房1", e.form));
        ASSERT_EQ(r.state, ResultState::Computed);
        EXPECT_TRUE(r.stateNote.empty());
        ASSERT_EQ(r.load.rows.size(), 10U);
        double components = 0;
        double parts = 0;
        double subtotal = 0;
        for (const LoadRow& row : r.load.rows) {
            EXPECT_EQ(row.watts, boxText(*e.form, row.field.c_str())) << row.field;
            if (row.subtotal) {
                subtotal = percent(row.share);
                continue;
            }
            components += percent(row.share);
            parts += row.inOperating ? percent(row.share) : 0.0;
        }
        // Nine shares rounded to 0.05 %, and the subtotal cut to whole watts.
        EXPECT_NEAR(components, 100.0, 0.5);
        EXPECT_NEAR(parts, subtotal, 0.2);
        EXPECT_EQ(r.load.total.share, "100.0%");
        EXPECT_EQ("=" + r.load.total.kcalPerHour + "Kcal/h",
                  r.load.totalNote.substr(0, r.load.totalNote.find("，")));
    }
}

TEST(ReportChart, BarsAreTheNineComponentsLargestFirstScaledToTheLongest) {
    for (const Example& e : computedExamples()) {
        SCOPED_TRACE(e.name);
        const RoomReport r = buildRoomReport(room("库房1", e.form));
        const BarChart& chart = r.chart;
        ASSERT_EQ(chart.bars.size(), 9U);
        EXPECT_TRUE(chart.emptyNote.empty());
        EXPECT_DOUBLE_EQ(chart.bars.front().fraction, 1.0);
        for (std::size_t i = 0; i < chart.bars.size(); ++i) {
            const ChartBar& bar = chart.bars[i];
            EXPECT_GE(bar.fraction, 0.0);
            EXPECT_LE(bar.fraction, 1.0);
            if (i > 0) {
                EXPECT_LE(bar.value, chart.bars[i - 1].value) << bar.label;
            }
            const auto row = std::find_if(r.load.rows.begin(), r.load.rows.end(),
                                          [&](const LoadRow& l) { return l.name == bar.label; });
            ASSERT_NE(row, r.load.rows.end()) << bar.label;
            EXPECT_FALSE(row->subtotal);
            EXPECT_EQ(bar.valueText, row->watts + " W");
            EXPECT_EQ(bar.shareText, row->share);
        }
    }
}

TEST(ReportStates, DesignsThatCannotBeChartedStillGiveAWholeReportWithANote) {
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
        {"total typed as zero", formAfter([](CDesignDlg& dlg) {
             dlg.setEditText(*fieldIndexByName("totalCoolingLoadW"), "0");
         }),
         ResultState::NonPositiveTotal, "不是正数", nullptr},
        {"total typed negative", formAfter([](CDesignDlg& dlg) {
             dlg.setEditText(*fieldIndexByName("totalCoolingLoadW"), "-5");
         }),
         ResultState::NonPositiveTotal, "不是正数", nullptr},
        {"a load box holding no number",
         formAfter([](CDesignDlg& dlg) { dlg.setEditText(*fieldIndexByName("goodsHeatW"), ""); }),
         ResultState::NotFinite, "不是有限数值", "goodsHeatW"},
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
    EXPECT_FALSE(blank.reference);
}

TEST(ReportEquipment, CoilAndAirCoolerRowsCompressorLinesPullDownAndDewPoint) {
    const auto form = startupForm();
    const RoomReport air = buildRoomReport(room("库房1", form));
    const RoomReport coil = buildRoomReport(room("库房1", form, CoolingEquipment::Coil));
    ASSERT_EQ(air.equipmentGroups.size(), 5U);
    const std::vector<std::string> titles{"排管选型", "冷风机选型", "压缩机选型", "空库降温",
                                          "露点与防结露"};
    for (std::size_t g = 0; g < titles.size(); ++g) {
        EXPECT_EQ(air.equipmentGroups[g].title, titles[g]);
    }
    const auto labels = [](const ReportGroup& g) {
        std::vector<std::string> out;
        for (const ReportField& f : g.fields) {
            out.push_back(f.label);
        }
        return out;
    };
    // The rows list is hidden on the start-up form, and so left out.
    EXPECT_EQ(labels(air.equipmentGroups[0]),
              (std::vector<std::string>{"排管形式", "管间距", "管径", "供液方式", "库房温度",
                                        "温差", "排管传热(w/m2℃)", "(w/m2)", "排管面积(m2)"}));
    EXPECT_EQ(air.equipmentGroups[1].fields[3].label, "（钢管）冷风机传热(w/m2℃)");
    EXPECT_EQ(air.equipmentGroups[1].fields[3].value, boxText(*form, "airCoolerHeatTransfer"));
    EXPECT_EQ(air.equipmentGroups[2].fields[0].value, form->staticTexts[3]);
    EXPECT_EQ(air.equipmentGroups[2].fields[1].value, form->staticTexts[4]);
    EXPECT_EQ(labels(air.equipmentGroups[2]), (std::vector<std::string>{"排管", "冷风机（选用）"}));
    EXPECT_EQ(labels(coil.equipmentGroups[2]),
              (std::vector<std::string>{"排管（选用）", "冷风机"}));
    EXPECT_EQ(air.equipmentGroups[3].fields[0].value, form->staticTexts[2]);

    FormState rowsShown = *form;
    rowsShown.visible[1] = true;
    const RoomReport shown =
        buildRoomReport(room("库房1", std::make_shared<const FormState>(rowsShown)));
    EXPECT_EQ(shown.equipmentGroups[0].fields[6].label, "高度横根数");
}

TEST(ReportEquipment, TheDewPointCheckSaysWhatTheFormSaysOfATooThinPanel) {
    RecordingPresenter shown;
    CDesignDlg dlg(designFormLayout(), shown);
    dlg.restoreState(*startupForm());
    dlg.userEdits(*fieldIndexByName("insulationThicknessMm"), "20");
    dlg.userClicks(ctl::computeButton);
    const auto thin = std::make_shared<const FormState>(dlg.captureState());
    const auto warned = std::find_if(shown.messages.begin(), shown.messages.end(),
                                     [](const Message& m) { return m.caption == caption::result; });
    ASSERT_NE(warned, shown.messages.end());
    const RoomReport r = buildRoomReport(room("库房1", thin));
    EXPECT_EQ(r.equipmentGroups[4].fields.back().value, warned->text);
    const RoomReport ok = buildRoomReport(room("库房1", startupForm()));
    EXPECT_EQ(ok.equipmentGroups[4].fields.back().value,
              "库板厚度100 ≥ 防结露厚度66，外表面不结露");
}

TEST(ReportKeyResults, TheTotalWithItsNoteThePerTonneFigureBothSurfacesAndTheChosenLine) {
    const auto form = startupForm();
    const auto values = [](const RoomReport& r) {
        std::vector<std::string> out;
        for (const ReportField& f : r.keyResults.fields) {
            out.push_back(f.label + " " + f.value);
        }
        return out;
    };
    const RoomReport air = buildRoomReport(room("库房1", form));
    EXPECT_EQ(values(air),
              (std::vector<std::string>{"总冷负荷(W) " + boxText(*form, "totalCoolingLoadW") +
                                            "（" + form->staticTexts[0] + "）",
                                        "冷却负荷(W/t) " + boxText(*form, "loadPerTonW"),
                                        "排管面积(m2) " + boxText(*form, "coilAreaM2"),
                                        "冷风机面积(m2) " + boxText(*form, "airCoolerAreaM2"),
                                        "压缩机（冷风机） " + form->staticTexts[4]}));
    const RoomReport coil = buildRoomReport(room("库房1", form, CoolingEquipment::Coil));
    EXPECT_EQ(values(coil).back(), "压缩机（排管） " + form->staticTexts[3]);
    const RoomReport blank = buildRoomReport(room("库房1", blankForm()));
    EXPECT_EQ(values(blank).front(), "总冷负荷(W) 0"); // no note before a calculation
}

TEST(ReportReference, TheChosenCatalogueRowAndItsNote) {
    const auto form = startupForm();
    const RoomReport r = buildRoomReport(room("库房1", form));
    ASSERT_TRUE(r.reference);
    EXPECT_EQ(r.reference->row.rfind("水果、蔬菜冷藏间", 0), 0U);
    EXPECT_EQ(r.reference->note, form->staticTexts[5]);
}

TEST(ReportProject, HeadingScopeAndSummaryFollowTheProjectAndTheChoice) {
    Project one = singleRoomProject(startupForm());
    one.info = {"冷链中心", "某设计院", "张工", "", ""};
    const Report single = buildReport(one, ReportScope::WholeProject, "", "2026-03-01");
    std::vector<std::string> labels, values;
    for (const ReportField& f : single.heading) {
        labels.push_back(f.label);
        values.push_back(f.value);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"项目名称", "设计单位", "设计人", "日期", "库房",
                                                "设计文件", "计算程序"}));
    EXPECT_EQ(values[3], "2026-03-01"); // the project gives no date: the report's
    EXPECT_EQ(values[5], "未保存");
    EXPECT_EQ(values[6], std::string(programName()) + " " + std::string(programVersion()));
    EXPECT_EQ(single.title, "冷库冷负荷计算书");
    EXPECT_FALSE(single.summary);
    ASSERT_EQ(single.rooms.size(), 1U);

    Project three = one;
    three.info.date = "2026-02-14";
    three.info.notes = "二期";
    three.rooms.push_back(room("冻结间", referenceRoomForm(6)));
    three.rooms.push_back(room("未算", blankForm()));
    three.current = 1;
    const Report whole =
        buildReport(three, ReportScope::WholeProject, "cold.gelvant", "2026-03-01");
    ASSERT_TRUE(whole.summary);
    EXPECT_EQ(whole.summary->table.rooms.size(), 3U);
    EXPECT_EQ(whole.rooms.size(), 3U);
    EXPECT_EQ(whole.rooms[2].state, ResultState::NotComputed);
    EXPECT_EQ(whole.heading.size(), 7U); // no room line, a notes line
    EXPECT_EQ(whole.heading[3].value, "2026-02-14");
    EXPECT_EQ(whole.heading.back().value, "二期");
    EXPECT_EQ(whole.fileName, "cold.gelvant");

    const Report current = buildReport(three, ReportScope::CurrentRoom, "cold.gelvant", "");
    EXPECT_FALSE(current.summary);
    ASSERT_EQ(current.rooms.size(), 1U);
    EXPECT_EQ(current.rooms[0].name, "冻结间");
    EXPECT_EQ(current.heading[4].value, "冻结间");

    const Report roomless = buildReport(Project{}, ReportScope::CurrentRoom, "", "");
    EXPECT_TRUE(roomless.rooms.empty());
    EXPECT_EQ(pageNumberText(2, 3), "第 2 页 共 3 页");
}
