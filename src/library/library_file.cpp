#include "library/library_file.h"

#include "form/utf8.h"
#include "library/library_json.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <unordered_set>

namespace gelvant {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

std::string str(std::string_view s) {
    return std::string(s);
}

LibraryFileError fileError(LibraryFileProblem problem, std::string detail = {}) {
    return LibraryFileError{problem, std::move(detail), 0, 0, std::nullopt};
}

OrderedJson entryJson(const LibraryEntry& entry, LibraryKind kind) {
    OrderedJson json = {{"name", entry.name}};
    for (const LibraryKeyDef& key : libraryKindDef(kind).keys) {
        const double value = entryValue(entry, key);
        if (takesWholeNumbers(key)) {
            json[str(key.field)] = static_cast<std::int64_t>(value);
        } else {
            json[str(key.field)] = value;
        }
    }
    return json;
}

OrderedJson entriesJson(const Library& library, LibraryKind kind) {
    OrderedJson entries = OrderedJson::array();
    for (const LibraryEntry& entry : library.of(kind)) {
        entries.push_back(entryJson(entry, kind));
    }
    return entries;
}

// One entry as the file gives it; a problem of the entry names it and where
// it stands.
std::variant<LibraryEntry, LibraryFileError> entryFromJson(const Json& json, LibraryKind kind,
                                                           const std::string& where) {
    if (!json.is_object()) {
        return fileError(LibraryFileProblem::WrongType, where + " should be an object");
    }
    const auto name = json.find("name");
    if (name == json.end()) {
        return LibraryFileError{LibraryFileProblem::BadEntry, where, 0, 0,
                                LibraryProblem{LibraryProblemKind::NoName, kind, {}, nullptr, {}}};
    }
    if (!name->is_string()) {
        return fileError(LibraryFileProblem::WrongType, where + ".name should be a string");
    }
    LibraryEntry entry{name->get<std::string>(), {}};
    const auto bad = [&](LibraryProblem problem) {
        return LibraryFileError{LibraryFileProblem::BadEntry, where, 0, 0, std::move(problem)};
    };
    if (auto wrong = checkEntryName(kind, entry.name)) {
        return bad(*wrong);
    }
    if (isBuiltInItem(kind, entry.name)) {
        return bad({LibraryProblemKind::NameTaken, kind, entry.name, nullptr, {}});
    }
    for (const auto& [member, value] : json.items()) {
        if (member == "name") {
            continue;
        }
        const LibraryKeyDef* key = libraryKey(kind, member);
        if (key == nullptr) {
            return bad({LibraryProblemKind::UnknownKey, kind, entry.name, nullptr, member});
        }
        if (!value.is_number()) {
            return bad({LibraryProblemKind::NotNumber, kind, entry.name, key,
                        value.dump(-1, ' ', false, Json::error_handler_t::replace)});
        }
        if (auto wrong = setEntryValue(entry, kind, *key, value.get<double>())) {
            return bad(*wrong);
        }
    }
    for (const LibraryKeyDef& key : libraryKindDef(kind).keys) {
        if (!json.contains(key.field)) {
            return bad({LibraryProblemKind::MissingKey, kind, entry.name, &key, {}});
        }
    }
    return entry;
}

std::optional<LibraryFileError> checkFormat(const Json& top) {
    if (!top.is_object()) {
        return fileError(LibraryFileProblem::NotLibrary, "the file holds no JSON object");
    }
    const auto format = top.find("format");
    if (format == top.end() || !format->is_string() || *format != kLibraryFormat) {
        return fileError(LibraryFileProblem::NotLibrary, R"("format" is not "gelvant-library")");
    }
    const auto version = top.find("version");
    if (version == top.end() || !version->is_number_unsigned() ||
        version->get<std::uint64_t>() < 1) {
        return fileError(LibraryFileProblem::NotLibrary,
                         "\"version\" is missing or not a version number");
    }
    if (version->get<std::uint64_t>() > kLibraryFormatVersion) {
        return fileError(LibraryFileProblem::NewerVersion, version->dump());
    }
    return std::nullopt;
}

} // namespace

std::variant<Library, LibraryFileError> libraryFromJson(const Json& object,
                                                        std::string_view where) {
    Library library;
    const std::string prefix = where.empty() ? std::string() : str(where) + ".";
    for (const LibraryKind kind : kLibraryKinds) {
        const std::string_view kindKey = libraryKindDef(kind).key;
        const auto entries = object.find(kindKey);
        if (entries == object.end()) {
            continue;
        }
        const std::string at = prefix + str(kindKey);
        if (!entries->is_array()) {
            return fileError(LibraryFileProblem::WrongType, at + " should be an array");
        }
        std::unordered_set<std::string> names;
        for (std::size_t i = 0; i < entries->size(); ++i) {
            const std::string entryAt = at + "[" + std::to_string(i) + "]";
            auto read = entryFromJson((*entries)[i], kind, entryAt);
            if (auto* error = std::get_if<LibraryFileError>(&read)) {
                return std::move(*error);
            }
            auto& entry = std::get<LibraryEntry>(read);
            if (!names.insert(entry.name).second) {
                return LibraryFileError{
                    LibraryFileProblem::BadEntry, entryAt, 0, 0,
                    LibraryProblem{LibraryProblemKind::NameTaken, kind, entry.name, nullptr, {}}};
            }
            library.of(kind).push_back(std::move(entry));
        }
    }
    return library;
}

std::string libraryFileText(const Library& library) {
    OrderedJson file = {{"format", str(kLibraryFormat)}, {"version", kLibraryFormatVersion}};
    for (const LibraryKind kind : kLibraryKinds) {
        file[str(libraryKindDef(kind).key)] = entriesJson(library, kind);
    }
    return file.dump(2, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
}

std::string libraryEntriesLine(const Library& library, LibraryKind kind) {
    return entriesJson(library, kind).dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

LibraryReadResult readLibraryText(std::string_view bytes) {
    if (bytes.empty()) {
        return {std::nullopt, fileError(LibraryFileProblem::Empty)};
    }
    if (bytes.size() > kMaxLibraryFileBytes) {
        return {std::nullopt, fileError(LibraryFileProblem::TooLarge)};
    }
    Json top;
    try {
        top = Json::parse(bytes);
    } catch (const Json::parse_error& e) {
        const auto [line, column] = lineAndColumn(bytes, e.byte > 0 ? e.byte - 1 : 0);
        return {std::nullopt, LibraryFileError{LibraryFileProblem::NotJson, e.what(), line, column,
                                               std::nullopt}};
    } catch (const Json::exception& e) {
        return {std::nullopt,
                LibraryFileError{LibraryFileProblem::NotJson, e.what(), 1, 1, std::nullopt}};
    }
    if (auto wrong = checkFormat(top)) {
        return {std::nullopt, std::move(*wrong)};
    }
    auto read = libraryFromJson(top, {});
    if (auto* error = std::get_if<LibraryFileError>(&read)) {
        return {std::nullopt, std::move(*error)};
    }
    return {std::move(std::get<Library>(read)), std::nullopt};
}

LibraryReadResult readLibraryFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return {std::nullopt, fileError(LibraryFileProblem::IsDirectory)};
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {std::nullopt, fileError(LibraryFileProblem::Unreadable,
                                        std::strerror(errno != 0 ? errno : ENOENT))};
    }
    // Read in pieces, at most one piece past the limit.
    std::string bytes;
    std::array<char, 65536> piece{};
    while (bytes.size() <= kMaxLibraryFileBytes &&
           in.read(piece.data(), static_cast<std::streamsize>(piece.size())).gcount() > 0) {
        bytes.append(piece.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return {std::nullopt,
                fileError(LibraryFileProblem::Unreadable, std::strerror(errno != 0 ? errno : EIO))};
    }
    return readLibraryText(bytes);
}

std::string describeInEnglish(const LibraryFileError& error) {
    switch (error.problem) {
    case LibraryFileProblem::Unreadable:
        return "cannot read the file: " + error.detail;
    case LibraryFileProblem::IsDirectory:
        return "is a folder, not a library file";
    case LibraryFileProblem::Empty:
        return "the file is empty";
    case LibraryFileProblem::TooLarge:
        return "the file is larger than 16 MiB";
    case LibraryFileProblem::NotJson:
        return "not JSON: it breaks at line " + std::to_string(error.line) + ", column " +
               std::to_string(error.column);
    case LibraryFileProblem::NotLibrary:
        return "not a Gelvant library: " + error.detail;
    case LibraryFileProblem::NewerVersion:
        return "written by a newer Gelvant (format version " + error.detail + ")";
    case LibraryFileProblem::WrongType:
        return "wrong type: " + error.detail;
    case LibraryFileProblem::BadEntry:
        return error.detail + ": " + (error.entry ? describeInEnglish(*error.entry) : "bad entry");
    }
    return "cannot be read";
}

std::string describeInChinese(const LibraryFileError& error) {
    switch (error.problem) {
    case LibraryFileProblem::Unreadable:
        return "无法读取文件：" + error.detail;
    case LibraryFileProblem::IsDirectory:
        return "这是一个文件夹，不是自定义数据文件。";
    case LibraryFileProblem::Empty:
        return "文件是空的。";
    case LibraryFileProblem::TooLarge:
        return "文件超过 16 MiB，不是 Gelvant 自定义数据文件。";
    case LibraryFileProblem::NotJson:
        return "文件格式错误（不是 JSON）：第 " + std::to_string(error.line) + " 行第 " +
               std::to_string(error.column) + " 列。";
    case LibraryFileProblem::NotLibrary:
        return "这不是 Gelvant 自定义数据文件。";
    case LibraryFileProblem::NewerVersion:
        return "此文件由更新版本的 Gelvant 保存（格式版本 " + error.detail +
               "），请升级本程序后再导入。";
    case LibraryFileProblem::WrongType:
        return "自定义数据文件内容有误（类型不对）：" + error.detail;
    case LibraryFileProblem::BadEntry:
        return "自定义数据文件中的 " + error.detail + " 有误：" +
               (error.entry ? describeInChinese(*error.entry) : std::string());
    }
    return "无法读取文件。";
}

} // namespace gelvant
