#pragma once

#include "form/field_dictionary.h"
#include "form/form_lists_events.h"
#include "form/library_entries.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace gelvant {

// One value an entry gives: the box it fills (the field's name is its key in
// scripts and files) and the range the value must lie in, both ends
// included. A field the record keeps as an integer takes whole numbers only.
struct LibraryKeyDef {
    std::string_view field;
    double low;
    double high;
};

struct LibraryKindDef {
    LibraryKind kind;
    std::string_view key;   // the driver's word and the member of the files
    std::string_view title; // 地区气候, 食品, 保温材料, 货物种类
    std::span<const LibraryKeyDef> keys;
};

// Names are one word of at most this many characters.
inline constexpr std::size_t kMaxEntryNameCharacters = 40;

const LibraryKindDef& libraryKindDef(LibraryKind kind);
std::optional<LibraryKind> libraryKindFromKey(std::string_view key);
// The key of that field name in the kind; none when the kind has no such key.
const LibraryKeyDef* libraryKey(LibraryKind kind, std::string_view field);
// The record field a key fills, and the box's label without surrounding blanks.
const FieldDef& keyField(const LibraryKeyDef& key);
std::string_view keyLabel(const LibraryKeyDef& key);
bool takesWholeNumbers(const LibraryKeyDef& key);
// The key's range as the designer reads it: "-60～60".
std::string keyRangeText(const LibraryKeyDef& key, std::string_view dash = "～");

// An entry's value of a key: the 32-bit value as the shortest decimal that
// reads back to it (0.047, not 0.04699999839), and as its box shows it.
double entryValue(const LibraryEntry& entry, const LibraryKeyDef& key);
std::string entryValueText(const LibraryEntry& entry, const LibraryKeyDef& key);

// --- What can be wrong with an entry -----------------------------------------------------

enum class LibraryProblemKind : std::uint8_t {
    UnknownKind,    // text: the word given
    NoName,         // the name is empty
    NameNotOneWord, // blanks, control characters or bytes that are not UTF-8
    NameTooLong,    // over kMaxEntryNameCharacters
    NameTaken,      // a built-in item or another entry of the list has the name
    UnknownKey,     // text: the key given
    RepeatedKey,    // key
    MissingKey,     // key
    NotNumber,      // key, text: the value given
    OutOfRange,     // key: outside its range, or not whole where it must be
    NoSuchEntry,    // the kind's list has no entry of that name
};

struct LibraryProblem {
    LibraryProblemKind what;
    LibraryKind kind = LibraryKind::Site;
    std::string name;                   // the entry's name
    const LibraryKeyDef* key = nullptr; // the key concerned
    std::string text;                   // the word given
};

// The list a kind's entries join.
const ListDef& libraryList(LibraryKind kind);

// The problem in the designer's words, naming the box and its range where
// a value is wrong: "环境平均温度℃ 应在 -60～60 之间。".
std::string describeInChinese(const LibraryProblem& problem);
// One line for the driver's usage errors.
std::string describeInEnglish(const LibraryProblem& problem);

// --- Making entries ------------------------------------------------------------------------------

// A value as the designer gives it: KEY=VALUE, VALUE a decimal number.
struct KeyText {
    std::string key;
    std::string text;
};

// A built-in item of the kind's list as an entry, to start an entry of
// one's own from: its text and its row's values (a product row may hold -99
// where the table does not know a value). None for an item without a row.
std::optional<LibraryEntry> builtInEntry(LibraryKind kind, std::size_t item);

// The name checked on its own: one word of at most 40 characters.
std::optional<LibraryProblem> checkEntryName(LibraryKind kind, std::string_view name);
// Whether a built-in item of the kind's list carries the name.
bool isBuiltInItem(LibraryKind kind, std::string_view name);
// The entry of that name; none when the library has none.
std::optional<std::size_t> findEntry(const Library& library, LibraryKind kind,
                                     std::string_view name);

// An entry of the kind, checked against every rule: the name (one word, at
// most 40 characters, no item of the list carries it; `replacing` names the
// entry it is to replace, whose name it may keep), each key once, every key
// of the kind, each value a number inside its range. Values are stored as
// the record stores the fields they fill.
std::variant<LibraryEntry, LibraryProblem>
makeEntry(const Library& library, LibraryKind kind, std::string_view name,
          std::span<const KeyText> values, std::optional<std::size_t> replacing = std::nullopt);
// The same from numbers, one per key in the kind's order (a view's table).
std::variant<LibraryEntry, LibraryProblem>
makeEntry(const Library& library, LibraryKind kind, std::string_view name,
          std::span<const double> values, std::optional<std::size_t> replacing = std::nullopt);
// The value a key takes from a number, or the problem (not finite, outside
// its range, not whole).
std::optional<LibraryProblem> setEntryValue(LibraryEntry& entry, LibraryKind kind,
                                            const LibraryKeyDef& key, double value);

// --- Libraries as a whole --------------------------------------------------------------------

// The library with the other's entries added after its own: an entry equal
// to one already there (name and values) is left out; one whose name its
// list already carries otherwise refuses the whole addition.
std::variant<Library, LibraryProblem> withEntriesOf(const Library& library, const Library& added);

// A design's library completed from the personal one: the design's entries,
// then the personal entries whose names the design does not hold. A personal
// entry whose name the design holds with other values is left out and named.
struct CompletedLibrary {
    Library library;
    std::vector<std::string> differing; // "地区气候 某县"
};
CompletedLibrary completedLibrary(const Library& design, const Library& personal);

// The library with the entry of that name replaced by `entry` in its place,
// or removed when there is none; an entry neither name of which the kind
// holds comes last. A view keeps its personal library in step with the entries the
// designer makes, changes and removes this way.
Library withEntrySet(const Library& library, LibraryKind kind, std::string_view name,
                     const std::optional<LibraryEntry>& entry);

// The personal library following the design: the entry the design now
// names `name` (none when the design has no such entry) takes the place of
// the personal entry named `before`. What a view keeps after the designer
// adds, changes or removes an entry of the design.
Library personalFollowing(const Library& personal, const Library& design, LibraryKind kind,
                          std::string_view before, std::string_view name);
// The same for every entry of a library just imported into the design,
// looked up by hashing: a file may hold thousands.
Library personalFollowing(const Library& personal, const Library& design, const Library& imported);

// The message box after opening a design whose entries differ from the
// personal entries of the same name.
std::string differingEntriesText(const std::vector<std::string>& entries);

} // namespace gelvant
