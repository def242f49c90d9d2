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

Json loadRowJson(const LoadRow& row) {
    return {{"name", row.name},        {"watts", row.watts}, {"kcal", row.kcalPerHour},
            {"share", row.share},      {"basis", row.basis}, {"inOperating", row.inOperating},
            {"subtotal", row.subtotal}};
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
            {"room", words.room},
            {"inputs", words.inputs},
            {"load", words.load},
            {"chart", words.chart},
            {"equipment", words.equipment},
            {"reference", words.reference},
            {"loadColumns", strings(words.loadColumns)},
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

Json reportJson(const Report& report) {
    Json json = {{"title", report.title},
                 {"words", wordsJson(report.words)},
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
        json["machineLoad"]["flowNames"] = strings(kFlowNames);
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

// A design file read and waiting for the designer's word on the unsaved
// changes of the design it replaces.
std::optional<OpenedDesign>& pendingDesign() {
    static std::optional<OpenedDesign> pending;
    return pending;
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
    const Json work = {{"projectName", project.info.name},
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

// The form the program opens on, without the welcome box.
const char* gv_new() {
    page().session.newDesign();
    return formAfterAction();
}

// Reads a design file's bytes. A file that cannot be read changes nothing
// and is refused with the window's reason, under the program's caption;
// one that can waits for gv_adopt.
const char* gv_read(const char* bytes, int size, const char* fileName) {
    DesignReadResult read = readDesignText(bytesAt(bytes, size));
    pendingDesign().reset();
    if (read.error) {
        const Json refused = {{"refused",
                               {{"caption", std::string(caption::program)},
                                {"text", "无法打开“" + std::string(fileName) + "”：\n" +
                                             describeInChinese(*read.error)}}}};
        return handBack(dumpJson(refused));
    }
    pendingDesign() = std::move(read.design);
    return handBack("{}");
}

// Replaces the design with the file read last, unchanged.
const char* gv_adopt() {
    if (auto& pending = pendingDesign()) {
        page().session.open(std::move(*pending));
        pending.reset();
    }
    return formAfterAction();
}

// The design as the window's 保存 writes it; from then on it is unchanged.
const char* gv_save() {
    return handBytes(page().session.saveToBytes());
}

// The design as it stands, for the recovery copy, naming the file it stands
// in for; nothing about the design changes.
const char* gv_recovery_bytes(const char* fileName) {
    return handBytes(page().session.designBytes(fileName));
}

// Takes back a recovery copy: the design with its unsaved changes, modified.
// The answer names the file it stood in for, or is the reason it is refused.
const char* gv_recover(const char* bytes, int size) {
    DesignReadResult read = readDesignText(bytesAt(bytes, size));
    if (read.error) {
        const Json refused = {
            {"refused",
             {{"caption", std::string(caption::program)},
              {"text", "上次未保存的设计无法恢复：\n" + describeInChinese(*read.error)}}}};
        return handBack(dumpJson(refused));
    }
    const std::string from = read.design->recoveredFrom;
    page().session.open(std::move(*read.design), true);
    return formWith({{"recoveredFrom", from}});
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
