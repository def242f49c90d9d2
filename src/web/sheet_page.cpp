// The page's link to the calculation sheet: the report model as JSON for
// the printed sheet, its CSV and the current room's table for the clipboard.

#include "plant/plant_settings.h"
#include "report/machine_load_table.h"
#include "report/report_export.h"
#include "report/report_language.h"
#include "report/report_model.h"
#include "report/sheet_words.h"
#include "report/summary_table.h"
#include "session/report_questions.h"
#include "web/page_session.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace gelvant {
namespace {

using Json = nlohmann::ordered_json;

Json fieldJson(const ReportField& field) {
    return {{"label", field.label}, {"value", field.value}, {"unit", field.unit}};
}

Json fieldsJson(const std::vector<ReportField>& fields) {
    Json list = Json::array();
    for (const ReportField& field : fields) {
        list.push_back(fieldJson(field));
    }
    return list;
}

Json groupJson(const ReportGroup& group) {
    return {{"title", group.title}, {"fields", fieldsJson(group.fields)}};
}

Json groupsJson(const std::vector<ReportGroup>& groups) {
    Json list = Json::array();
    for (const ReportGroup& group : groups) {
        list.push_back(groupJson(group));
    }
    return list;
}

// A line of the load table with how it is worked out: its formula, the
// values put in statement by statement, what its symbols stand for and the
// heat flow it counts in.
Json loadRowJson(const LoadRow& row) {
    return {{"name", row.name},       {"figures", row.figures},         {"share", row.share},
            {"basis", row.basis},     {"inOperating", row.inOperating}, {"subtotal", row.subtotal},
            {"formula", row.formula}, {"substituted", row.substituted}, {"legend", row.legend},
            {"flow", row.flow},       {"flowNote", row.flowNote}};
}

Json strings(const auto& texts) {
    Json list = Json::array();
    for (const std::string_view text : texts) {
        list.push_back(text);
    }
    return list;
}

// The sheet's own words, which the page lays out as the window does.
Json wordsJson(const SheetWords& words) {
    return {{"summary", words.summary},
            {"machineLoad", words.machineLoad},
            {"schedule", words.schedule},
            {"signOff", words.signOff},
            {"signOffColumns", strings(words.signOffColumns)},
            {"room", words.room},
            {"inputs", words.inputs},
            {"load", words.load},
            {"chart", words.chart},
            {"equipment", words.equipment},
            {"reference", words.reference},
            {"loadColumns", strings(words.loadColumns)},
            {"formulas", words.formulas},
            {"formulaColumns", strings(words.formulaColumns)},
            {"where", words.where},
            {"flowColumns", strings(words.flowColumns)},
            {"note", words.note},
            {"colon", words.colon},
            {"gap", words.gap}};
}

Json chartJson(const BarChart& chart) {
    Json bars = Json::array();
    for (const ChartBar& bar : chart.bars) {
        bars.push_back({{"label", bar.label},
                        {"fraction", bar.fraction},
                        {"value", bar.valueText},
                        {"share", bar.shareText}});
    }
    return {{"title", chart.title}, {"bars", bars}, {"emptyNote", chart.emptyNote}};
}

Json roomReportJson(const RoomReport& room) {
    Json rows = Json::array();
    for (const LoadRow& row : room.load.rows) {
        rows.push_back(loadRowJson(row));
    }
    Json json = {{"name", room.name},
                 {"stateNote", room.stateNote},
                 {"keyResults", groupJson(room.keyResults)},
                 {"inputs", groupsJson(room.inputs)},
                 {"load",
                  {{"rows", rows},
                   {"total", loadRowJson(room.load.total)},
                   {"totalNote", room.load.totalNote},
                   {"loadPerTon", fieldJson(room.load.loadPerTon)},
                   {"tonnageNote", room.load.tonnageNote}}},
                 {"chart", chartJson(room.chart)},
                 {"equipment", groupsJson(room.equipmentGroups)}};
    if (room.reference) {
        json["reference"] = {{"row", room.reference->row}, {"note", room.reference->note}};
    }
    return json;
}

Json sheetTableJson(const SheetTable& table) {
    Json rows = table.rows;
    Json total = nullptr;
    if (table.lastRowIsTotal && !rows.empty()) {
        total = rows.back();
        rows.erase(rows.size() - 1);
    }
    return {{"title", table.title}, {"columns", table.columns}, {"rows", rows}, {"total", total}};
}

Json reportJson(const Report& report) {
    Json json = {{"title", report.title},
                 {"words", wordsJson(report.words)},
                 {"projectName", report.projectName},
                 {"heading", fieldsJson(report.heading)},
                 {"fileName", report.fileName},
                 {"date", report.date}};
    if (report.summary) {
        json["summary"] = {{"table", summaryTableJson(report.summary->table)},
                           {"chart", chartJson(report.summary->capacityChart)}};
    }
    if (report.machineLoad) {
        json["machineLoad"] = machineTableJson(*report.machineLoad);
        json["machineLoad"]["flowNames"] = strings(kFlowNames);
    }
    if (report.schedule) {
        json["schedule"] = Json::array(
            {sheetTableJson(report.schedule->rooms), sheetTableJson(report.schedule->groups)});
    }
    Json signOffs = Json::array();
    for (const SignOff& signOff : report.signOffs) {
        signOffs.push_back(Json::array({signOff.role, signOff.name, "", signOff.date}));
    }
    json["signOffs"] = signOffs;
    Json rooms = Json::array();
    for (const RoomReport& room : report.rooms) {
        rooms.push_back(roomReportJson(room));
    }
    json["rooms"] = rooms;
    return json;
}

Report wholeReport(const char* fileName, const char* date) {
    return buildReport(page().session.project(), ReportScope::WholeProject, fileName, date);
}

} // namespace
} // namespace gelvant

using namespace gelvant;

extern "C" {

// The current room's cooling-load table as tab-separated rows, as the
// window's 复制结果 puts it on the clipboard.
const char* gv_results_tsv(const char* fileName, const char* date) {
    Report current =
        buildReport(page().session.project(), ReportScope::CurrentRoom, fileName, date);
    translateReport(current, page().language);
    return handBack(current.rooms.empty() ? std::string()
                                          : loadTableTsv(current.rooms.front(), current.words));
}

// --- The calculation sheet ------------------------------------------------------------

// Before the sheet is printed or its CSV made: the question to put when
// rooms hold results that no longer answer to their inputs, else null. The
// page's answers are named as gv_answer names them; 计算全部 is
// gv_compute_all.
const char* gv_stale_question() {
    const auto question = staleResultsQuestion(page().session.project(), true);
    return handBack(question ? dumpJson(questionJson(*question)) : std::string("null"));
}

// The whole project's report, for the page to lay out for print.
const char* gv_report(const char* fileName, const char* date) {
    return handBack(dumpJson(reportJson(wholeReport(fileName, date))));
}

// The same CSV as the window's 导出结果(CSV), byte-order mark included.
const char* gv_csv(const char* fileName, const char* date) {
    Report report = wholeReport(fileName, date);
    translateReport(report, page().language);
    return handBytes(reportCsv(report));
}

} // extern "C"
