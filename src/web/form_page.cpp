// The page's link to the core: a small C interface that the page's script
// calls. It keeps the one design form with its document (undo steps, typing
// runs) and answers every action with the whole form as JSON, the messages
// the action raised included, in the order raised; the page shows them.
// The form's groups, cells, labels and lists come from the core's tables.

#include "cli/form_json.h"
#include "document/design_document.h"
#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "sheet/field_dictionary.h"
#include "window/design_form.h"
#include "window/form_cells_table.h"
#include "window/form_groups_table.h"
#include "window/startup.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <memory>
#include <string>

namespace gelvant {
namespace {

using Json = nlohmann::ordered_json;

struct PageForm {
    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};
    std::unique_ptr<DesignDocument> document;
};

PageForm& page() {
    static PageForm form;
    return form;
}

// The text handed back to the script stays valid until the next call.
const char* handBack(std::string text) {
    static std::string held;
    held = std::move(text);
    return held.c_str();
}

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
    Json json = {{"group", cell.group},
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

Json listsJson(const CDesignDlg& dlg) {
    Json lists = Json::object();
    for (const ListDef& def : dlg.listDefs()) {
        lists[std::string(def.name)] = {{"control", def.controlId},
                                        {"hidden", def.hidden},
                                        {"items", dlg.items(def.controlId)}};
    }
    return lists;
}

// The form after an action: the driver's dump (boxes, lists, texts,
// visibility, messages), the box that refused its number, and the item
// counts, so that the page refetches a list that grew.
const char* formAfterAction() {
    PageForm& form = page();
    std::string dump = dumpFormJson(form.dlg, form.presenter.messages);
    // A failed read prompts under the program's own caption; the box then
    // gets the focus, as in the window.
    const bool prompted =
        std::any_of(form.presenter.messages.begin(), form.presenter.messages.end(),
                    [](const Message& m) { return m.caption == caption::program; });
    form.presenter.messages.clear();
    Json extra = {{"prompted", prompted},
                  {"focus", form.dlg.focusedControl()},
                  {"focusSelected", form.dlg.focusTextSelected()},
                  {"canUndo", form.document->canUndo()},
                  {"canRedo", form.document->canRedo()}};
    Json counts = Json::object();
    for (const ListDef& def : form.dlg.listDefs()) {
        counts[std::string(def.name)] = form.dlg.itemCount(def.controlId);
    }
    extra["itemCounts"] = counts;
    dump.pop_back(); // the dump's closing brace: the extra keys join it
    return handBack(dump + ",\"page\":" + extra.dump() + "}");
}

} // namespace
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
                         {"lists", listsJson(page().dlg)}};
    return handBack(layout.dump(-1, ' ', false, Json::error_handler_t::replace));
}

// Opens the form as the desktop program does: the welcome box, then the
// computed reference room.
const char* gv_start() {
    PageForm& form = page();
    OnInitDialog(form.dlg);
    form.document = std::make_unique<DesignDocument>(form.dlg);
    return formAfterAction();
}

const char* gv_type(int field, const char* text) {
    page().document->typeInto(static_cast<std::size_t>(field), text);
    return formAfterAction();
}

const char* gv_type_over_list(int listCtl, const char* text) {
    page().document->typeOverList(listCtl, text);
    return formAfterAction();
}

const char* gv_choose(int listCtl, int index) {
    PageForm& form = page();
    form.document->perform([&] { form.dlg.userChooses(listCtl, index); });
    return formAfterAction();
}

const char* gv_click(int buttonCtl) {
    PageForm& form = page();
    form.document->perform([&] { form.dlg.userClicks(buttonCtl); });
    return formAfterAction();
}

// The designer left the box or list being typed into.
void gv_leave() {
    page().document->endTypingRun();
}

const char* gv_undo() {
    page().document->undo();
    return formAfterAction();
}

const char* gv_redo() {
    page().document->redo();
    return formAfterAction();
}

const char* gv_items(int listCtl) {
    return handBack(listItemsJson(page().dlg, listCtl));
}

} // extern "C"
