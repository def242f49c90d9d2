#include "script/form_json.h"

#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form/text_exchange.h"
#include "plant/machine_load.h"
#include "plant/plant_settings.h"
#include "project/summary.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace gelvant {
namespace {

using Json = nlohmann::ordered_json;

// Box texts may hold whatever bytes the user typed; invalid UTF-8 is shown
// with replacement characters rather than failing the dump.
std::string toLine(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string text(std::string_view s) {
    return std::string(s);
}

Json number(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

// A value the record holds as a float: the shortest decimal that is that
// float (358.2, not 358.20001220703125).
Json floatNumber(double value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    return shortestDecimal(static_cast<float>(value));
}

Json numbers(const std::array<double, kFlowCount>& values) {
    Json list = Json::array();
    for (const double value : values) {
        list.push_back(number(value));
    }
    return list;
}

Json plantJson(const MachineLoad& load) {
    Json plant = {{"system", text(systemKey(load.settings.system))},
                  {"R", number(load.lossFactor)}};
    for (const CoefficientDef& def : kPlantCoefficients) {
        plant[text(def.key)] = number(load.settings.*def.member);
    }
    return plant;
}

Json roomSummaryJson(const RoomSummary& r, const RoomMachineLoad& m) {
    return {{"name", r.name},
            {"computed", r.computed},
            {"stale", r.stale},
            {"equipment", text(equipmentKey(r.equipment))},
            {"roomTemp", floatNumber(r.roomTemp)},
            {"innerVolume", floatNumber(r.innerVolume)},
            {"storageTonnage", floatNumber(r.storageTonnage)},
            {"totalCoolingLoadW", floatNumber(r.totalCoolingLoadW)},
            {"evaporatingTemp", number(r.evaporatingTemp)},
            {"capacityKw", number(r.capacityKw)},
            {"loadPerTonW", number(r.loadPerTonW)},
            {"coilAreaM2", number(r.coilAreaM2)},
            {"airCoolerAreaM2", number(r.airCoolerAreaM2)},
            {"use", text(useKey(m.use.use))},
            {"useInferred", m.use.inferred},
            {"flows", numbers(m.flows)},
            {"n", numbers(m.n)},
            {"p", number(m.goodsLoadFactor)},
            {"tempDiffOverLimit", m.tempDiffOverLimit}};
}

} // namespace

std::string summaryJson(const ProjectSummary& summary, const MachineLoad& load) {
    Json rooms = Json::array();
    for (std::size_t i = 0; i < summary.rooms.size() && i < load.rooms.size(); ++i) {
        rooms.push_back(roomSummaryJson(summary.rooms[i], load.rooms[i]));
    }
    Json groups = Json::array();
    for (std::size_t i = 0; i < summary.groups.size() && i < load.groups.size(); ++i) {
        const EvaporatingGroup& group = summary.groups[i];
        groups.push_back({{"evaporatingTemp", number(group.evaporatingTemp)},
                          {"rooms", group.rooms},
                          {"totalCoolingLoadW", number(group.totalCoolingLoadW)},
                          {"capacityKw", number(group.capacityKw)},
                          {"flows", numbers(load.groups[i].flows)},
                          {"machineLoadW", number(load.groups[i].machineLoadW)}});
    }
    const Json total = {{"rooms", summary.total.rooms},
                        {"totalCoolingLoadW", number(summary.total.totalCoolingLoadW)},
                        {"capacityKw", number(summary.total.capacityKw)},
                        {"machineLoadW", number(load.totalW)}};
    return toLine(
        {{"rooms", rooms}, {"groups", groups}, {"total", total}, {"plant", plantJson(load)}});
}

std::string dumpFormJson(const CDesignDlg& dlg, const std::vector<Message>& messages) {
    return dumpFormJson(dlg, messages, {});
}

std::string dumpFormJson(const CDesignDlg& dlg, const std::vector<Message>& messages,
                         const std::vector<std::string>& rooms) {
    return toLine(formDump(dlg, messages, rooms));
}

Json formDump(const CDesignDlg& dlg, const std::vector<Message>& messages,
              const std::vector<std::string>& rooms) {
    Json fields = Json::object();
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        fields[text(kFields[i].name)] = text(dlg.editText(i));
    }
    Json lists = Json::object();
    for (const ListDef& def : dlg.listDefs()) {
        lists[text(def.name)] = {{"index", dlg.currentIndex(def.controlId)},
                                 {"text", text(dlg.currentText(def.controlId))}};
    }
    Json texts = Json::object();
    for (const StaticTextDef& def : kStaticTexts) {
        texts[text(def.name)] = text(dlg.staticText(def.controlId));
    }
    Json visible = Json::object();
    for (const VisibilityDef& def : kToggledControls) {
        visible[text(def.name)] = dlg.isVisible(def.controlId);
    }
    Json raised = Json::array();
    for (std::size_t i = 0; i < messages.size(); ++i) {
        Json m = {{"caption", messages[i].caption}, {"text", messages[i].text}};
        if (i < rooms.size() && !rooms[i].empty()) {
            m["room"] = rooms[i];
        }
        raised.push_back(std::move(m));
    }
    return {{"fields", fields},
            {"lists", lists},
            {"texts", texts},
            {"visible", visible},
            {"messages", raised}};
}

std::string listItemsJson(const CDesignDlg& dlg, int listCtl) {
    Json items = Json::array();
    for (const std::string& item : dlg.items(listCtl)) {
        items.push_back(item);
    }
    return toLine(items);
}

} // namespace gelvant
