// The page's menus and the words of its own dialogs, from the design
// session's tables.

#include "plant/plant_settings.h"
#include "project/load_unit.h"
#include "project/project_info_fields.h"
#include "session/command_table.h"
#include "session/view_texts.h"
#include "web/page_session.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace gelvant {
namespace {

using Json = nlohmann::ordered_json;

// "Ctrl+Y, Ctrl+Shift+Z" as the list of its key sequences.
Json splitKeys(std::string_view keys) {
    Json list = Json::array();
    constexpr std::string_view kBetween = ", ";
    while (!keys.empty()) {
        const std::size_t end = keys.find(kBetween);
        list.push_back(std::string(keys.substr(0, end)));
        keys =
            end == std::string_view::npos ? std::string_view() : keys.substr(end + kBetween.size());
    }
    return list;
}

// The units loads can be shown in, as the list names them.
Json loadUnitSymbols() {
    Json symbols = Json::array();
    for (const LoadUnitDef& def : kLoadUnits) {
        symbols.push_back(std::string(def.symbol));
    }
    return symbols;
}

} // namespace
} // namespace gelvant

using namespace gelvant;

extern "C" {

// The menus as the page shows them: each entry's command, words and keys,
// the lines between groups and the headings over them.
const char* gv_menus() {
    Json menus = Json::array();
    for (const MenuDef& menu : kMenus) {
        Json items = Json::array();
        for (const MenuItem& item : menuItemsIn(menu, kInPage)) {
            if (item.kind == MenuItem::Kind::Separator) {
                items.push_back({{"separator", true}});
            } else if (item.kind == MenuItem::Kind::Heading) {
                items.push_back({{"heading", std::string(item.heading)}});
            } else {
                const CommandDef& def = commandDef(item.command);
                items.push_back({{"command", std::string(def.name)},
                                 {"label", std::string(def.label)},
                                 {"keys", splitKeys(def.pageKeys)}});
            }
        }
        menus.push_back({{"title", std::string(menu.title)}, {"items", items}});
    }
    return handBack(dumpJson(menus));
}

// The language the page shows: "en" or "zh", as its address, its last
// visit or its 语言 menu asked.
void gv_set_language(const char* code) {
    page().language = languageFromCode(code != nullptr ? code : "");
}

// The 语言 menu: its title in the page's language, and each language named
// in its own words whatever the page shows, with the code the page keeps.
const char* gv_languages() {
    using namespace view_text;
    const Json languages = Json::array({{{"code", "zh"}, {"name", kChineseLanguage}},
                                        {{"code", "en"}, {"name", kEnglishLanguage}}});
    const Json menu = {{"title", shownText(page().language, kLanguageMenu)},
                       {"languages", languages}};
    return handBack(menu.dump(-1, ' ', false, Json::error_handler_t::replace));
}

// The words of the page's own dialogs and notes.
const char* gv_words() {
    using namespace view_text;
    Json fields = Json::array();
    for (const ProjectInfoField& field : kProjectInfoFields) {
        fields.push_back({{"key", std::string(field.key)},
                          {"label", std::string(field.label) + std::string(kLabelColon)},
                          {"multiline", field.multiline}});
    }
    const Json words = {
        {"ok", kOk},
        {"cancel", kCancel},
        {"yes", kYes},
        {"no", kNo},
        {"projectInfoTitle", kProjectInfoTitle},
        {"projectInfoFields", fields},
        {"renameRoomTitle", kRenameRoomTitle},
        {"roomNameLabel", kRoomNameLabel},
        {"deleteRoomTitle", kDeleteRoomTitle},
        {"sheetFileName", kSheetFileName},
        {"computeAllTitle", kComputeAllTitle},
        {"computeAllIntro", kComputeAllIntro},
        {"goToRoomHint", kGoToRoomHint},
        {"coefficientColon", kCoefficientColon},
        {"cannotCopy", kCannotCopy},
        {"keyboardHelpTitle", kKeyboardHelpTitle},
        {"keyboardHelpIntro", kKeyboardHelpIntro},
        {"keysBetween", kKeysBetween},
        {"plantTitle", kPlantTitle},
        {"coolingSystemLabel", std::string(kCoolingSystemLabel) + std::string(kLabelColon)},
        {"plantHint", kPlantHint},
        {"roomCaption", kRoomCaption},
        {"useCaption", kUseCaption},
        {"goodsLoadFactorCaption", kGoodsLoadFactorCaption},
        {"goodsLoadFactorLabel", kGoodsLoadFactorLabel},
        {"goodsLoadFactorHint", kGoodsLoadFactorHint},
        {"captionColon", kCaptionColon},
        {"summaryTitle", kSummaryTitle},
        {"loadUnitLabel", kLoadUnitLabel},
        {"loadUnitHint", kLoadUnitHint},
        {"loadUnits", loadUnitSymbols()}};
    return handBack(dumpJson(words));
}

} // extern "C"
