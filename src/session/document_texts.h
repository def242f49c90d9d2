#pragma once

#include <string_view>

// The words of the design-file workflow: the questions, their buttons, the
// refusals and the title's parts, as the window and the page both show them.
namespace gelvant::document_text {

// A design never saved is shown under this name.
inline constexpr std::string_view kUntitled = "无标题";
// The title's mark of unsaved changes.
inline constexpr std::string_view kModifiedMark = "*";
inline constexpr std::string_view kTitleSeparator = " - ";

// The buttons; the access key follows each in the window's menus and boxes.
inline constexpr std::string_view kSave = "保存";
inline constexpr std::string_view kDiscardChanges = "不保存";
inline constexpr std::string_view kCancel = "取消";
inline constexpr std::string_view kRestore = "恢复";
inline constexpr std::string_view kDropCopy = "放弃";
inline constexpr std::string_view kComputeAll = "计算全部";
inline constexpr std::string_view kPrintAnyway = "仍然打印";

// "设计“<name>”已修改。\n要保存修改吗？"
inline constexpr std::string_view kUnsavedBefore = "设计“";
inline constexpr std::string_view kUnsavedAfter = "”已修改。\n要保存修改吗？";

// "Gelvant 上次没有正常关闭。设计“<name>”有未保存的修改（<time> 自动保存）。\n要恢复这些修改吗？"
inline constexpr std::string_view kRecoveryOpening = " 上次没有正常关闭。设计“";
inline constexpr std::string_view kRecoveryMiddle = "”有未保存的修改（";
inline constexpr std::string_view kRecoveryClosing = " 自动保存）。\n要恢复这些修改吗？";

// "以下库房的输入在上次计算后有改动，结果未重新计算：\n<names>\n\n先计算全部库房吗？"
inline constexpr std::string_view kStaleResultsCaption = "计算书";
inline constexpr std::string_view kStaleResultsBefore =
    "以下库房的输入在上次计算后有改动，结果未重新计算：\n";
inline constexpr std::string_view kStaleResultsAfter =
    "\n\n先计算全部库房吗？不计算，计算书会把这些结果标为“未重新计算”。";

inline constexpr std::string_view kCannotRecover = "上次未保存的设计无法恢复：\n";
// The page's bar under the menus when the browser refuses the recovery copy.
inline constexpr std::string_view kCopyNotKept =
    "浏览器拒绝保存恢复副本：在保存设计之前，未保存的修改不受保护。";
// "无法打开“<file>”：\n<reason>", "无法保存到“<path>”：\n<reason>"
inline constexpr std::string_view kCannotOpenBefore = "无法打开“";
inline constexpr std::string_view kCannotSaveBefore = "无法保存到“";
inline constexpr std::string_view kReasonFollows = "”：\n";

// The file dialogs.
inline constexpr std::string_view kOpenDialogTitle = "打开设计";
inline constexpr std::string_view kSaveDialogTitle = "另存为";
inline constexpr std::string_view kDesignFilesFilter = "Gelvant 设计文件 (*.gelvant)";
inline constexpr std::string_view kAllFilesFilter = "所有文件 (*)";

// The recent files' menu when it lists none, and its entry that removes
// the files no longer there (access key M).
inline constexpr std::string_view kNoRecentFiles = "（无）";
inline constexpr std::string_view kForgetMissingFiles = "移除找不到的文件";
inline constexpr char kForgetMissingFilesKey = 'M';

} // namespace gelvant::document_text
