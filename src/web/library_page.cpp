// The page's link to the designer's own data (自定义数据): the design's
// entries a table per kind, the verbs that add, change, remove, import and
// export them, and the personal library the browser keeps. Every change is
// a verb of the design session (one undo step); the entries made, changed
// and removed are followed in the personal library, whose file text goes
// back to the page to keep.

#include "library/library.h"
#include "library/library_file.h"
#include "session/view_texts.h"
#include "web/page_session.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gelvant {
namespace {

using Json = nlohmann::ordered_json;

std::string str(std::string_view s) {
    return std::string(s);
}

// The kind of an index the page hands over; none outside the four.
std::optional<LibraryKind> kindAt(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kLibraryKinds.size()) {
        return std::nullopt;
    }
    return kLibraryKinds[static_cast<std::size_t>(index)];
}

// The key's box label with its range: "环境平均温度℃ (-60～60)".
std::string keyCaption(const LibraryKeyDef& key) {
    std::string caption = str(keyLabel(key));
    caption += " (";
    caption += keyRangeText(key);
    caption += ")";
    return caption;
}

// An entry as a row of the dialog's table: its name, then its values as
// their boxes show them.
Json entryRow(const LibraryEntry& entry, LibraryKind kind) {
    Json row = Json::array({entry.name});
    for (const LibraryKeyDef& key : libraryKindDef(kind).keys) {
        row.push_back(entryValueText(entry, key));
    }
    return row;
}

// What the designer wrote: {"name": "...", "values": ["...", ...]}, the
// values in the kind's order of keys.
struct Written {
    std::string name;
    std::vector<KeyText> values;
};

Written written(LibraryKind kind, const char* text) {
    const Json json = Json::parse(text != nullptr ? text : "", nullptr, false);
    Written out;
    if (!json.is_object()) {
        return out;
    }
    if (const auto name = json.find("name"); name != json.end() && name->is_string()) {
        out.name = name->get<std::string>();
    }
    const auto values = json.find("values");
    const auto keys = libraryKindDef(kind).keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::string value;
        if (values != json.end() && values->is_array() && i < values->size() &&
            (*values)[i].is_string()) {
            value = (*values)[i].get<std::string>();
        }
        out.values.push_back({str(keys[i].field), std::move(value)});
    }
    return out;
}

// A refusal in the core's words; box is the key's place in its kind, -1
// for the name.
const char* refused(const LibraryProblem& problem) {
    int box = -1;
    const auto keys = libraryKindDef(problem.kind).keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (problem.key == &keys[i]) {
            box = static_cast<int>(i);
        }
    }
    return handBack(dumpJson({{"refused", {{"text", describeInChinese(problem)}, {"box", box}}}}));
}

const char* refused(const LibraryFileError& error) {
    return handBack(dumpJson({{"refused", {{"text", describeInChinese(error)}, {"box", -1}}}}));
}

// The form after the change, with the personal library that now follows
// the design, as the page keeps it.
const char* changed(Library personal) {
    DesignSession& session = page().session;
    session.setPersonalLibrary(std::move(personal));
    return formAfterAction({{"personal", libraryFileText(session.personalLibrary())}});
}

const char* followed(LibraryKind kind, std::string_view before, std::string_view name) {
    const DesignSession& session = page().session;
    return changed(
        personalFollowing(session.personalLibrary(), session.library(), kind, before, name));
}

} // namespace
} // namespace gelvant

using namespace gelvant;

extern "C" {

// The dialog's words and each kind's columns: its title, and each key's
// caption with its range.
const char* gv_library_words() {
    using namespace view_text;
    Json kinds = Json::array();
    for (const LibraryKind kind : kLibraryKinds) {
        const LibraryKindDef& def = libraryKindDef(kind);
        Json columns = Json::array();
        for (const LibraryKeyDef& key : def.keys) {
            columns.push_back(keyCaption(key));
        }
        kinds.push_back({{"key", str(def.key)},
                         {"title", str(def.title)},
                         {"list", str(libraryList(kind).name)},
                         {"columns", columns}});
    }
    const Json words = {{"title", kLibraryTitle},
                        {"hint", kLibraryHint},
                        {"nameColumn", kEntryNameColumn},
                        {"add", kLibraryAdd},
                        {"edit", kLibraryEdit},
                        {"remove", kLibraryRemove},
                        {"copyBuiltIn", kLibraryCopyBuiltIn},
                        {"import", kLibraryImport},
                        {"export", kLibraryExport},
                        {"close", kLibraryClose},
                        {"builtInPrompt", kBuiltInItemPrompt},
                        {"labelColon", kLabelColon},
                        {"fileName", kLibraryFileName},
                        {"cannotKeep", kCannotKeepPersonalLibrary},
                        {"cannotRead", kCannotReadPersonalLibrary},
                        {"kinds", kinds}};
    return handBack(dumpJson(words));
}

// The design's entries, a table of rows per kind.
const char* gv_library() {
    const Library& library = page().session.library();
    Json tables = Json::array();
    for (const LibraryKind kind : kLibraryKinds) {
        Json rows = Json::array();
        for (const LibraryEntry& entry : library.of(kind)) {
            rows.push_back(entryRow(entry, kind));
        }
        tables.push_back(std::move(rows));
    }
    return handBack(dumpJson(tables));
}

// The built-in rows of the kind's list, to start an entry from.
const char* gv_library_built_in(int kindIndex) {
    Json rows = Json::array();
    if (const auto kind = kindAt(kindIndex)) {
        const std::size_t items = page().session.form().builtInItemCount(libraryListControl(*kind));
        for (std::size_t item = 0; item < items; ++item) {
            if (const auto row = builtInEntry(*kind, item)) {
                rows.push_back(entryRow(*row, *kind));
            }
        }
    }
    return handBack(dumpJson(rows));
}

// A new entry as written; refused with the core's words, naming the box
// and its range, when it breaks a rule, and nothing is added.
const char* gv_library_add(int kindIndex, const char* entry) {
    const auto kind = kindAt(kindIndex);
    if (!kind) {
        return formAfterAction();
    }
    const Written made = written(*kind, entry);
    if (const auto problem = page().session.addLibraryEntry(*kind, made.name, made.values)) {
        return refused(*problem);
    }
    return followed(*kind, made.name, made.name);
}

// The entry named `before` as rewritten, in its place.
const char* gv_library_change(int kindIndex, const char* before, const char* entry) {
    const auto kind = kindAt(kindIndex);
    if (!kind || before == nullptr) {
        return formAfterAction();
    }
    const Written made = written(*kind, entry);
    if (const auto problem =
            page().session.changeLibraryEntry(*kind, before, made.name, made.values)) {
        return refused(*problem);
    }
    return followed(*kind, before, made.name);
}

const char* gv_library_remove(int kindIndex, const char* name) {
    const auto kind = kindAt(kindIndex);
    if (!kind || name == nullptr) {
        return formAfterAction();
    }
    if (const auto problem = page().session.removeLibraryEntry(*kind, name)) {
        return refused(*problem);
    }
    return followed(*kind, name, name);
}

// A library file's entries added after the design's own; a file that
// cannot be read, or an entry whose name its list carries with other
// values, is refused with the reason, and nothing changes.
const char* gv_library_import(const char* bytes, int size) {
    const std::string_view text = bytesAt(bytes, size);
    const LibraryReadResult read = readLibraryText(text);
    if (read.error) {
        return refused(*read.error);
    }
    DesignSession& session = page().session;
    if (const auto error = session.importLibrary(text)) {
        return refused(*error);
    }
    return changed(personalFollowing(session.personalLibrary(), session.library(), *read.library));
}

// The design's entries as a library file, for a download.
const char* gv_library_export() {
    return handBytes(page().session.exportLibrary());
}

// The personal library as the browser kept it (none: an empty one), for
// the designs started from now on. One that cannot be read changes nothing
// and is named, to be left as it is.
const char* gv_set_personal_library(const char* bytes, int size) {
    const std::string_view text = bytesAt(bytes, size);
    if (text.empty()) {
        page().session.setPersonalLibrary({});
        return handBack("{}");
    }
    LibraryReadResult read = readLibraryText(text);
    if (read.error) {
        std::string said(view_text::kCannotReadPersonalLibrary);
        said += describeInChinese(*read.error);
        return handBack(dumpJson({{"unread", said}}));
    }
    page().session.setPersonalLibrary(std::move(*read.library));
    return handBack("{}");
}

} // extern "C"
