#include "document/design_file.h"
#include "document/design_file_parts.h"
#include "document/json_writer.h"
#include "form/controls.h"
#include "form/field_dictionary.h"
#include "form/portable.h"
#include "form/program.h"
#include "form/text_exchange.h"
#include "library/library_json.h"
#include "plant/plant_settings.h"
#include "plant/room_use.h"
#include "project/load_unit.h"
#include "project/project_info_fields.h"
#include "project/result_inputs.h"

#include <cmath>
#include <cstdint>

namespace gelvant {
namespace {

// A float as the shortest decimal that reads back to it, so that the file
// shows 4.2 and not 4.199999809265137; non-finite values as words.
void writeFloat(JsonWriter& out, float value) {
    if (std::isnan(value)) {
        out.string((bitCast<std::uint32_t>(value) & kSignBit) != 0 ? "-nan" : "nan");
        return;
    }
    if (std::isinf(value)) {
        out.string(value < 0 ? "-inf" : "inf");
        return;
    }
    out.number(shortestDecimal(value));
}

void writeFields(JsonWriter& out, const FormState& form) {
    out.beginObject();
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldDef& def = kFields[i];
        out.key(def.name);
        out.beginObject();
        out.key("text");
        out.string(form.editTexts[i]);
        out.key("value");
        if (def.type == FieldType::Float) {
            writeFloat(out, form.sheet.*def.floatMember);
        } else {
            out.integer(form.sheet.*def.intMember);
        }
        out.endObject();
    }
    out.endObject();
}

void writeLists(JsonWriter& out, const FormState& form, const Library& library) {
    out.beginObject();
    const auto defs = designFormLists();
    for (std::size_t i = 0; i < defs.size() && i < form.lists.size(); ++i) {
        const ListChoice& choice = form.lists[i];
        const ListItems items(defs[i], form.referenceRowsAppended, library);
        out.key(defs[i].name);
        out.beginObject();
        out.key("index");
        out.integer(choice.current);
        out.key("text");
        const bool chosen =
            choice.current >= 0 && static_cast<std::size_t>(choice.current) < items.count();
        out.string(chosen ? items.at(static_cast<std::size_t>(choice.current))
                          : std::string_view());
        if (choice.current < 0 && !choice.editText.empty()) {
            out.key("typed"); // typed over the list's edit part
            out.string(choice.editText);
        }
        out.endObject();
    }
    out.endObject();
}

void writeTextsAndToggles(JsonWriter& out, const FormState& form) {
    out.key("texts");
    out.beginObject();
    for (std::size_t i = 0; i < kStaticTexts.size(); ++i) {
        out.key(kStaticTexts[i].name);
        out.string(form.staticTexts[i]);
    }
    out.endObject();
    out.key("visible");
    out.beginObject();
    for (std::size_t i = 0; i < kToggledControls.size(); ++i) {
        out.key(kToggledControls[i].name);
        out.boolean(form.visible[i]);
    }
    out.endObject();
    out.key("options");
    out.beginObject();
    out.key("enthalpyOption");
    out.boolean(form.enthalpyChecked);
    out.key("specificHeatOption");
    out.boolean(form.specificHeatChecked);
    out.endObject();
}

void writeRoom(JsonWriter& out, const Room& room, const Library& library) {
    const FormState& form = *room.form;
    out.beginObject();
    out.key("name");
    out.string(room.name);
    out.key("equipment");
    out.string(equipmentKey(room.equipment));
    out.key("use");
    out.string(useKey(room.use));
    if (room.goodsLoadFactor) {
        out.key("p"); // only once the designer set it: else it follows the use
        out.number(*room.goodsLoadFactor);
    }
    out.key("fields");
    writeFields(out, form);
    out.key("lists");
    writeLists(out, form, library);
    writeTextsAndToggles(out, form);
    out.key("referenceRowsAppended");
    out.boolean(form.referenceRowsAppended);
    if (room.computedInputs) {
        out.key("computedInputs"); // what tells, once opened, whether the results are current
        out.string(fingerprintText(*room.computedInputs));
    }
    out.endObject();
}

void writeProjectInfo(JsonWriter& out, const ProjectInfo& info) {
    out.beginObject();
    for (const ProjectInfoField& field : kProjectInfoFields) {
        out.key(field.key);
        out.string(info.*field.member);
    }
    out.endObject();
}

void writePlantSettings(JsonWriter& out, const PlantSettings& plant) {
    out.beginObject();
    out.key("system");
    out.string(systemKey(plant.system));
    for (const CoefficientDef& def : kPlantCoefficients) {
        out.key(def.key);
        out.number(plant.*def.member);
    }
    out.endObject();
}

// The designer's own data the design carries, entries as the library file
// holds them.
void writeLibrary(JsonWriter& out, const Library& library) {
    out.beginObject();
    for (const LibraryKind kind : kLibraryKinds) {
        const LibraryKindDef& def = libraryKindDef(kind);
        out.key(def.key);
        out.beginArray();
        for (const LibraryEntry& entry : library.of(kind)) {
            out.beginObject();
            out.key("name");
            out.string(entry.name);
            for (const LibraryKeyDef& key : def.keys) {
                out.key(key.field);
                const double value = entryValue(entry, key);
                if (takesWholeNumbers(key)) {
                    out.integer(static_cast<std::int64_t>(value));
                } else {
                    out.number(value);
                }
            }
            out.endObject();
        }
        out.endArray();
    }
    out.endObject();
}

} // namespace

std::string designFileText(const Project& project, std::string_view recoveredFrom) {
    JsonWriter out;
    out.beginObject();
    out.key("format");
    out.string(kDesignFormat);
    out.key("version");
    out.integer(kDesignFormatVersion);
    out.key("program");
    out.beginObject();
    out.key("name");
    out.string(kProgramName);
    out.key("version");
    out.string(kProgramVersion);
    out.endObject();
    out.key("project");
    writeProjectInfo(out, project.info);
    out.key("plant");
    writePlantSettings(out, project.plant);
    // A design shown in W, as every design before the choice, is written as before.
    if (project.loadUnit != LoadUnit::W) {
        out.key("loadUnit");
        out.string(loadUnitDef(project.loadUnit).key);
    }
    // A design without entries is written as before the library existed.
    if (!project.library->empty()) {
        out.key("library");
        writeLibrary(out, *project.library);
    }
    out.key("rooms");
    out.beginArray();
    for (const Room& room : project.rooms) {
        writeRoom(out, room, *project.library);
    }
    out.endArray();
    out.key("currentRoom");
    out.integer(static_cast<std::int64_t>(project.current));
    if (!recoveredFrom.empty()) {
        out.key("recovery");
        out.beginObject();
        out.key("file");
        out.string(recoveredFrom);
        out.endObject();
    }
    out.endObject();
    return out.take() + "\n";
}

} // namespace gelvant
