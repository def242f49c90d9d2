// The page's link to the work around the form: design files, rooms, the
// project summary, the calculation sheet and its CSV, and the copy kept for
// recovery. Every rule stays in the design session and the report model; the
// page only shows what these hand back and hands over the bytes they write.

#include "document/design_file.h"
#include "document/design_file_error.h"
#include "document/gathered_messages.h"
#include "form/controls.h"
#include "form/portable.h"
#include "form/program.h"
#include "plant/machine_load.h"
#include "plant/plant_settings.h"
#include "plant/room_use.h"
#include "project/load_unit.h"
#include "project/project_info_fields.h"
#include "project/summary.h"
#include "report/machine_load_table.h"
#include "report/report_export.h"
#include "report/report_model.h"
#include "report/summary_table.h"
#include "session/command_table.h"
#include "session/document_texts.h"
#include "session/view_texts.h"
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

// The uses a room can be given, 自动 naming the one the form implies, and
// the one the current room has.
Json usesJson(const Room& room) {
    Json labels = Json::array();
    for (const RoomUse use : kRoomUses) {
        labels.push_back(useChoiceText(use, room));
    }
    const auto* const at = std::find(kRoomUses.begin(), kRoomUses.end(), room.use);
    return {{"labels", labels}, {"current", at - kRoomUses.begin()}};
}

// The room's own p, empty when it follows its use, whose p stands in the
// empty box greyed, as the window shows it.
Json goodsLoadFactorJson(const Room& room) {
    return {{"text", room.goodsLoadFactor ? coefficientText(*room.goodsLoadFactor) : ""},
            {"automatic", automaticGoodsLoadFactorText(room)}};
}

// The machine-load choices as the window's 机械负荷系数 dialog shows them.
Json plantJson(const PlantSettings& plant) {
    Json systems = Json::array();
    for (const CoolingSystem system : kCoolingSystems) {
        systems.push_back(systemChoiceText(system));
    }
    Json coefficients = Json::array();
    for (const CoefficientDef& def : kPlantCoefficients) {
        coefficients.push_back(
            {{"key", std::string(def.key)},
             {"label", coefficientPrompt(def) + std::string(view_text::kLabelColon)},
             {"text", coefficientText(plant.*def.member)}});
    }
    return {{"systems", systems},
            {"system", plant.system == CoolingSystem::Indirect ? 1 : 0},
            {"coefficients", coefficients}};
}

// The project summary as last handed over, worked out again only after a
// verb that may have changed a room: a project of many rooms is summed once,
// not at every key typed after it.
struct SummaryCache {
    SummaryCache() {
        page().session.listen(
            [this](const SessionChanges& changes) { stale = stale || changes.summary; });
    }
    bool stale = true;
    Json sent;
    Language sentIn = Language::Chinese; // the words it was handed over in
};

SummaryCache& summaryCache() {
    static SummaryCache cache;
    return cache;
}

// The design's name, its unsaved-changes mark and the program's name, as
// the workflow writes them, but 无标题 in the page's language: the title is
// put together, so the page's translation of whole texts would miss it.
std::string shownTitle(const DocumentWorkflow& workflow) {
    if (!workflow.file().empty()) {
        return workflow.title();
    }
    std::string title = shownText(page().language, document_text::kUntitled);
    if (page().session.isModified()) {
        title += document_text::kModifiedMark;
    }
    title += document_text::kTitleSeparator;
    title += kProgramName;
    return title;
}

} // namespace

namespace {
template <std::size_t N> Json headers(const std::array<SummaryColumn, N>& columns) {
    Json names = Json::array();
    for (const SummaryColumn& column : columns) {
        names.push_back(columnHeader(column));
    }
    return names;
}

} // namespace

// Rows of texts go over as arrays of strings, as the library writes them.
Json summaryTableJson(const SummaryTable& table) {
    return {{"roomColumns", headers(table.roomColumns)},
            {"rooms", table.rooms},
            {"groupColumns", headers(table.groupColumns)},
            {"groups", table.groups},
            {"total", table.total},
            {"notes", table.notes}};
}

// The machine load as the window's summary and the report show it.
Json machineTableJson(const MachineLoadTable& table) {
    Json coefficients = Json::array();
    for (const CoefficientRow& row : table.coefficients) {
        coefficients.push_back({row.label, row.value});
    }
    Json notes = table.basis;
    for (const std::string& note : table.leftOutNotes) {
        notes.push_back(note);
    }
    for (const std::string& note : table.tempDiffNotes) {
        notes.push_back(note);
    }
    return {{"title", std::string(kMachineLoadTitle)},
            {"formula", std::string(kMachineLoadFormula)},
            {"goodsFlow", {std::string(kFlowNames[1]), std::string(kGoodsFlowNote)}},
            {"flowSources", table.flowSources},
            {"coefficients", coefficients},
            {"roomColumns", headers(table.roomColumns)},
            {"rooms", table.rooms},
            {"groupColumns", headers(table.groupColumns)},
            {"groups", table.groups},
            {"total", table.total},
            {"notes", notes}};
}

} // namespace gelvant

using namespace gelvant;

extern "C" {

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
    Json work = {{"title", shownTitle(workflow)},
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
                 {"deleteQuestion", view_text::deleteRoomQuestion(project.currentRoom().name)},
                 {"use", usesJson(project.currentRoom())},
                 {"p", goodsLoadFactorJson(project.currentRoom())},
                 {"plant", plantJson(project.plant)},
                 {"loadUnit", static_cast<int>(project.loadUnit)}};
    SummaryCache& cache = summaryCache();
    // The same summary is handed over again in another language.
    const bool otherLanguage = std::exchange(cache.sentIn, page().language) != page().language;
    if (std::exchange(cache.stale, false) || otherLanguage) {
        const ProjectSummary sums = summarizeProject(project);
        Json summary = summaryTableJson(summaryTable(sums, project.loadUnit));
        summary["machineLoad"] =
            machineTableJson(machineLoadTable(sums, machineLoad(project, sums), project.loadUnit));
        if (summary != cache.sent || otherLanguage) {
            cache.sent = summary;
            work["summary"] = std::move(summary);
        }
    }
    return handBack(dumpJson(work));
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
        page().session.selectRoom(static_cast<std::size_t>(index));
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

// The room's goods load factor p as typed: empty follows the room's use; a
// text that is not a number within 1～1.3 is refused with the window's
// words, and nothing changes.
const char* gv_room_p(const char* typed) {
    const EnteredGoodsLoadFactor entered = enteredGoodsLoadFactor(typed);
    if (!entered.accepted) {
        const Json refused = {{"refused",
                               {{"caption", std::string(kGoodsLoadFactorLabel)},
                                {"text", goodsLoadFactorRangeMessage()}}}};
        return handBack(dumpJson(refused));
    }
    page().session.setGoodsLoadFactor(entered.p);
    return formAfterAction();
}

// The project's machine-load choices: the system (0 direct, 1 indirect) and
// the coefficients as typed, separated by line breaks in the order gv_work
// lists them. A coefficient that is not a number in the code's range is
// refused with the window's words, and nothing changes.
const char* gv_set_plant(int indirect, const char* typed) {
    PlantSettings plant;
    plant.system = kCoolingSystems.at(indirect != 0 ? 1U : 0U);
    std::string_view rest = typed;
    for (std::size_t i = 0; i < kPlantCoefficients.size(); ++i) {
        const CoefficientDef& def = kPlantCoefficients[i];
        const std::size_t lineEnd = std::min(rest.find('\n'), rest.size());
        const auto value = enteredCoefficient(def.which, rest.substr(0, lineEnd));
        rest.remove_prefix(std::min(lineEnd + 1, rest.size()));
        if (!value) {
            const Json refused = {{"refused",
                                   {{"caption", std::string(view_text::kPlantTitle)},
                                    {"text", outOfRangeMessage(def.which)},
                                    {"box", static_cast<int>(i)}}}};
            return handBack(dumpJson(refused));
        }
        plant.*def.member = *value;
    }
    page().session.setPlantSettings(plant);
    return formAfterAction();
}

// The unit the summary, the sheet and the CSV show loads in: an index into
// the units gv_words lists.
const char* gv_set_load_unit(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < kLoadUnits.size()) {
        page().session.setLoadUnit(kLoadUnits[static_cast<std::size_t>(index)].unit);
    }
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
    return formAfterAction({{"gathered", gatheredMessagesText(gathered)}});
}

// The About box of the form's menu: the program's name, as the window shows it.
const char* gv_about() {
    PageSession& p = page();
    const int before = p.presenter.aboutBoxes;
    p.session.about();
    const bool shown = p.presenter.aboutBoxes != before;
    const Json about =
        shown ? Json{{"caption", view_text::kAboutTitle}, {"text", std::string(kProgramName)}}
              : Json::object();
    return handBack(dumpJson(about));
}

} // extern "C"
