#include "document/design_file.h"
#include "document/design_file_parts.h"
#include "document/json_tree.h"
#include "form/controls.h"
#include "form/field_dictionary.h"
#include "form/portable.h"
#include "form/program.h"
#include "form/text_exchange.h"
#include "form/utf8.h"
#include "form_tables/design_form.h"
#include "library/library_json.h"
#include "plant/plant_settings.h"
#include "plant/room_use.h"
#include "project/load_unit.h"
#include "project/project_info_fields.h"
#include "project/result_inputs.h"
#include "project/startup_form.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <variant>

namespace gelvant {
namespace {

using Kind = JsonValue::Kind;
using Member = std::optional<JsonValue>;

std::string str(std::string_view s) {
    return std::string(s);
}

// A problem found while reading: unwinds to readDesignText, which turns it
// into the error it reports. Nothing read so far is kept.
struct Refusal {
    DesignFileError error;
};

[[noreturn]] void refuse(DesignFileProblem problem, std::string detail) {
    throw Refusal{DesignFileError{problem, std::move(detail)}};
}

Member member(const JsonValue& object, std::string_view key) {
    return object.find(key);
}

// An optional member that must have the given kind when present; a whole
// number is asked for as Integer and may be Unsigned.
Member typed(const JsonValue& object, std::string_view key, Kind kind, std::string_view where,
             std::string_view expected) {
    const Member value = member(object, key);
    if (!value) {
        return std::nullopt;
    }
    const bool isWhole = kind == Kind::Integer && value->isWholeNumber();
    if (value->kind() != kind && !isWhole) {
        refuse(DesignFileProblem::WrongType, str(where) + "." + str(key) + " " + str(expected));
    }
    return value;
}

Member objectMember(const JsonValue& o, std::string_view key, std::string_view where) {
    return typed(o, key, Kind::Object, where, "should be an object");
}
Member stringMember(const JsonValue& o, std::string_view key, std::string_view where) {
    return typed(o, key, Kind::String, where, "should be a string");
}
Member boolMember(const JsonValue& o, std::string_view key, std::string_view where) {
    return typed(o, key, Kind::Boolean, where, "should be true or false");
}
Member integerMember(const JsonValue& o, std::string_view key, std::string_view where) {
    return typed(o, key, Kind::Integer, where, "should be a whole number");
}

float floatFromJson(const JsonValue& value, const std::string& where) {
    if (value.kind() == Kind::String) {
        const std::string_view text = value.text();
        if (text == "inf" || text == "-inf") {
            const float inf = std::numeric_limits<float>::infinity();
            return text == "inf" ? inf : -inf;
        }
        if (text == "nan" || text == "-nan") {
            return bitCast<float>(text == "nan" ? kQuietNan : kQuietNan | kSignBit);
        }
        refuse(DesignFileProblem::BadValue, where);
    }
    if (!value.isNumber()) {
        refuse(DesignFileProblem::BadValue, where);
    }
    // Beyond the largest float by half its last unit a number would round to
    // infinity: no float writes as such a number.
    const double number = value.number();
    const double beyondLargest =
        static_cast<double>(std::numeric_limits<float>::max()) + std::ldexp(1.0, 103);
    if (!std::isfinite(number) || std::fabs(number) >= beyondLargest) {
        refuse(DesignFileProblem::BadValue, where);
    }
    return static_cast<float>(number);
}

std::int32_t intFromJson(const JsonValue& value, const std::string& where) {
    if (value.isWholeNumber()) {
        if (value.kind() == Kind::Integer) {
            const std::int64_t n = value.integer();
            if (n >= std::numeric_limits<std::int32_t>::min() &&
                n <= std::numeric_limits<std::int32_t>::max()) {
                return static_cast<std::int32_t>(n);
            }
        } else if (value.unsignedInteger() <=
                   static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
            return static_cast<std::int32_t>(value.unsignedInteger());
        }
    }
    refuse(DesignFileProblem::BadValue, where);
}

void readFields(const JsonValue& fields, FormState& form, const std::string& where) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldDef& def = kFields[i];
        const std::string at = where + ".fields." + str(def.name);
        const Member entry = objectMember(fields, def.name, where + ".fields");
        if (!entry) {
            continue;
        }
        if (const Member text = stringMember(*entry, "text", at)) {
            form.editTexts[i] = text->text();
        }
        if (const Member value = member(*entry, "value")) {
            if (def.type == FieldType::Float) {
                form.sheet.*def.floatMember = floatFromJson(*value, at + ".value");
            } else {
                form.sheet.*def.intMember = intFromJson(*value, at + ".value");
            }
        }
    }
}

// A list's saved choice: by index when the index still names the saved
// text, else by the text; a choice that cannot be found leaves the list
// without an item and is reported.
bool readListChoice(const JsonValue& entry, const ListItems& items, ListChoice& choice,
                    const std::string& where) {
    const Member index = integerMember(entry, "index", where);
    const Member text = stringMember(entry, "text", where);
    const Member typedText = stringMember(entry, "typed", where);
    const std::size_t count = items.count();
    const std::int64_t savedIndex = index ? index->integer() : -1;
    const std::string_view savedText = text ? text->text() : std::string_view();
    if (savedIndex < 0 && savedText.empty()) {
        choice = ListChoice{-1, typedText ? str(typedText->text()) : std::string()};
        return true;
    }
    if (savedIndex >= 0 && static_cast<std::size_t>(savedIndex) < count &&
        (!text || items.at(static_cast<std::size_t>(savedIndex)) == savedText)) {
        choice = ListChoice{static_cast<int>(savedIndex),
                            str(items.at(static_cast<std::size_t>(savedIndex)))};
        return true;
    }
    for (std::size_t i = 0; i < count && text; ++i) {
        if (items.at(i) == savedText) {
            choice = ListChoice{static_cast<int>(i), str(savedText)};
            return true;
        }
    }
    choice = ListChoice{};
    return false;
}

void readLists(const JsonValue& lists, FormState& form, const Library& library,
               const std::string& where, const std::string& roomName,
               std::vector<std::string>& unrestored) {
    const auto defs = designFormLists();
    for (std::size_t i = 0; i < defs.size() && i < form.lists.size(); ++i) {
        const Member entry = objectMember(lists, defs[i].name, where + ".lists");
        if (!entry) {
            continue;
        }
        const std::string at = where + ".lists." + str(defs[i].name);
        const ListItems items(defs[i], form.referenceRowsAppended, library);
        if (!readListChoice(*entry, items, form.lists[i], at)) {
            unrestored.push_back(roomName + ": " + str(defs[i].name));
        }
    }
}

void readTextsAndToggles(const JsonValue& room, FormState& form, const std::string& where) {
    if (const Member texts = objectMember(room, "texts", where)) {
        for (std::size_t i = 0; i < kStaticTexts.size(); ++i) {
            if (const Member t = stringMember(*texts, kStaticTexts[i].name, where + ".texts")) {
                form.staticTexts[i] = t->text();
            }
        }
    }
    if (const Member visible = objectMember(room, "visible", where)) {
        for (std::size_t i = 0; i < kToggledControls.size(); ++i) {
            if (const Member v =
                    boolMember(*visible, kToggledControls[i].name, where + ".visible")) {
                form.visible[i] = v->boolean();
            }
        }
    }
    if (const Member options = objectMember(room, "options", where)) {
        if (const Member v = boolMember(*options, "enthalpyOption", where + ".options")) {
            form.enthalpyChecked = v->boolean();
        }
        if (const Member v = boolMember(*options, "specificHeatOption", where + ".options")) {
            form.specificHeatChecked = v->boolean();
        }
    }
}

Room readRoom(const JsonValue& json, std::size_t index, const Library& library,
              std::vector<std::string>& unrestored) {
    const std::string where = "rooms[" + std::to_string(index) + "]";
    if (json.kind() != Kind::Object) {
        refuse(DesignFileProblem::WrongType, where + " should be an object");
    }
    Room room{str(kFirstRoomName), CoolingEquipment::AirCooler, nullptr};
    if (const Member name = stringMember(json, "name", where)) {
        room.name = name->text();
    }
    if (const Member equipment = stringMember(json, "equipment", where)) {
        if (equipment->text() == "coil") {
            room.equipment = CoolingEquipment::Coil;
        } else if (equipment->text() != "aircooler") {
            refuse(DesignFileProblem::WrongType, where + ".equipment should be aircooler or coil");
        }
    }
    if (const Member use = stringMember(json, "use", where)) {
        const auto known = useFromKey(use->text());
        if (!known) {
            refuse(DesignFileProblem::WrongType,
                   where + ".use should be auto, chilling, freezing, chilled, frozen, ice, "
                           "anteroom or processing");
        }
        room.use = *known;
    }
    if (const Member p = member(json, "p")) {
        if (!p->isNumber() || !withinGoodsLoadFactorRange(p->number())) {
            refuse(DesignFileProblem::BadValue, where + ".p");
        }
        room.goodsLoadFactor = p->number();
    }
    FormState form = *startupForm();
    if (const Member appended = boolMember(json, "referenceRowsAppended", where)) {
        form.referenceRowsAppended = appended->boolean();
    }
    if (const Member fields = objectMember(json, "fields", where)) {
        readFields(*fields, form, where);
    }
    if (const Member lists = objectMember(json, "lists", where)) {
        readLists(*lists, form, library, where, room.name, unrestored);
    }
    readTextsAndToggles(json, form, where);
    if (const Member inputs = stringMember(json, "computedInputs", where)) {
        room.computedInputs = fingerprintFromText(inputs->text());
        if (!room.computedInputs) {
            refuse(DesignFileProblem::BadValue, where + ".computedInputs");
        }
    }
    room.form = std::make_shared<const FormState>(std::move(form));
    return room;
}

ProjectInfo readProjectInfo(const JsonValue& json) {
    ProjectInfo info;
    for (const ProjectInfoField& field : kProjectInfoFields) {
        if (const Member value = stringMember(json, field.key, "project")) {
            info.*field.member = value->text();
        }
    }
    return info;
}

// The project's plant settings; what the file does not say keeps its
// default, and a coefficient outside the code's range is refused.
PlantSettings readPlantSettings(const JsonValue& json) {
    PlantSettings plant;
    if (const Member system = stringMember(json, "system", "plant")) {
        if (system->text() != systemKey(CoolingSystem::Direct) &&
            system->text() != systemKey(CoolingSystem::Indirect)) {
            refuse(DesignFileProblem::WrongType, "plant.system should be direct or indirect");
        }
        plant.system = system->text() == systemKey(CoolingSystem::Indirect)
                           ? CoolingSystem::Indirect
                           : CoolingSystem::Direct;
    }
    for (const CoefficientDef& def : kPlantCoefficients) {
        const Member value = member(json, def.key);
        if (!value) {
            continue;
        }
        const std::string where = "plant." + str(def.key);
        const auto set =
            value->isNumber() ? withCoefficient(plant, def.which, value->number()) : std::nullopt;
        if (!set) {
            refuse(DesignFileProblem::BadValue, where);
        }
        plant = *set;
    }
    return plant;
}

// The design's entries, by the rules of an entry added by hand.
std::shared_ptr<const Library> readLibrary(const JsonValue& json) {
    auto read = libraryFromJson(json.toJson(), "library");
    if (auto* error = std::get_if<LibraryFileError>(&read)) {
        if (error->problem == LibraryFileProblem::BadEntry) {
            throw Refusal{
                DesignFileError{DesignFileProblem::BadEntry, error->detail, 0, 0, error->entry}};
        }
        refuse(DesignFileProblem::WrongType, error->detail);
    }
    auto& library = std::get<Library>(read);
    return library.empty() ? emptyLibrary() : std::make_shared<const Library>(std::move(library));
}

void checkFormat(const JsonValue& top) {
    if (top.kind() != Kind::Object) {
        refuse(DesignFileProblem::NotDesign, "the file holds no JSON object");
    }
    const Member format = member(top, "format");
    if (!format || format->kind() != Kind::String || format->text() != kDesignFormat) {
        refuse(DesignFileProblem::NotDesign, R"("format" is not "gelvant-design")");
    }
    const Member version = member(top, "version");
    if (!version || version->kind() != Kind::Unsigned || version->unsignedInteger() < 1) {
        refuse(DesignFileProblem::NotDesign, "\"version\" is missing or not a version number");
    }
    if (version->unsignedInteger() > kDesignFormatVersion) {
        refuse(DesignFileProblem::NewerVersion, std::to_string(version->unsignedInteger()));
    }
}

OpenedDesign readDesign(const JsonValue& top) {
    checkFormat(top);
    OpenedDesign opened;
    if (const Member project = objectMember(top, "project", "design")) {
        opened.project.info = readProjectInfo(*project);
    }
    if (const Member plant = objectMember(top, "plant", "design")) {
        opened.project.plant = readPlantSettings(*plant);
    }
    // Absent in every design from before the choice: they show W.
    if (const Member unit = stringMember(top, "loadUnit", "design")) {
        const auto known = loadUnitFromKey(unit->text());
        if (!known) {
            refuse(DesignFileProblem::WrongType,
                   "design.loadUnit should be W, kW, kcal/h, RT or BTU/h");
        }
        opened.project.loadUnit = *known;
    }
    // Before the rooms: their lists show the design's entries.
    if (const Member library = objectMember(top, "library", "design")) {
        opened.project.library = readLibrary(*library);
    }
    if (const Member rooms = typed(top, "rooms", Kind::Array, "design", "should be an array")) {
        for (std::size_t i = 0; i < rooms->size(); ++i) {
            opened.project.rooms.push_back(
                readRoom(rooms->at(i), i, *opened.project.library, opened.unrestoredLists));
        }
    }
    if (opened.project.rooms.empty()) {
        opened.project.rooms = singleRoomProject(startupForm()).rooms;
    }
    if (const Member current = integerMember(top, "currentRoom", "design")) {
        const auto index = current->integer();
        if (index >= 0 && static_cast<std::size_t>(index) < opened.project.rooms.size()) {
            opened.project.current = static_cast<std::size_t>(index);
        }
    }
    if (const Member recovery = objectMember(top, "recovery", "design")) {
        if (const Member from = stringMember(*recovery, "file", "recovery")) {
            opened.recoveredFrom = from->text();
        }
    }
    return opened;
}

} // namespace

DesignReadResult readDesignText(std::string_view bytes) {
    if (bytes.empty()) {
        return {std::nullopt, DesignFileError{DesignFileProblem::Empty, {}}};
    }
    if (bytes.size() > kMaxDesignFileBytes) {
        return {std::nullopt, DesignFileError{DesignFileProblem::TooLarge, {}}};
    }
    auto parsed = JsonTree::read(bytes);
    if (const auto* broken = std::get_if<JsonTreeError>(&parsed)) {
        if (!broken->byte) {
            return {std::nullopt, DesignFileError{DesignFileProblem::NotJson, broken->what, 1, 1}};
        }
        const std::size_t byte = *broken->byte;
        const auto [line, column] = lineAndColumn(bytes, byte > 0 ? byte - 1 : 0);
        return {std::nullopt,
                DesignFileError{DesignFileProblem::NotJson, broken->what, line, column}};
    }
    try {
        return {readDesign(std::get<JsonTree>(parsed).root()), std::nullopt};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.error};
    }
}

} // namespace gelvant
