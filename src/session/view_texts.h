#pragma once

#include <string>
#include <string_view>

// The words the views show around the form besides the file workflow's:
// the dialogs' titles, labels and buttons, the room selector, the summary.
namespace gelvant::view_text {

// Buttons.
inline constexpr std::string_view kOk = "确定";
inline constexpr std::string_view kCancel = "取消";
inline constexpr std::string_view kYes = "是";
inline constexpr std::string_view kNo = "否";

// The About box's title.
inline constexpr std::string_view kAboutTitle = "关于Gelvant";

// 项目信息: the dialog's title; its fields are the project's title block.
inline constexpr std::string_view kProjectInfoTitle = "项目信息";
// After a label in a dialog: "项目名称:".
inline constexpr std::string_view kLabelColon = ":";

// The rooms' dialogs. The delete question: "删除库房“<name>”？\n删除后可以用“撤销”恢复。"
inline constexpr std::string_view kRenameRoomTitle = "重命名库房";
inline constexpr std::string_view kRoomNameLabel = "库房名称：";
inline constexpr std::string_view kDeleteRoomTitle = "删除库房";
inline constexpr std::string_view kDeleteRoomBefore = "删除库房“";
inline constexpr std::string_view kDeleteRoomAfter = "”？\n删除后可以用“撤销”恢复。";
// The name a printed or exported calculation sheet is offered under when
// the design has no file yet.
inline constexpr std::string_view kSheetFileName = "冷负荷计算书";
// 全部重新计算's box over what the rooms' calculations said.
inline constexpr std::string_view kComputeAllTitle = "全部重新计算";
inline constexpr std::string_view kComputeAllIntro = "以下库房的计算给出了提示：";

// The summary: a row's hint, and the page's line of a coefficient "<label>：<value>".
inline constexpr std::string_view kGoToRoomHint = "转到此库房";
inline constexpr std::string_view kCoefficientColon = "：";

// The page's clipboard and keys.
inline constexpr std::string_view kCannotCopy = "无法复制到剪贴板：\n";
inline constexpr std::string_view kKeyboardHelpTitle = "键盘快捷键";
inline constexpr std::string_view kKeyboardHelpIntro =
    "浏览器自己占用 Ctrl+N、Ctrl+PgUp、Ctrl+PgDown 等键，这些命令在本页另有快捷键：";
inline constexpr std::string_view kKeysBetween = "，";

// The question before a room is deleted.
std::string deleteRoomQuestion(std::string_view room);

} // namespace gelvant::view_text
