#include "cli/form_json.h"

#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "sheet/field_dictionary.h"

#include <nlohmann/json.hpp>

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

} // namespace

std::string dumpFormJson(const CDesignDlg& dlg, const std::vector<Message>& messages) {
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
    for (const Message& m : messages) {
        raised.push_back({{"caption", m.caption}, {"text", m.text}});
    }
    const Json dump = {{"fields", fields},
                       {"lists", lists},
                       {"texts", texts},
                       {"visible", visible},
                       {"messages", raised}};
    return toLine(dump);
}

std::string listItemsJson(const CDesignDlg& dlg, int listCtl) {
    Json items = Json::array();
    for (const std::string& item : dlg.items(listCtl)) {
        items.push_back(item);
    }
    return toLine(items);
}

} // namespace gelvant
