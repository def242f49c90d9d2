#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The words the views show around the form besides the file workflow's:
// the dialogs' titles, labels and buttons, the room selector, the summary.
namespace gelvant::view_text {

// 语言: the window's menu of the languages it shows.
inline constexpr std::string_view kLanguageMenu = "语言";
inline constexpr char kLanguageMenuKey = 'L';
inline constexpr std::string_view kChineseLanguage = "中文";
inline constexpr std::string_view kEnglishLanguage = "English";

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

// The room selector beside the menus: its captions and hints.
inline constexpr std::string_view kRoomCaption = "库房";
inline constexpr std::string_view kUseCaption = "用途";
inline constexpr std::string_view kGoodsLoadFactorCaption = "p";
inline constexpr std::string_view kCaptionColon = "：";
inline constexpr std::string_view kRoomSelectorHint = "当前库房 (Ctrl+PgUp / Ctrl+PgDown)";
inline constexpr std::string_view kEquipmentHint = "当前库房的冷却设备（项目汇总按此取压缩机选型）";
inline constexpr std::string_view kUseHint =
    "当前库房的用途（机械负荷按此取系数；自动：由库房类型、库温和货物推定）";
inline constexpr std::string_view kGoodsLoadFactorHint =
    "当前库房进货量中已含的货物热流量负荷系数（1～1.3；空着按用途取，冷却间、冻结间 1.3，"
    "其他冷间 1）。机械负荷按 Q2 ÷ p 计。";

// 机械负荷系数: the plant's dialog.
inline constexpr std::string_view kPlantTitle = "机械负荷系数";
inline constexpr std::string_view kCoolingSystemLabel = "制冷系统";
inline constexpr char kCoolingSystemKey = 'S';
inline constexpr std::string_view kPlantHint =
    "其他冷间 n2 = 1；n4、n5 按同一蒸发温度下同类冷间的间数取值。";

// 自定义数据: the designer's own entries, a table per kind.
inline constexpr std::string_view kLibraryTitle = "自定义数据";
inline constexpr std::string_view kLibraryHint =
    "自定义数据随本设计保存，并记入个人库：以后新建的设计都带有个人库中的数据。"
    "本设计中的新增、修改和删除可以用“撤销”恢复。";
inline constexpr std::string_view kEntryNameColumn = "名称";
inline constexpr std::string_view kLibraryAdd = "新增...";
inline constexpr std::string_view kLibraryEdit = "编辑...";
inline constexpr std::string_view kLibraryRemove = "删除";
inline constexpr std::string_view kLibraryCopyBuiltIn = "复制内置项...";
inline constexpr std::string_view kLibraryImport = "导入...";
inline constexpr std::string_view kLibraryExport = "导出...";
inline constexpr std::string_view kLibraryClose = "关闭";
inline constexpr std::string_view kBuiltInItemPrompt = "从哪一项开始：";
inline constexpr std::string_view kLibraryFilesFilter = "Gelvant 库文件 (*.json)";
inline constexpr std::string_view kLibraryFileName = "gelvant-library.json";
// The personal library could not be written: "<reason>" follows.
inline constexpr std::string_view kCannotKeepPersonalLibrary = "个人库未能保存：\n";
// The page's personal library, kept by the browser, could not be read; it is
// left as it is: "<reason>" follows.
inline constexpr std::string_view kCannotReadPersonalLibrary =
    "本浏览器中保存的个人库无法读取，已保持原样：\n";

// 项目汇总 beside the form.
inline constexpr std::string_view kSummaryTitle = "项目汇总";
inline constexpr std::string_view kTotalsCaption = "按蒸发温度合计（从最低蒸发温度起）";
inline constexpr std::string_view kMachineGroupsCaption = "各蒸发温度的机械负荷及合计";
inline constexpr std::string_view kDoubleClickToGoHint = "双击一行转到该库房";
// The list of the units the design's loads are shown in (kLoadUnits' symbols).
inline constexpr std::string_view kLoadUnitLabel = "负荷单位";
inline constexpr std::string_view kLoadUnitHint =
    "表中的冷负荷和机械负荷以此单位显示，计算书和导出的 CSV 也是；计算仍以 W 进行";
inline constexpr std::string_view kListSeparator = "；";
inline constexpr std::string_view kN4N5Brief = "n4、n5 按同一蒸发温度下同类冷间的间数";

// The window's report commands.
inline constexpr std::string_view kWholeProject = "整个项目";
inline constexpr std::string_view kCurrentRoom = "当前库房";
inline constexpr std::string_view kExportSheetTitle = "导出计算书";
inline constexpr std::string_view kExportResultsTitle = "导出结果";
inline constexpr std::string_view kPrintPreviewTitle = "打印预览";
inline constexpr std::string_view kPrintTitle = "打印";
inline constexpr std::string_view kPdfFilesFilter = "PDF 文件 (*.pdf)";
inline constexpr std::string_view kCsvFilesFilter = "CSV 文件 (*.csv)";
inline constexpr std::string_view kPrinterRefused = "打印机没有接受计算书，未能打印。";

// The question before a room is deleted.
std::string deleteRoomQuestion(std::string_view room);

// Whether a sheet of several rooms is for the whole project or the current one.
std::string reportScopeQuestion(std::size_t rooms, std::string_view currentRoom);

// A file the sheet or the results could not be written to, and why.
std::string cannotWriteFile(std::string_view path, std::string_view reason);

} // namespace gelvant::view_text
