#include "document/design_file.h"
#include "document/design_file_parts.h"
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

namespace gelvant {
namespace {

// Looking members up by name: a sorted map finds them in a few steps.
using Json = nlohmann::json;

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

const Json* member(const Json& object, std::string_view key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

// An optional member that must have the given type when present.
const Json* typed(const Json& object, std::string_view key, Json::value_t type,
                  const std::string& where, std::string_view expected) {
    const Json* value = member(object, key);
    if (value == nullptr) {
        return nullptr;
    }
    const bool isNumber = type == Json::value_t::number_integer && value->is_number_integer();
    if (value->type() != type && !isNumber) {
        refuse(DesignFileProblem::WrongType, where + "." + str(key) + " " + str(expected));
    }
    return value;
}

const Json* objectMember(const Json& o, std::string_view key, const std::string& where) {
    return typed(o, key, Json::value_t::object, where, "should be an object");
}
const Json* stringMember(const Json& o, std::string_view key, const std::string& where) {
    return typed(o, key, Json::value_t::string, where, "should be a string");
}
const Json* boolMember(const Json& o, std::string_view key, const std::string& where) {
    return typed(o, key, Json::value_t::boolean, where, "should be true or false");
}
const Json* integerMember(const Json& o, std::string_view key, const std::string& where) {
    return typed(o, key, Json::value_t::number_integer, where, "should be a whole number");
}

float floatFromJson(const Json& value, const std::string& where) {
    if (value.is_string()) {
        const auto& text = value.get_ref<const std::string&>();
        if (text == "inf" || text == "-inf") {
            const float inf = std::numeric_limits<float>::infinity();
            return text == "inf" ? inf : -inf;
        }
        if (text == "nan" || text == "-nan") {
            return bitCast<float>(text == "nan" ? kQuietNan : kQuietNan | kSignBit);
        }
        refuse(DesignFileProblem::BadValue, where);
    }
    if (!value.is_number()) {
        refuse(DesignFileProblem::BadValue, where);
    }
    // Beyond the largest float by half its last unit a number would round to
    // infinity: no float writes as such a number.
    const double number = value.get<double>();
    const double beyondLargest =
        static_cast<double>(std::numeric_limits<float>::max()) + std::ldexp(1.0, 103);
    if (!std::isfinite(number) || std::fabs(number) >= beyondLargest) {
        refuse(DesignFileProblem::BadValue, where);
    }
    return static_cast<float>(number);
}

std::int32_t intFromJson(const Json& value, const std::string& where) {
    if (value.is_number_integer()) {
        const bool isSigned = !value.is_number_unsigned();
        if (isSigned) {
            const auto n = value.get<std::int64_t>();
            if (n >= std::numeric_limits<std::int32_t>::min() &&
                n <= std::numeric_limits<std::int32_t>::max()) {
                return static_cast<std::int32_t>(n);
            }
        } else if (value.get<std::uint64_t>() <=
                   static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
            return static_cast<std::int32_t>(value.get<std::uint64_t>());
        }
    }
    refuse(DesignFileProblem::BadValue, where);
}

void readFields(const Json& fields, FormState& form, const std::string& where) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldDef& def = kFields[i];
        const std::string at = where + ".fields." + str(def.name);
        const Json* entry = objectMember(fields, def.name, where + ".fields");
        if (entry == nullptr) {
            continue;
        }
        if (const Json* text = stringMember(*entry, "text", at)) {
            form.editTexts[i] = text->get<std::string>();
        }
        if (const Json* value = member(*entry, "value")) {
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
bool readListChoice(const Json& entry, const ListItems& items, ListChoice& choice,
                    const std::string& where) {
    const Json* index = integerMember(entry, "index", where);
    const Json* text = stringMember(entry, "text", where);
    const Json* typedText = stringMember(entry, "typed", where);
    const std::size_t count = items.count();
    const std::int64_t savedIndex = index != nullptr ? index->get<std::int64_t>() : -1;
    const std::string savedText = text != nullptr ? text->get<std::string>() : std::string();
    if (savedIndex < 0 && savedText.empty()) {
        choice = ListChoice{-1, typedText != nullptr ? typedText->get<std::string>() : ""};
        return true;
    }
    if (savedIndex >= 0 && static_cast<std::size_t>(savedIndex) < count &&
        (text == nullptr || items.at(static_cast<std::size_t>(savedIndex)) == savedText)) {
        choice = ListChoice{static_cast<int>(savedIndex),
                            str(items.at(static_cast<std::size_t>(savedIndex)))};
        return true;
    }
    for (std::size_t i = 0; i < count && text != nullptr; ++i) {
        if (items.at(i) == savedText) {
            choice = ListChoice{static_cast<int>(i), savedText};
            return true;
        }
    }
    choice = ListChoice{};
    return false;
}

void readLists(const Json& lists, FormState& form, const Library& library, const std::string& where,
               const std::string& roomName, std::vector<std::string>& unrestored) {
    const auto defs = designFormLists();
    for (std::size_t i = 0; i < defs.size() && i < form.lists.size(); ++i) {
        const Json* entry = objectMember(lists, defs[i].name, where + ".lists");
        if (entry == nullptr) {
            continue;
        }
        const std::string at = where + ".lists." + str(defs[i].name);
        const ListItems items(defs[i], form.referenceRowsAppended, library);
        if (!readListChoice(*entry, items, form.lists[i], at)) {
            unrestored.push_back(roomName + ": " + str(defs[i].name));
        }
    }
}

void readTextsAndToggles(const Json& room, FormState& form, const std::string& where) {
    if (const Json* texts = objectMember(room, "texts", where)) {
        for (std::size_t i = 0; i < kStaticTexts.size(); ++i) {
            if (const Json* t = stringMember(*texts, kStaticTexts[i].name, where + ".texts")) {
                form.staticTexts[i] = t->get<std::string>();
            }
        }
    }
    if (const Json* visible = objectMember(room, "visible", where)) {
        for (std::size_t i = 0; i < kToggledControls.size(); ++i) {
            if (const Json* v =
                    boolMember(*visible, kToggledControls[i].name, where + ".visible")) {
                form.visible[i] = v->get<bool>();
            }
        }
    }
    if (const Json* options = objectMember(room, "options", where)) {
        if (const Json* v = boolMember(*options, "enthalpyOption", where + ".options")) {
            form.enthalpyChecked = v->get<bool>();
        }
        if (const Json* v = boolMember(*options, "specificHeatOption", where + ".options")) {
            form.specificHeatChecked = v->get<bool>();
        }
    }
}

Room readRoom(const Json& json, std::size_t index, const Library& library,
              std::vector<std::string>& unrestored) {
    const std::string where = "rooms[" + std::to_string(index) + "]";
    if (!json.is_object()) {
        refuse(DesignFileProblem::WrongType, where + " should be an object");
    }
    Room room{str(kFirstRoomName), CoolingEquipment::AirCooler, nullptr};
    if (const Json* name = stringMember(json, "name", where)) {
        room.name = name->get<std::string>();
    }
    if (const Json* equipment = stringMember(json, "equipment", where)) {
        if (*equipment == "coil") {
            room.equipment = CoolingEquipment::Coil;
        } else if (*equipment != "aircooler") {
            refuse(DesignFileProblem::WrongType, where + ".equipment should be aircooler or coil");
        }
    }
    if (const Json* use = stringMember(json, "use", where)) {
        const auto known = useFromKey(use->get_ref<const std::string&>());
        if (!known) {
            refuse(DesignFileProblem::WrongType,
                   where + ".use should be auto, chilling, freezing, chilled, frozen, ice, "
                           "anteroom or processing");
        }
        room.use = *known;
    }
    if (const Json* p = member(json, "p")) {
        if (!p->is_number() || !withinGoodsLoadFactorRange(p->get<double>())) {
            refuse(DesignFileProblem::BadValue, where + ".p");
        }
        room.goodsLoadFactor = p->get<double>();
    }
    FormState form = *startupForm();
    if (const Json* appended = boolMember(json, "referenceRowsAppended", where)) {
        form.referenceRowsAppended = appended->get<bool>();
    }
    if (const Json* fields = objectMember(json, "fields", where)) {
        readFields(*fields, form, where);
    }
    if (const Json* lists = objectMember(json, "lists", where)) {
        readLists(*lists, form, library, where, room.name, unrestored);
    }
    readTextsAndToggles(json, form, where);
    if (const Json* inputs = stringMember(json, "computedInputs", where)) {
        room.computedInputs = fingerprintFromText(inputs->get_ref<const std::string&>());
        if (!room.computedInputs) {
            refuse(DesignFileProblem::BadValue, where + ".computedInputs");
        }
    }
    room.form = std::make_shared<const FormState>(std::move(form));
    return room;
}

ProjectInfo readProjectInfo(const Json& json) {
    ProjectInfo info;
    for (const ProjectInfoField& field : kProjectInfoFields) {
        if (const Json* value = stringMember(json, field.key, "project")) {
            info.*field.member = value->get<std::string>();
        }
    }
    return info;
}

// The project's plant settings; what the file does not say keeps its
// default, and a coefficient outside the code's range is refused.
PlantSettings readPlantSettings(const Json& json) {
    PlantSettings plant;
    if (const Json* system = stringMember(json, "system", "plant")) {
        if (*system != systemKey(CoolingSystem::Direct) &&
            *system != systemKey(CoolingSystem::Indirect)) {
            refuse(DesignFileProblem::WrongType, "plant.system should be direct or indirect");
        }
        plant.system = *system == systemKey(CoolingSystem::Indirect) ? CoolingSystem::Indirect
                                                                     : CoolingSystem::Direct;
    }
    for (const CoefficientDef& def : kPlantCoefficients) {
        const Json* value = member(json, def.key);
        if (value == nullptr) {
            continue;
        }
        const std::string where = "plant." + str(def.key);
        const auto set = value->is_number()
                             ? withCoefficient(plant, def.which, value->get<double>())
                             : std::nullopt;
        if (!set) {
            refuse(DesignFileProblem::BadValue, where);
        }
        plant = *set;
    }
    return plant;
}

// The design's entries, by the rules of an entry added by hand.
std::shared_ptr<const Library> readLibrary(const Json& json) {
    auto read = libraryFromJson(json, "library");
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

void checkFormat(const Json& top) {
    if (!top.is_object()) {
        refuse(DesignFileProblem::NotDesign, "the file holds no JSON object");
    }
    const Json* format = member(top, "format");
    if (format == nullptr || !format->is_string() || *format != kDesignFormat) {
        refuse(DesignFileProblem::NotDesign, R"("format" is not "gelvant-design")");
    }
    const Json* version = member(top, "version");
    if (version == nullptr || !version->is_number_unsigned() || version->get<std::uint64_t>() < 1) {
        refuse(DesignFileProblem::NotDesign, "\"version\" is missing or not a version number");
    }
    if (version->get<std::uint64_t>() > kDesignFormatVersion) {
        refuse(DesignFileProblem::NewerVersion, version->dump());
    }
}

OpenedDesign readDesign(const Json& top) {
    checkFormat(top);
    OpenedDesign opened;
    if (const Json* project = objectMember(top, "project", "design")) {
        opened.project.info = readProjectInfo(*project);
    }
    if (const Json* plant = objectMember(top, "plant", "design")) {
        opened.project.plant = readPlantSettings(*plant);
    }
    // Absent in every design from before the choice: they show W.
    if (const Json* unit = stringMember(top, "loadUnit", "design")) {
        const auto known = loadUnitFromKey(unit->get_ref<const std::string&>());
        if (!known) {
            refuse(DesignFileProblem::WrongType,
                   "design.loadUnit should be W, kW, kcal/h, RT or BTU/h");
        }
        opened.project.loadUnit = *known;
    }
    // Before the rooms: their lists show the design's entries.
    if (const Json* library = objectMember(top, "library", "design")) {
        opened.project.library = readLibrary(*library);
    }
    if (const Json* rooms =
            typed(top, "rooms", Json::value_t::array, "design", "should be an array")) {
        for (std::size_t i = 0; i < rooms->size(); ++i) {
            opened.project.rooms.push_back(
                readRoom((*rooms)[i], i, *opened.project.library, opened.unrestoredLists));
        }
    }
    if (opened.project.rooms.empty()) {
        opened.project.rooms = singleRoomProject(startupForm()).rooms;
    }
    if (const Json* current = integerMember(top, "currentRoom", "design")) {
        const auto index = current->get<std::int64_t>();
        if (index >= 0 && static_cast<std::size_t>(index) < opened.project.rooms.size()) {
            opened.project.current = static_cast<std::size_t>(index);
        }
    }
    if (const Json* recovery = objectMember(top, "recovery", "design")) {
        if (const Json* from = stringMember(*recovery, "file", "recovery")) {
            opened.recoveredFrom = from->get<std::string>();
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
    Json top;
    try {
        top = Json::parse(bytes);
    } catch (const Json::parse_error& e) {
        const auto [line, column] = lineAndColumn(bytes, e.byte > 0 ? e.byte - 1 : 0);
        return {std::nullopt, DesignFileError{DesignFileProblem::NotJson, e.what(), line, column}};
    } catch (const Json::exception& e) {
        return {std::nullopt, DesignFileError{DesignFileProblem::NotJson, e.what(), 1, 1}};
    }
    try {
        return {readDesign(top), std::nullopt};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.error};
    }
}

} // namespace gelvant
