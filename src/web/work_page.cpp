// The page's link to the work around the form: design files, rooms, the
// project summary, the calculation sheet and its CSV, and the copy kept for
// recovery. Every rule stays in the design session and the report model; the
// page only shows what these hand back and hands over the bytes they write.

#include "document/design_file.h"
#include "document/design_file_error.h"
#include "document/gathered_messages.h"
#include "plant/machine_load.h"
#include "plant/plant_settings.h"
#include "plant/room_use.h"
#include "project/summary.h"
#include "report/machine_load_table.h"
#include "report/report_export.h"
#include "report/report_model.h"
#include "report/summary_table.h"
#include "session/document_texts.h"
#include "sheet/controls.h"
#include "sheet/portable.h"
#include "sheet/program.h"
#include "web/page_session.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace gelvant {
namespace {

using Json = nlohmann::ordered_json;

// Bytes handed to the script (a design file, a CSV): read with their size,
// valid until the next such call.
std::string& heldBytes() {
    static std::string held;
    return held;
}

const char* handBytes(std::string bytes) {
    heldBytes() = std::move(bytes);
    return heldBytes().data();
}

std::string_view bytesAt(const char* data, int size) {
    return size > 0 && data != nullptr ? std::string_view(data, static_cast<std::size_t>(size))
                                       : std::string_view();
}

std::string dumpJson(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The form after the action with the words the page shows besides it.
const char* formWith(const Json& extra) {
    std::string form = formAfterAction();
    form.pop_back(); // the closing brace: the extra keys join it
    std::string more = dumpJson(extra);
    more.front() = ',';
    return handBack(form + more);
}

template <std::size_t N> Json headers(const std::array<SummaryColumn, N>& columns) {
    Json names = Json::array();
    for (const SummaryColumn& column : columns) {
        names.push_back(columnHeader(column));
    }
    return names;
}

// Rows of texts go over as arrays of strings, as the library writes them.
Json summaryJson(const SummaryTable& table) {
    return {{"roomColumns", headers(kRoomColumns)},
            {"rooms", table.rooms},
            {"groupColumns", headers(kGroupColumns)},
            {"groups", table.groups},
            {"total", table.total},
            {"notes", table.notes}};
}

// The machine load as the window's summary and the report show it.
Json machineJson(const MachineLoadTable& table) {
    Json coefficients = Json::array();
    for (const CoefficientRow& row : table.coefficients) {
        coefficients.push_back({row.label, row.value});
    }
    Json notes = table.leftOutNotes;
    for (const std::string& note : table.tempDiffNotes) {
        notes.push_back(note);
    }
    return {{"title", std::string(kMachineLoadTitle)},
            {"formula", std::string(kMachineLoadFormula)},
            {"coefficients", coefficients},
            {"roomColumns", headers(kMachineRoomColumns)},
            {"rooms", table.rooms},
            {"groupColumns", headers(kMachineGroupColumns)},
            {"groups", table.groups},
            {"total", table.total},
            {"notes", notes}};
}

Json fieldsJson(const std::vector<ReportField>& fields) {
    Json list = Json::array();
    for (const ReportField& field : fields) {
        list.push_back({{"label", field.label}, {"value", field.value}, {"unit", field.unit}});
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

Json loadRowJson(const LoadRow& row) {
    return {{"label", row.label},      {"watts", row.watts}, {"kcal", row.kcalPerHour},
            {"share", row.share},      {"basis", row.basis}, {"inOperating", row.inOperating},
            {"subtotal", row.subtotal}};
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
                   {"loadPerTon", fieldsJson({room.load.loadPerTon})},
                   {"tonnageNote", room.load.tonnageNote}}},
                 {"chart", chartJson(room.chart)},
                 {"equipment", groupsJson(room.equipmentGroups)}};
    if (room.reference) {
        json["reference"] = {{"row", room.reference->row}, {"note", room.reference->note}};
    }
    return json;
}

Json reportJson(const Report& report) {
    Json json = {{"title", report.title},
                 {"projectName", report.projectName},
                 {"heading", fieldsJson(report.heading)},
                 {"fileName", report.fileName},
                 {"date", report.date}};
    if (report.summary) {
        json["summary"] = {{"table", summaryJson(report.summary->table)},
                           {"chart", chartJson(report.summary->capacityChart)}};
    }
    if (report.machineLoad) {
        json["machineLoad"] = machineJson(*report.machineLoad);
    }
    Json rooms = Json::array();
    for (const RoomReport& room : report.rooms) {
        rooms.push_back(roomReportJson(room));
    }
    json["rooms"] = rooms;
    return json;
}

constexpr std::array kSystems{CoolingSystem::Direct, CoolingSystem::Indirect};

// The uses a room can be given, 自动 naming the one the form implies, and
// the one the current room has.
Json usesJson(const Room& room) {
    Json labels = Json::array();
    for (const RoomUse use : kRoomUses) {
        labels.push_back(use == RoomUse::Auto
                             ? std::string(useLabel(use)) + "（" +
                                   std::string(useLabel(inferredUse(*room.form))) + "）"
                             : std::string(useLabel(use)));
    }
    const auto* const at = std::find(kRoomUses.begin(), kRoomUses.end(), room.use);
    return {{"labels", labels}, {"current", at - kRoomUses.begin()}};
}

// The machine-load choices as the window's 机械负荷系数 dialog shows them.
Json plantJson(const PlantSettings& plant) {
    Json systems = Json::array();
    for (const CoolingSystem system : kSystems) {
        systems.push_back(std::string(systemLabel(system)) +
                          "（R = " + coefficientText(lossFactor(system)) + "）");
    }
    Json coefficients = Json::array();
    for (const CoefficientDef& def : kPlantCoefficients) {
        coefficients.push_back(
            {{"key", std::string(def.key)},
             {"label", std::string(def.label) + "（" + coefficientText(def.range.low) + "～" +
                           coefficientText(def.range.high) + "）:"},
             {"text", coefficientText(plant.*def.member)}});
    }
    return {{"systems", systems},
            {"system", plant.system == CoolingSystem::Indirect ? 1 : 0},
            {"coefficients", coefficients}};
}

// A coefficient as typed: the number, when it is one within the code's range.
std::optional<double> coefficientValue(const CoefficientDef& def, std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto parsed = parseDoubleChars(text.data(), end, value);
    if (parsed.ec != std::errc{} || parsed.ptr != end ||
        !withCoefficient(PlantSettings{}, def.which, value)) {
        return std::nullopt;
    }
    return value;
}

// The project summary as last handed over, worked out again only after a
// verb that may have changed a room: a project of many rooms is summed once,
// not at every key typed after it.
struct SummaryCache {
    SummaryCache() {
        page().session.listen([this](const SessionChanges& changes) {
            stale = stale || changes.form || changes.rooms || changes.replaced;
        });
    }
    bool stale = true;
    std::string sent;
};

SummaryCache& summaryCache() {
    static SummaryCache cache;
    return cache;
}

Report wholeReport(const char* fileName, const char* date) {
    return buildReport(page().session.project(), ReportScope::WholeProject, fileName, date);
}

constexpr std::array<std::pair<Answer, std::string_view>, 4> kAnswerNames = {{
    {Answer::Save, "save"},
    {Answer::Discard, "discard"},
    {Answer::Cancel, "cancel"},
    {Answer::Restore, "restore"},
}};

std::string_view answerName(Answer answer) {
    for (const auto& [known, name] : kAnswerNames) {
        if (known == answer) {
            return name;
        }
    }
    return "cancel";
}

// An answer the page does not know counts as cancelling.
Answer answerNamed(std::string_view name) {
    for (const auto& [answer, known] : kAnswerNames) {
        if (known == name) {
            return answer;
        }
    }
    return Answer::Cancel;
}

Json questionJson(const Question& question) {
    Json buttons = Json::array();
    for (const QuestionButton& button : question.buttons) {
        buttons.push_back({{"label", std::string(button.label)},
                           {"answer", std::string(answerName(button.answer))}});
    }
    return {{"caption", question.caption}, {"text", question.text}, {"buttons", buttons}};
}

// Where a file request stands: a question to put, a refusal to show, a save
// to make first, or its end, with the form as it then is.
const char* stepAnswer(const WorkflowStep& step) {
    switch (step.kind) {
    case WorkflowStep::Kind::Ask:
        return handBack(dumpJson({{"step", "ask"}, {"question", questionJson(step.question)}}));
    case WorkflowStep::Kind::Refused:
        return handBack(dumpJson(
            {{"step", "refused"},
             {"refusal", {{"caption", step.refusal.caption}, {"text", step.refusal.text}}}}));
    case WorkflowStep::Kind::SaveFirst:
        return handBack(dumpJson({{"step", "saveFirst"}}));
    case WorkflowStep::Kind::Done:
        break;
    }
    return formWith({{"step", "done"}, {"carriedOut", step.carriedOut}});
}

} // namespace
} // namespace gelvant

using namespace gelvant;

extern "C" {

// How many bytes the last design file or CSV handed over holds.
int gv_held_size() {
    return static_cast<int>(heldBytes().size());
}

// What the page shows around the form: the design's state for the title and
// the menus, the rooms for the selector, and the project summary when it
// differs from the one handed over last.
const char* gv_work() {
    const DesignSession& session = page().session;
    const Project& project = session.project();
    Json rooms = Json::array();
    for (const Room& room : project.rooms) {
        rooms.push_back(room.name);
    }
    const DocumentWorkflow& workflow = page().workflow;
    const Json work = {{"title", workflow.title()},
                       {"fileName", workflow.file()},
                       {"saveName", workflow.suggestedFileName()},
                       {"recoveryDelayMs", DocumentWorkflow::kRecoveryDelayMs},
                       {"copyNotKept", std::string(document_text::kCopyNotKept)},
                       {"modified", session.isModified()},
                       {"canUndo", session.canUndo()},
                       {"canRedo", session.canRedo()},
                       {"canDelete", session.canDeleteRoom()},
                       {"canMoveUp", session.canMoveRoom(RoomMove::Up)},
                       {"canMoveDown", session.canMoveRoom(RoomMove::Down)},
                       {"coil", project.currentRoom().equipment == CoolingEquipment::Coil},
                       {"rooms", rooms},
                       {"current", project.current},
                       {"use", usesJson(project.currentRoom())},
                       {"plant", plantJson(project.plant)}};
    std::string answer = dumpJson(work);
    SummaryCache& cache = summaryCache();
    if (std::exchange(cache.stale, false)) {
        const ProjectSummary sums = summarizeProject(project);
        Json json = summaryJson(summaryTable(sums));
        json["machineLoad"] = machineJson(machineLoadTable(sums, machineLoad(project, sums)));
        std::string summary = dumpJson(json);
        if (summary != cache.sent) {
            cache.sent = std::move(summary);
            answer.pop_back(); // the closing brace: the summary joins it
            answer += ",\"summary\":" + cache.sent + "}";
        }
    }
    return handBack(std::move(answer));
}

// 新建: the form the program opens on, without the welcome box, once the
// unsaved changes are seen to.
const char* gv_new() {
    return stepAnswer(page().workflow.newDesign());
}

// 打开 or a dropped file: its bytes, refused with the reason when they cannot
// be read, else adopted once the unsaved changes are seen to.
const char* gv_open(const char* bytes, int size, const char* fileName) {
    return stepAnswer(page().workflow.open(fileName, readDesignText(bytesAt(bytes, size))));
}

// The button the designer pressed in the question gv_new, gv_open or
// gv_offer_recovery put.
const char* gv_answer(const char* answer) {
    return stepAnswer(page().workflow.answer(answerNamed(answer)));
}

// After a step that asked to save first: whether the design was saved.
const char* gv_saved(int saved) {
    return stepAnswer(page().workflow.saved(saved != 0));
}

// The design as the window's 保存 writes it, for a download under the name
// gv_work suggests; from then on it is unchanged.
const char* gv_save() {
    DocumentWorkflow& workflow = page().workflow;
    return handBytes(workflow.saveToBytes(workflow.suggestedFileName()));
}

// The design as it stands, for the recovery copy, naming the file it stands
// in for; nothing about the design changes.
const char* gv_recovery_bytes() {
    return handBytes(page().workflow.recoveryCopy());
}

// A recovery copy a closed tab left, kept at savedAt: refused with the reason
// when it cannot be read, else offered back.
const char* gv_offer_recovery(const char* bytes, int size, const char* savedAt) {
    return stepAnswer(page().workflow.offerRecovery(readDesignText(bytesAt(bytes, size)), savedAt));
}

// The project's name, company, designer, date and notes, as 项目信息 edits them.
const char* gv_project_info() {
    const ProjectInfo& info = page().session.project().info;
    const Json json = {{"name", info.name},
                       {"company", info.company},
                       {"designer", info.designer},
                       {"date", info.date},
                       {"notes", info.notes}};
    return handBack(dumpJson(json));
}

const char* gv_set_project_info(const char* name, const char* company, const char* designer,
                                const char* date, const char* notes) {
    page().session.setProjectInfo(ProjectInfo{name, company, designer, date, notes});
    return formAfterAction();
}

// --- Rooms -------------------------------------------------------------------------

const char* gv_room_add() {
    page().session.addRoom();
    return formAfterAction();
}

const char* gv_room_copy() {
    page().session.copyRoom();
    return formAfterAction();
}

const char* gv_room_rename(const char* name) {
    page().session.renameRoom(name);
    return formAfterAction();
}

const char* gv_room_delete() {
    page().session.deleteRoom();
    return formAfterAction();
}

// -1 moves the room up, 1 down.
const char* gv_room_move(int direction) {
    page().session.moveRoom(direction < 0 ? RoomMove::Up : RoomMove::Down);
    return formAfterAction();
}

const char* gv_room_select(int index) {
    if (index >= 0) {
        // Going to another room changes no room: the summary stays as it is.
        const bool stale = summaryCache().stale;
        page().session.selectRoom(static_cast<std::size_t>(index));
        summaryCache().stale = stale;
    }
    return formAfterAction();
}

// What the room is for: an index into the uses gv_work lists.
const char* gv_room_use(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < kRoomUses.size()) {
        page().session.setRoomUse(kRoomUses[static_cast<std::size_t>(index)]);
    }
    return formAfterAction();
}

// The project's machine-load choices: the system (0 direct, 1 indirect) and
// the coefficients as typed, separated by line breaks in the order gv_work
// lists them. A coefficient that is not a number in the code's range is
// refused with the window's words, and nothing changes.
const char* gv_set_plant(int indirect, const char* typed) {
    PlantSettings plant;
    plant.system = kSystems.at(indirect != 0 ? 1U : 0U);
    std::string_view rest = typed;
    for (std::size_t i = 0; i < kPlantCoefficients.size(); ++i) {
        const CoefficientDef& def = kPlantCoefficients[i];
        const std::size_t lineEnd = std::min(rest.find('\n'), rest.size());
        const auto value = coefficientValue(def, rest.substr(0, lineEnd));
        rest.remove_prefix(std::min(lineEnd + 1, rest.size()));
        if (!value) {
            const Json refused = {{"refused",
                                   {{"caption", "机械负荷系数"},
                                    {"text", outOfRangeMessage(def.which)},
                                    {"box", static_cast<int>(i)}}}};
            return handBack(dumpJson(refused));
        }
        plant.*def.member = *value;
    }
    page().session.setPlantSettings(plant);
    return formAfterAction();
}

const char* gv_room_coil(int coil) {
    page().session.setEquipment(coil != 0 ? CoolingEquipment::Coil : CoolingEquipment::AirCooler);
    return formAfterAction();
}

// Every room computed; what their message boxes said comes gathered room by
// room in one text, empty when no room said anything.
const char* gv_compute_all() {
    const std::vector<RoomMessages> gathered = page().session.computeAllRooms();
    return formWith({{"gathered", gatheredMessagesText(gathered)}});
}

// The About box of the form's menu: the program's name, as the window shows it.
const char* gv_about() {
    PageSession& p = page();
    const int before = p.presenter.aboutBoxes;
    p.session.about();
    const bool shown = p.presenter.aboutBoxes != before;
    return handBack(
        shown ? dumpJson({{"caption", "关于Gelvant"}, {"text", std::string(kProgramName)}})
              : std::string("{}"));
}

// The current room's cooling-load table as tab-separated rows, as the
// window's 复制结果 puts it on the clipboard.
const char* gv_results_tsv(const char* fileName, const char* date) {
    const Report current =
        buildReport(page().session.project(), ReportScope::CurrentRoom, fileName, date);
    return handBack(current.rooms.empty() ? std::string() : loadTableTsv(current.rooms.front()));
}

// --- The calculation sheet ------------------------------------------------------------

// The whole project's report, for the page to lay out for print.
const char* gv_report(const char* fileName, const char* date) {
    return handBack(dumpJson(reportJson(wholeReport(fileName, date))));
}

// The same CSV as the window's 导出结果(CSV), byte-order mark included.
const char* gv_csv(const char* fileName, const char* date) {
    return handBytes(reportCsv(wholeReport(fileName, date)));
}

} // extern "C"
