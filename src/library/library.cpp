#include "library/library.h"

#include "form/entered_number.h"
#include "form/form_state.h"
#include "form/numeric.h"
#include "form/portable.h"
#include "form/table_items.h"
#include "form/text_exchange.h"
#include "form/utf8.h"
#include "form_tables/design_form.h"
#include "tables/goods_kind_table.h"
#include "tables/insulation_table.h"
#include "tables/product_thermal_table.h"
#include "tables/site_climate_table.h"

#include <algorithm>
#include <unordered_map>

namespace gelvant {
namespace {

// The ranges a designer's value may take: the climates and goods of the
// country, with room to spare, and the materials a cold store is built of.
constexpr double kTempLow = -60;
constexpr double kTempHigh = 60;
constexpr double kSpecificHeatLow = 0.1;
constexpr double kSpecificHeatHigh = 10;
constexpr double kDensityLow = 1;
constexpr double kDensityHigh = 3000;

constexpr std::array kSiteKeys{
    LibraryKeyDef{"ambientTemp", kTempLow, kTempHigh},
    LibraryKeyDef{"ambientHumidity", 0, 100},
    LibraryKeyDef{"summerAirConditioningTemp", kTempLow, kTempHigh},
    LibraryKeyDef{"summerPressurePa", 50000, 110000},
};
constexpr std::array kProductKeys{
    LibraryKeyDef{"waterContentPercent", 0, 100},
    LibraryKeyDef{"freezingPoint", kTempLow, 0},
    LibraryKeyDef{"specificHeatUnfrozen", kSpecificHeatLow, kSpecificHeatHigh},
    LibraryKeyDef{"specificHeatFrozen", kSpecificHeatLow, kSpecificHeatHigh},
};
constexpr std::array kInsulationKeys{
    LibraryKeyDef{"insulationConductivity", 0.001, 5},
    LibraryKeyDef{"insulationDensity", kDensityLow, kDensityHigh},
    LibraryKeyDef{"insulationSpecificHeat", kSpecificHeatLow, kSpecificHeatHigh},
};
constexpr std::array kGoodsKeys{
    LibraryKeyDef{"goodsDensity", kDensityLow, kDensityHigh},
};

const std::array<LibraryKindDef, kLibraryKinds.size()> kKindDefs{{
    {LibraryKind::Site, "site", "地区气候", kSiteKeys},
    {LibraryKind::Product, "product", "食品", kProductKeys},
    {LibraryKind::Insulation, "insulation", "保温材料", kInsulationKeys},
    {LibraryKind::Goods, "goods", "货物种类", kGoodsKeys},
}};

// Every key names a field of the record: a misspelt one does not build.
consteval bool keysNameFields() {
    for (const auto& keys :
         {std::span<const LibraryKeyDef>(kSiteKeys), std::span<const LibraryKeyDef>(kProductKeys),
          std::span<const LibraryKeyDef>(kInsulationKeys),
          std::span<const LibraryKeyDef>(kGoodsKeys)}) {
        for (const LibraryKeyDef& key : keys) {
            (void)fieldControl(key.field);
        }
    }
    return true;
}
static_assert(keysNameFields());

std::string str(std::string_view s) {
    return std::string(s);
}

std::string numberText(double value) {
    return shortestText(value);
}

LibraryProblem problem(LibraryProblemKind what, LibraryKind kind, std::string_view name,
                       const LibraryKeyDef* key = nullptr, std::string_view text = {}) {
    return LibraryProblem{what, kind, str(name), key, str(text)};
}

bool nameTaken(const Library& library, LibraryKind kind, std::string_view name,
               std::optional<std::size_t> except) {
    if (isBuiltInItem(kind, name)) {
        return true;
    }
    const auto found = findEntry(library, kind, name);
    return found && found != except;
}

std::optional<LibraryProblem> checkNewName(const Library& library, LibraryKind kind,
                                           std::string_view name,
                                           std::optional<std::size_t> replacing) {
    if (auto wrong = checkEntryName(kind, name)) {
        return wrong;
    }
    if (nameTaken(library, kind, name, replacing)) {
        return problem(LibraryProblemKind::NameTaken, kind, name);
    }
    return std::nullopt;
}

bool sameEntry(const LibraryEntry& a, const LibraryEntry& b) {
    return a.name == b.name && sameRecord(a.values, b.values);
}

} // namespace

// --- Kinds and keys -------------------------------------------------------------------------

const LibraryKindDef& libraryKindDef(LibraryKind kind) {
    return kKindDefs[kindSlot(kind)];
}

std::optional<LibraryKind> libraryKindFromKey(std::string_view key) {
    for (const LibraryKindDef& def : kKindDefs) {
        if (def.key == key) {
            return def.kind;
        }
    }
    return std::nullopt;
}

const LibraryKeyDef* libraryKey(LibraryKind kind, std::string_view field) {
    for (const LibraryKeyDef& key : libraryKindDef(kind).keys) {
        if (key.field == field) {
            return &key;
        }
    }
    return nullptr;
}

const FieldDef& keyField(const LibraryKeyDef& key) {
    return kFields.at(fieldIndexByName(key.field).value());
}

std::string_view keyLabel(const LibraryKeyDef& key) {
    return trimBlanks(keyField(key).label);
}

bool takesWholeNumbers(const LibraryKeyDef& key) {
    return keyField(key).type == FieldType::Int;
}

const ListDef& libraryList(LibraryKind kind) {
    const int control = libraryListControl(kind);
    const auto lists = designFormLists();
    return *std::find_if(lists.begin(), lists.end(),
                         [&](const ListDef& def) { return def.controlId == control; });
}

std::string keyRangeText(const LibraryKeyDef& key, std::string_view dash) {
    return numberText(key.low) + str(dash) + numberText(key.high);
}

double entryValue(const LibraryEntry& entry, const LibraryKeyDef& key) {
    const FieldDef& def = keyField(key);
    return def.type == FieldType::Float ? shortestDecimal(entry.values.*def.floatMember)
                                        : static_cast<double>(entry.values.*def.intMember);
}

std::string entryValueText(const LibraryEntry& entry, const LibraryKeyDef& key) {
    const FieldDef& def = keyField(key);
    return def.type == FieldType::Float ? formatFloatText(entry.values.*def.floatMember)
                                        : formatIntText(entry.values.*def.intMember);
}

// --- Making entries ---------------------------------------------------------------------------

std::optional<LibraryEntry> builtInEntry(LibraryKind kind, std::size_t item) {
    const auto items = libraryList(kind).items();
    if (item >= items.size()) {
        return std::nullopt;
    }
    LibraryEntry entry{str(items[item]), {}};
    DesignSheet& v = entry.values;
    switch (kind) {
    case LibraryKind::Site: {
        const SiteClimateRow& row = kSiteClimateTable.at(item);
        v.ambientTemp = row.ambientTempC;
        v.ambientHumidity = row.ambientHumidityPercent;
        v.summerAirConditioningTemp = row.summerAirConditioningTempC;
        v.summerPressurePa = row.summerPressurePa;
        return entry;
    }
    case LibraryKind::Product: {
        const ProductThermalRow* row = findRowByItem(kProductThermalTable, items[item]);
        if (row == nullptr) {
            return std::nullopt;
        }
        v.waterContentPercent = row->waterContentPercent;
        v.freezingPoint = row->freezingPointC;
        v.specificHeatUnfrozen = row->specificHeatUnfrozenKJPerKgC;
        v.specificHeatFrozen = row->specificHeatFrozenKJPerKgC;
        return entry;
    }
    case LibraryKind::Insulation: {
        const InsulationRow& row = kInsulationTable.at(item);
        v.insulationConductivity = row.conductivityWPerMC;
        v.insulationDensity = row.densityKgPerM3;
        v.insulationSpecificHeat = row.specificHeatKJPerKgC;
        return entry;
    }
    case LibraryKind::Goods:
        v.goodsDensity = kGoodsKindTable.at(item).densityKgPerM3;
        return entry;
    }
    return std::nullopt;
}

std::optional<LibraryProblem> checkEntryName(LibraryKind kind, std::string_view name) {
    if (name.empty()) {
        return problem(LibraryProblemKind::NoName, kind, name);
    }
    if (!isOneWord(name)) {
        return problem(LibraryProblemKind::NameNotOneWord, kind, name);
    }
    if (countCharacters(name) > kMaxEntryNameCharacters) {
        return problem(LibraryProblemKind::NameTooLong, kind, name);
    }
    return std::nullopt;
}

bool isBuiltInItem(LibraryKind kind, std::string_view name) {
    const auto items = libraryList(kind).items();
    return std::find(items.begin(), items.end(), name) != items.end();
}

std::optional<std::size_t> findEntry(const Library& library, LibraryKind kind,
                                     std::string_view name) {
    const auto& entries = library.of(kind);
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const LibraryEntry& entry) { return entry.name == name; });
    if (found == entries.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - entries.begin());
}

std::optional<LibraryProblem> setEntryValue(LibraryEntry& entry, LibraryKind kind,
                                            const LibraryKeyDef& key, double value) {
    const bool whole = takesWholeNumbers(key);
    // Written so that a NaN fails too.
    if (!(value >= key.low && value <= key.high) || (whole && std::trunc(value) != value)) {
        return problem(LibraryProblemKind::OutOfRange, kind, entry.name, &key);
    }
    const FieldDef& def = keyField(key);
    if (whole) {
        entry.values.*def.intMember = truncInt(value);
    } else {
        entry.values.*def.floatMember = toFloat32(value);
    }
    return std::nullopt;
}

std::variant<LibraryEntry, LibraryProblem> makeEntry(const Library& library, LibraryKind kind,
                                                     std::string_view name,
                                                     std::span<const KeyText> values,
                                                     std::optional<std::size_t> replacing) {
    if (auto wrong = checkNewName(library, kind, name, replacing)) {
        return *wrong;
    }
    const auto keys = libraryKindDef(kind).keys;
    LibraryEntry entry{str(name), {}};
    std::vector<bool> given(keys.size(), false);
    for (const KeyText& value : values) {
        const LibraryKeyDef* key = libraryKey(kind, value.key);
        if (key == nullptr) {
            return problem(LibraryProblemKind::UnknownKey, kind, name, nullptr, value.key);
        }
        const auto slot = static_cast<std::size_t>(key - keys.data());
        if (given[slot]) {
            return problem(LibraryProblemKind::RepeatedKey, kind, name, key);
        }
        given[slot] = true;
        const auto number = enteredNumber(value.text);
        if (!number) {
            return problem(LibraryProblemKind::NotNumber, kind, name, key, value.text);
        }
        if (auto wrong = setEntryValue(entry, kind, *key, *number)) {
            return *wrong;
        }
    }
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (!given[k]) {
            return problem(LibraryProblemKind::MissingKey, kind, name, &keys[k]);
        }
    }
    return entry;
}

std::variant<LibraryEntry, LibraryProblem> makeEntry(const Library& library, LibraryKind kind,
                                                     std::string_view name,
                                                     std::span<const double> values,
                                                     std::optional<std::size_t> replacing) {
    if (auto wrong = checkNewName(library, kind, name, replacing)) {
        return *wrong;
    }
    const auto keys = libraryKindDef(kind).keys;
    LibraryEntry entry{str(name), {}};
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (k >= values.size()) {
            return problem(LibraryProblemKind::MissingKey, kind, name, &keys[k]);
        }
        if (auto wrong = setEntryValue(entry, kind, keys[k], values[k])) {
            return *wrong;
        }
    }
    return entry;
}

// --- Libraries as a whole -----------------------------------------------------------------

std::variant<Library, LibraryProblem> withEntriesOf(const Library& library, const Library& added) {
    Library out = library;
    for (const LibraryKind kind : kLibraryKinds) {
        // Names looked up by hashing: an imported file may hold many entries.
        const auto& own = library.of(kind);
        std::unordered_map<std::string_view, const LibraryEntry*> named;
        for (const LibraryEntry& entry : own) {
            named.emplace(entry.name, &entry);
        }
        for (const LibraryEntry& entry : added.of(kind)) {
            const auto found = named.find(entry.name);
            if (found != named.end() && sameEntry(*found->second, entry)) {
                continue; // already there as it is
            }
            if (found != named.end() || isBuiltInItem(kind, entry.name)) {
                return problem(LibraryProblemKind::NameTaken, kind, entry.name);
            }
            out.of(kind).push_back(entry);
            named.emplace(entry.name, &entry);
        }
    }
    return out;
}

Library withEntrySet(const Library& library, LibraryKind kind, std::string_view name,
                     const std::optional<LibraryEntry>& entry) {
    Library changed = library;
    std::vector<LibraryEntry>& entries = changed.of(kind);
    auto found = findEntry(library, kind, name);
    if (!found && entry) {
        found = findEntry(library, kind, entry->name); // never two entries of one name
    }
    if (found && entry) {
        entries[*found] = *entry;
    } else if (found) {
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*found));
    } else if (entry) {
        entries.push_back(*entry);
    }
    return changed;
}

Library personalFollowing(const Library& personal, const Library& design, LibraryKind kind,
                          std::string_view before, std::string_view name) {
    std::optional<LibraryEntry> now;
    if (const auto index = findEntry(design, kind, name)) {
        now = design.of(kind)[*index];
    }
    return withEntrySet(personal, kind, before, now);
}

Library personalFollowing(const Library& personal, const Library& design, const Library& imported) {
    Library followed = personal;
    for (const LibraryKind kind : kLibraryKinds) {
        std::unordered_map<std::string_view, const LibraryEntry*> inDesign;
        for (const LibraryEntry& entry : design.of(kind)) {
            inDesign.emplace(entry.name, &entry);
        }
        std::vector<LibraryEntry>& kept = followed.of(kind);
        std::unordered_map<std::string, std::size_t> at;
        for (std::size_t i = 0; i < kept.size(); ++i) {
            at.emplace(kept[i].name, i);
        }
        for (const LibraryEntry& entry : imported.of(kind)) {
            const auto now = inDesign.find(entry.name);
            if (now == inDesign.end()) {
                continue; // not in the design: the import did not take it
            }
            if (const auto place = at.find(entry.name); place != at.end()) {
                kept[place->second] = *now->second;
            } else {
                at.emplace(entry.name, kept.size());
                kept.push_back(*now->second);
            }
        }
    }
    return followed;
}

CompletedLibrary completedLibrary(const Library& design, const Library& personal) {
    CompletedLibrary completed{design, {}};
    for (const LibraryKind kind : kLibraryKinds) {
        std::unordered_map<std::string_view, const LibraryEntry*> named;
        for (const LibraryEntry& entry : design.of(kind)) {
            named.emplace(entry.name, &entry);
        }
        for (const LibraryEntry& entry : personal.of(kind)) {
            const auto found = named.find(entry.name);
            if (found == named.end()) {
                completed.library.of(kind).push_back(entry);
            } else if (!sameEntry(*found->second, entry)) {
                completed.differing.push_back(str(libraryKindDef(kind).title) + " " + entry.name);
            }
        }
    }
    return completed;
}

std::string differingEntriesText(const std::vector<std::string>& entries) {
    std::string text = "以下自定义数据与本机的同名数据不同，本设计仍用设计文件中的数值：";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        text += (i == 0 ? "" : "、") + entries[i];
    }
    return text;
}

} // namespace gelvant
