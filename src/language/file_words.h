#pragma once

#include "language/language.h"

#include <array>

namespace gelvant {

// The custom data's kinds and the refusals of design files and library files.
// clang-format off
inline constexpr auto kFileEnglish = std::to_array<Translation>({
    {"地区气候",
     "Site climate"},
    {"这是一个文件夹，不是自定义数据文件。",
     "This is a folder, not a custom data file."},
    {"文件是空的。",
     "The file is empty."},
    {"文件超过 16 MiB，不是 Gelvant 自定义数据文件。",
     "The file is larger than 16 MiB: not a Gelvant custom data file."},
    {"这不是 Gelvant 自定义数据文件。",
     "This is not a Gelvant custom data file."},
    {"无法读取文件。",
     "Cannot read the file."},
    {"这是一个文件夹，不是设计文件。",
     "This is a folder, not a design file."},
    {"文件超过 16 MiB，不是 Gelvant 设计文件。",
     "The file is larger than 16 MiB: not a Gelvant design file."},
    {"这不是 Gelvant 设计文件。",
     "This is not a Gelvant design file."},
    {"无法打开文件。",
     "Cannot open the file."},
    {"没有写入权限：文件或所在文件夹是只读的。",
     "No permission to write: the file or its folder is read-only."},
    {"磁盘或分区是只读的。",
     "The disk or partition is read-only."},
    {"磁盘空间不足。",
     "The disk is full."},
    {"文件名或路径太长。",
     "The file name or path is too long."},
    {"所在文件夹不存在。",
     "The folder does not exist."},
    {"这是一个文件夹，不能保存为文件。",
     "This is a folder; it cannot be saved as a file."},
});
// clang-format on
static_assert(wordRowsValid(kFileEnglish), "each row: CJK in Chinese, none in English");

} // namespace gelvant
