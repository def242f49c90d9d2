// Every text the core can show has its English counterpart, without a CJK
// character: the tables walked as they are, and every Chinese literal of the
// core's sources, so that a text added without its counterpart fails here.

#include "form/controls.h"
#include "form/field_dictionary.h"
#include "form_tables/design_form.h"
#include "form_tables/form_cells_table.h"
#include "form_tables/form_groups_table.h"
#include "language/language.h"
#include "library/library.h"
#include "plant/plant_settings.h"
#include "plant/room_use.h"
#include "project/project.h"
#include "project/project_info_fields.h"
#include "reference/reference_notes.h"
#include "reference/reference_rooms.h"
#include "report/load_formulas.h"
#include "report/machine_load_table.h"
#include "report/report_labels.h"
#include "report/sheet_words.h"
#include "report/summary_table.h"
#include "session/command_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

using namespace gelvant;

namespace {

using Texts = std::vector<std::string>;

std::string lines(const Texts& texts) {
    std::string out;
    for (const std::string& text : texts) {
        out += text + "\n";
    }
    return out;
}

// A list's items, each list apart (the hidden compact catalogue too): two
// items must not read the same in English.
std::map<std::string, Texts> listItems() {
    std::map<std::string, Texts> lists;
    for (const ListDef& def : designFormLists()) {
        for (std::size_t i = 0; i < def.itemCount(true); ++i) {
            lists[std::string(def.name)].emplace_back(def.itemAt(i));
        }
    }
    for (const RoomUse use : kRoomUses) {
        lists["roomUse"].emplace_back(useLabel(use));
    }
    return lists;
}

// The texts of the tables the views, the messages and the sheet show.
Texts tableTexts() {
    Texts texts;
    const auto add = [&](std::string_view text) { texts.emplace_back(text); };
    for (const std::string_view text :
         {kFormTopNote, kMultiStoreyWarning, kMachineLoadTitle, kPlantBasis, kGoodsFlowNote,
          kStaleResultsNote, kNotComputed, kGoodsLoadFactorLabel, caption::notice, caption::warning,
          caption::result, caption::welcome}) {
        add(text);
    }
    for (const FormGroupDef& def : kFormGroups)
        add(def.title);
    for (const ListDef& def : designFormLists())
        add(def.caption);
    for (const FormCellDef& def : kFormCells)
        add(def.caption);
    for (const StaticTextDef& def : kStaticTexts)
        add(def.initialText);
    for (const FieldDef& def : kFields) {
        add(def.label);
        add(trimLabel(def.label));
        add(labelName(def.label));
        add(labelUnit(def.label));
    }
    for (const ReferenceRoom& row : kReferenceCatalogue)
        add(row.text);
    for (const std::string_view note : kReferenceNotes)
        add(note);
    for (const CommandDef& def : kCommands)
        add(def.label);
    for (const MenuDef& menu : kMenus) {
        add(menu.title);
        for (const MenuItem& item : menu.items)
            add(item.heading);
    }
    for (const SummaryColumn& c : kRoomColumns)
        add(c.name);
    for (const SummaryColumn& c : kGroupColumns)
        add(c.name);
    for (const SummaryColumn& c : kMachineRoomColumns)
        add(c.name);
    for (const SummaryColumn& c : kMachineGroupColumns)
        add(c.name);
    for (const std::string_view name : kFlowNames)
        add(name);
    for (const LoadFormula& formula : kLoadFormulas) {
        for (const FormulaSymbol& s : formula.symbols) {
            add(s.symbol);
            add(s.meaning);
            add(s.unit);
        }
    }
    const SheetWords& w = kSheetWords;
    for (const std::string_view word :
         {w.summary, w.machineLoad, w.schedule, w.signOff, w.room, w.inputs, w.load, w.chart,
          w.equipment, w.reference, w.note, w.colon, w.gap}) {
        add(word);
    }
    for (const std::string_view word : w.signOffColumns)
        add(word);
    for (const std::string_view word : w.loadColumns)
        add(word);
    for (const CoefficientDef& def : kPlantCoefficients)
        add(def.label);
    for (const CoolingSystem s : {CoolingSystem::Direct, CoolingSystem::Indirect}) {
        add(systemLabel(s));
    }
    for (const CoolingEquipment e : {CoolingEquipment::AirCooler, CoolingEquipment::Coil}) {
        add(equipmentLabel(e));
    }
    for (const ProjectInfoField& field : kProjectInfoFields)
        add(field.label);
    for (const LibraryKind kind : kLibraryKinds)
        add(libraryKindDef(kind).title);
    for (const auto& [list, items] : listItems()) {
        texts.insert(texts.end(), items.begin(), items.end());
    }
    return texts;
}

TEST(Language, EveryTableTextHasItsEnglishWithoutCjk) {
    Texts missing;
    for (const std::string& text : tableTexts()) {
        const std::optional<std::string> english = englishText(text);
        if (!english || hasCjk(*english)) {
            missing.push_back(text);
        }
    }
    EXPECT_TRUE(missing.empty()) << lines(missing);
}

TEST(Language, ItemsOfOneListReadApartInEnglish) {
    for (const auto& [list, items] : listItems()) {
        std::map<std::string, std::string> seen;
        for (const std::string& item : items) {
            const std::string english = shownText(Language::English, item);
            const auto [at, added] = seen.emplace(english, item);
            EXPECT_TRUE(added || at->second == item) << list << ": " << item << " / " << at->second;
        }
    }
}

TEST(Language, ATextHasOneEnglishWhicheverTableItStandsIn) {
    std::map<std::string_view, std::string_view> first;
    for (const std::span<const Translation> table : wordTables()) {
        for (const Translation& row : table) {
            const auto [at, added] = first.emplace(row.chinese, row.english);
            EXPECT_EQ(at->second, row.english) << row.chinese;
        }
    }
}

// The Chinese string literals of one source file, neighbours joined as the
// compiler joins them; comments and character literals are passed over.
Texts chineseLiterals(const std::string& source) {
    static const std::regex token(
        R"(//[^\n]*|/\*[\s\S]*?\*/|"(?:[^"\\\n]|\\.)*"|'(?:[^'\\\n]|\\.)*'|\s+|.)");
    Texts out;
    std::optional<std::string> joined;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), token);
         it != std::sregex_iterator(); ++it) {
        const std::string t = it->str();
        if (t.front() == '"') {
            joined = joined.value_or("") + t.substr(1, t.size() - 2);
        } else if (!std::isspace(static_cast<unsigned char>(t.front())) && !t.starts_with("/")) {
            if (joined && hasCjk(*joined)) {
                out.push_back(*joined);
            }
            joined.reset();
        }
    }
    return out;
}

// Whether a piece of a literal is a text of a table, or words of one.
bool covered(std::string_view piece) {
    if (englishText(piece)) {
        return true;
    }
    const auto within = [&](std::span<const Translation> rows) {
        return std::any_of(rows.begin(), rows.end(), [&](const Translation& row) {
            return row.chinese.find(piece) != std::string_view::npos;
        });
    };
    const auto tables = wordTables();
    return within(formatTable()) || std::any_of(tables.begin(), tables.end(), within);
}

TEST(Language, EveryChineseLiteralOfTheCoreIsCovered) {
    namespace fs = std::filesystem;
    const fs::path src = fs::path(GELVANT_SOURCE_DIR) / "src";
    Texts missing;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
        const fs::path rel = fs::relative(entry.path(), src);
        const std::string ext = entry.path().extension().string();
        if (*rel.begin() == "app" || *rel.begin() == "web" || *rel.begin() == "language" ||
            (ext != ".h" && ext != ".cpp")) {
            continue;
        }
        std::stringstream source;
        source << std::ifstream(entry.path()).rdbuf();
        for (const std::string& literal : chineseLiterals(source.str())) {
            std::istringstream lines(std::regex_replace(literal, std::regex(R"(\\n)"), "\n"));
            for (std::string line; std::getline(lines, line);) {
                if (hasCjk(line) && !covered(line)) {
                    missing.push_back(rel.string() + ": " + line);
                }
            }
        }
    }
    EXPECT_TRUE(missing.empty()) << lines(missing);
}

// Formats: the slots' texts put into the English in order, a %t slot's
// text in English, the rest as it is.
TEST(Language, FormatsCarryTheirFiguresAndTranslateTheirTexts) {
    const std::map<std::string, std::string> cases{
        {"=38613Kcal/h，=44.8KW", "= 38613 kcal/h, = 44.8 kW"},
        {"围护结构热流量季节修正系数 n1 应在 0.5～1.5 之间。",
         "Seasonal correction of the envelope heat flow n1 must lie between 0.5 and 1.5."},
        {"冻结间（自动）", "Freezing room (auto)"},
        {"Cold A：未计算，未计入合计。", "Cold A: not computed, left out of the sums."},
        {"注意\n冷风机有功率但台数为0",
         "Notice\nThe air coolers have a power but their number is 0"},
        {"删除库房“库房2 副本”？", "Delete the room “Room 2 copy”?"},
        {"删除库房“北库”？", "Delete the room “北库”?"},
        {"以下自定义数据与本机的同名数据不同，本设计仍用设计文件中的数值：地区气候 县城、食品 "
         "自家1",
         "These custom data differ from this computer's data of the same name; this design keeps "
         "the values of its file: Site climate 县城, Product 自家1"},
        {"12.5", "12.5"},
        {"一个没有的词", "一个没有的词"},
    };
    for (const auto& [chinese, english] : cases) {
        EXPECT_EQ(shownText(Language::English, chinese), english);
        EXPECT_EQ(shownText(Language::Chinese, chinese), chinese);
    }
    EXPECT_FALSE(englishText("一个没有的词"));
}

TEST(Language, CodesAndLocales) {
    for (const auto& [code, language] :
         std::map<std::string, Language>{{"en", Language::English},
                                         {"en_GB.UTF-8", Language::English},
                                         {"EN-us", Language::English},
                                         {"zh_CN.UTF-8", Language::Chinese},
                                         {"C", Language::Chinese},
                                         {"", Language::Chinese}}) {
        EXPECT_EQ(languageFromCode(code), language) << code;
    }
    EXPECT_EQ(languageFromCode(languageCode(Language::English)), Language::English);
    EXPECT_EQ(languageFromCode(languageCode(Language::Chinese)), Language::Chinese);
}

} // namespace
