// The page's link to the core: a small C interface that the page's script
// calls, a thin view of one design session. Each verb of the designer goes
// to the session, and the answer is the whole form as JSON with the messages
// the verb raised, in the order raised; the page shows them. The form's
// groups, cells, labels and lists come from the core's tables.

#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form_tables/form_cells_table.h"
#include "form_tables/form_groups_table.h"
#include "script/form_json.h"
#include "session/design_session.h"
#include "web/page_session.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace gelvant {
namespace {

using Json = nlohmann::ordered_json;

std::string_view cellKindName(CellKind kind) {
    switch (kind) {
    case CellKind::Field:
        return "field";
    case CellKind::BareField:
        return "bareField";
    case CellKind::List:
        return "list";
    case CellKind::Text:
        return "text";
    case CellKind::Caption:
        return "caption";
    case CellKind::Button:
        return "button";
    case CellKind::Option:
        return "option";
    }
    return "caption";
}

std::string_view boxStyleName(BoxStyle style) {
    switch (style) {
    case BoxStyle::Editable:
        return "editable";
    case BoxStyle::ReadOnly:
        return "readOnly";
    case BoxStyle::Hidden:
        return "hidden";
    }
    return "editable";
}

// What a cell shows: a box by its field, a list by its name and items.
Json cellJson(const FormCellDef& cell) {
    Json json = {{"group", static_cast<int>(cell.group)},
                 {"kind", std::string(cellKindName(cell.kind))},
                 {"control", cell.control},
                 {"row", cell.row},
                 {"column", cell.column},
                 {"span", cell.span},
                 {"widthEm", cell.widthEm},
                 {"lines", cell.lines},
                 {"caption", std::string(cell.caption)}};
    if (const auto field = fieldIndexByControl(cell.control)) {
        const FieldDef& def = kFields[*field];
        json["field"] = *field;
        json["name"] = std::string(def.name);
        json["label"] = std::string(def.label);
        json["box"] = std::string(boxStyleName(def.box));
    }
    for (const StaticTextDef& def : kStaticTexts) {
        if (def.controlId == cell.control) {
            json["name"] = std::string(def.name);
        }
    }
    for (const VisibilityDef& def : kToggledControls) {
        if (def.controlId == cell.control) {
            json["toggled"] = std::string(def.name);
        }
    }
    return json;
}

// What changes when a list's items do, whatever changed: their count and
// a digest of their texts (FNV-1a), so that the page refetches a list that
// grew and one whose entry was renamed alike.
std::string itemsKey(const std::vector<std::string>& items) {
    constexpr std::uint64_t kOffset = 14695981039346656037ULL;
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    std::uint64_t digest = kOffset;
    const auto take = [&](unsigned char byte) { digest = (digest ^ byte) * kPrime; };
    for (const std::string& item : items) {
        for (const char c : item) {
            take(static_cast<unsigned char>(c));
        }
        take(0); // between items: "ab","c" differs from "a","bc"
    }
    std::string key = std::to_string(items.size());
    key += ':';
    key += std::to_string(digest);
    return key;
}

// A list's items with how many of them are built in: the designer's own
// entries follow those.
Json itemsJson(const CDesignDlg& dlg, int listCtl) {
    return {{"items", dlg.items(listCtl)},
            {"builtIn", dlg.builtInItemCount(listCtl)},
            {"key", itemsKey(dlg.items(listCtl))}};
}

Json listsJson(const CDesignDlg& dlg) {
    Json lists = Json::object();
    for (const ListDef& def : dlg.listDefs()) {
        Json list = {{"control", def.controlId},
                     {"caption", std::string(def.caption)},
                     {"hidden", def.hidden}};
        list.update(itemsJson(dlg, def.controlId));
        lists[std::string(def.name)] = std::move(list);
    }
    return lists;
}

} // namespace

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

namespace {

// The texts of the core in the page's language: every string but what the
// designer typed over a list, which stays as typed.
Json shownJson(const Json& json, Language language) {
    if (json.is_string()) {
        return shownText(language, json.get_ref<const std::string&>());
    }
    if (!json.is_structured()) {
        return json;
    }
    Json shown = json;
    const bool typedOver = json.is_object() && json.contains("index") &&
                           json["index"].is_number() && json["index"].get<int>() < 0;
    for (auto& [key, value] : shown.items()) {
        if (key != "listTexts" && !(typedOver && key == "text")) {
            value = shownJson(value, language);
        }
    }
    return shown;
}

} // namespace

std::string dumpJson(const nlohmann::ordered_json& json) {
    constexpr auto kReplace = nlohmann::ordered_json::error_handler_t::replace;
    const Language language = page().language;
    return language == Language::Chinese ? json.dump(-1, ' ', false, kReplace)
                                         : shownJson(json, language).dump(-1, ' ', false, kReplace);
}

PageSession& page() {
    static PageSession page;
    return page;
}

// The text handed back to the script stays valid until the next call.
const char* handBack(std::string text) {
    static std::string held;
    held = std::move(text);
    return held.c_str();
}

// The form after an action: the driver's dump (boxes, lists, texts,
// visibility, messages), the box that refused its number, each list's
// items key, so that the page refetches a list whose items changed, and the
// text typed over each list that has no current item.
const char* formAfterAction(const nlohmann::ordered_json& extra) {
    PageSession& p = page();
    const CDesignDlg& form = p.session.form();
    Json answer = formDump(form, p.presenter.messages);
    p.presenter.messages.clear();
    // A refused box gets the focus with its text selected, as in the window.
    Json state = {{"prompted", std::exchange(p.refusedBox, false)},
                  {"focus", form.focusedControl()},
                  {"focusSelected", form.focusTextSelected()},
                  {"canUndo", p.session.canUndo()},
                  {"canRedo", p.session.canRedo()}};
    // A list without a current item shows what was typed over its edit part.
    Json keys = Json::object();
    Json typed = Json::object();
    for (const ListDef& def : form.listDefs()) {
        keys[std::string(def.name)] = itemsKey(form.items(def.controlId));
        if (form.currentIndex(def.controlId) < 0) {
            typed[std::string(def.name)] = std::string(form.listEditText(def.controlId));
        }
    }
    state["itemKeys"] = keys;
    state["listTexts"] = typed;
    answer["page"] = state;
    answer.update(extra);
    return handBack(dumpJson(answer));
}

} // namespace gelvant

using namespace gelvant;

extern "C" {

// The form's make-up: the note across the top, the groups, every cell, the
// lists with their items.
const char* gv_layout() {
    Json groups = Json::array();
    for (const FormGroupDef& def : kFormGroups) {
        groups.push_back(
            {{"title", std::string(def.title)}, {"band", def.band}, {"column", def.column}});
    }
    Json cells = Json::array();
    for (const FormCellDef& cell : kFormCells) {
        cells.push_back(cellJson(cell));
    }
    const Json layout = {{"topNote", std::string(kFormTopNote)},
                         {"groups", groups},
                         {"cells", cells},
                         {"lists", listsJson(page().session.form())}};
    return handBack(dumpJson(layout));
}

// Opens the form as the desktop program does: the welcome box, then the
// computed reference room.
const char* gv_start() {
    page().session.start();
    return formAfterAction();
}

const char* gv_type(int field, const char* text) {
    page().session.type(static_cast<std::size_t>(field), text);
    return formAfterAction();
}

const char* gv_type_over_list(int listCtl, const char* text) {
    page().session.typeOverList(listCtl, text);
    return formAfterAction();
}

const char* gv_choose(int listCtl, int index) {
    page().session.choose(listCtl, index);
    return formAfterAction();
}

const char* gv_click(int buttonCtl) {
    page().session.click(buttonCtl);
    return formAfterAction();
}

// The designer left the box or list being typed into.
void gv_leave() {
    page().session.leaveBox();
}

const char* gv_undo() {
    page().session.undo();
    return formAfterAction();
}

const char* gv_redo() {
    page().session.redo();
    return formAfterAction();
}

// The form as it stands, in the page's language: shown again after the
// language changed.
const char* gv_form() {
    return formAfterAction();
}

const char* gv_items(int listCtl) {
    return handBack(dumpJson(itemsJson(page().session.form(), listCtl)));
}

// How many bytes the last design file or CSV handed over holds.
int gv_held_size() {
    return static_cast<int>(heldBytes().size());
}

} // extern "C"
