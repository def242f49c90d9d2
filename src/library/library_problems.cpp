// A library problem in the designer's words and in the driver's.

#include "form/utf8.h"
#include "library/library.h"

#include <string>

namespace gelvant {
namespace {

std::string str(std::string_view s) {
    return std::string(s);
}

} // namespace

std::string describeInChinese(const LibraryProblem& p) {
    const std::string title = str(libraryKindDef(p.kind).title);
    const std::string label = p.key != nullptr ? str(keyLabel(*p.key)) : std::string();
    switch (p.what) {
    case LibraryProblemKind::UnknownKind:
        return "没有“" + p.text + "”这一类自定义数据（地区气候、食品、保温材料、货物种类）。";
    case LibraryProblemKind::NoName:
        return "请输入" + title + "的名称。";
    case LibraryProblemKind::NameNotOneWord:
        return "名称“" + p.name + "”不能含空格或控制字符。";
    case LibraryProblemKind::NameTooLong:
        return "名称“" + p.name + "”太长：最多 " + std::to_string(kMaxEntryNameCharacters) +
               " 个字。";
    case LibraryProblemKind::NameTaken:
        return title + "列表中已有“" + p.name + "”，请另取一个名称。";
    case LibraryProblemKind::UnknownKey:
        return title + "没有“" + p.text + "”这一项。";
    case LibraryProblemKind::RepeatedKey:
        return label + " 给出了不止一次。";
    case LibraryProblemKind::MissingKey:
        return "请填写 " + label + "。";
    case LibraryProblemKind::NotNumber:
        return label + " 应为数字：“" + p.text + "”不是数字。";
    case LibraryProblemKind::OutOfRange:
        return label + (takesWholeNumbers(*p.key)
                            ? " 应为 " + keyRangeText(*p.key, "～") + " 之间的整数。"
                            : " 应在 " + keyRangeText(*p.key, "～") + " 之间。");
    case LibraryProblemKind::NoSuchEntry:
        return title + "中没有自定义数据“" + p.name + "”。";
    }
    return {};
}

std::string describeInEnglish(const LibraryProblem& p) {
    const std::string kind = str(libraryKindDef(p.kind).key);
    const std::string key = p.key != nullptr ? str(p.key->field) : std::string();
    switch (p.what) {
    case LibraryProblemKind::UnknownKind:
        return "unknown library kind " + quoteForMessage(p.text) +
               " (site, product, insulation or goods)";
    case LibraryProblemKind::NoName:
        return "the " + kind + " entry needs a name";
    case LibraryProblemKind::NameNotOneWord:
        return "name " + quoteForMessage(p.name) + " is not one word";
    case LibraryProblemKind::NameTooLong:
        return "name " + quoteForMessage(p.name) + " is longer than " +
               std::to_string(kMaxEntryNameCharacters) + " characters";
    case LibraryProblemKind::NameTaken:
        return "the " + str(libraryList(p.kind).name) + " list already has an item " +
               quoteForMessage(p.name);
    case LibraryProblemKind::UnknownKey: {
        std::string keys;
        for (const LibraryKeyDef& def : libraryKindDef(p.kind).keys) {
            keys += (keys.empty() ? "" : ", ") + str(def.field);
        }
        return "unknown " + kind + " key " + quoteForMessage(p.text) + " (" + keys + ")";
    }
    case LibraryProblemKind::RepeatedKey:
        return key + " is given more than once";
    case LibraryProblemKind::MissingKey:
        return key + " is missing";
    case LibraryProblemKind::NotNumber:
        return key + " " + quoteForMessage(p.text) + " is not a number";
    case LibraryProblemKind::OutOfRange:
        return key + " must be a " + (takesWholeNumbers(*p.key) ? "whole " : "") +
               "number between " + keyRangeText(*p.key, " and ");
    case LibraryProblemKind::NoSuchEntry:
        return "there is no " + kind + " entry " + quoteForMessage(p.name);
    }
    return {};
}

} // namespace gelvant
