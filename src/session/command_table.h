#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace gelvant {

// Every command a designer gives from a menu, in the window or the page.
enum class Command : std::uint8_t {
    NewDesign,
    Open,
    RecentFiles,
    Save,
    SaveAs,
    ExportPdf,
    PrintPreview,
    Print,
    PrintSheet,
    ExportCsv,
    ProjectInfo,
    Quit,
    Undo,
    Redo,
    CopyResults,
    AddRoom,
    CopyRoom,
    RenameRoom,
    DeleteRoom,
    MoveUp,
    MoveDown,
    PreviousRoom,
    NextRoom,
    AirCooler,
    Coil,
    ComputeAll,
    PlantSettings,
    Library,
    Summary,
    KeyboardHelp,
    About,
};

// Which view offers a command: the window and the page differ where a
// browser differs (it prints through its own dialog, keeps no recent
// files, and takes some keys for itself).
enum CommandViews : std::uint8_t { kInWindow = 1, kInPage = 2, kInBoth = 3 };

struct CommandDef {
    Command command;
    std::string_view name;  // the page's name of it
    std::string_view label; // the menu entry; "..." when it opens a dialog
    char accessKey;         // underlined in the window's menus; 0 for none
    // Key sequences as the help writes them ("Ctrl+Shift+Z"), several
    // separated by ", ", in the window and in the page.
    std::string_view windowKeys;
    std::string_view pageKeys;
    std::uint8_t views;
};

// clang-format off
inline constexpr auto kCommands = std::to_array<CommandDef>({
    {Command::NewDesign, "newDesign", "新建", 'N', "Ctrl+N", "Alt+Shift+N", kInBoth},
    {Command::Open, "open", "打开...", 'O', "Ctrl+O", "Ctrl+O", kInBoth},
    {Command::RecentFiles, "recentFiles", "最近打开的文件", 'R', "", "", kInWindow},
    {Command::Save, "save", "保存", 'S', "Ctrl+S", "Ctrl+S", kInBoth},
    {Command::SaveAs, "saveAs", "另存为...", 'A', "Ctrl+Shift+S", "", kInWindow},
    {Command::ExportPdf, "exportPdf", "导出计算书(PDF)...", 0, "Ctrl+E", "", kInWindow},
    {Command::PrintPreview, "printPreview", "打印预览...", 0, "", "", kInWindow},
    {Command::Print, "print", "打印...", 0, "Ctrl+P", "", kInWindow},
    {Command::PrintSheet, "printSheet", "打印计算书...", 0, "", "Ctrl+P", kInPage},
    {Command::ExportCsv, "csv", "导出结果(CSV)...", 0, "", "", kInBoth},
    {Command::ProjectInfo, "projectInfo", "项目信息...", 'I', "", "", kInBoth},
    {Command::Quit, "quit", "退出", 'X', "Ctrl+Q", "", kInWindow},
    {Command::Undo, "undo", "撤销", 'U', "Ctrl+Z", "Ctrl+Z, Alt+Backspace", kInBoth},
    {Command::Redo, "redo", "重做", 'R', "Ctrl+Y, Ctrl+Shift+Z",
     "Ctrl+Y, Ctrl+Shift+Z, Alt+Shift+Backspace", kInBoth},
    {Command::CopyResults, "copyResults", "复制结果", 0, "Ctrl+Shift+C", "Alt+Shift+C", kInBoth},
    {Command::AddRoom, "addRoom", "新增库房", 'N', "", "", kInBoth},
    {Command::CopyRoom, "copyRoom", "复制库房", 'C', "", "", kInBoth},
    {Command::RenameRoom, "renameRoom", "重命名...", 'M', "", "", kInBoth},
    {Command::DeleteRoom, "deleteRoom", "删除库房", 'D', "", "", kInBoth},
    {Command::MoveUp, "moveUp", "上移", 'U', "", "", kInBoth},
    {Command::MoveDown, "moveDown", "下移", 'W', "", "", kInBoth},
    {Command::PreviousRoom, "previousRoom", "上一库房", 'V', "Ctrl+PgUp", "Alt+PageUp", kInBoth},
    {Command::NextRoom, "nextRoom", "下一库房", 'X', "Ctrl+PgDown", "Alt+PageDown", kInBoth},
    {Command::AirCooler, "airCooler", "冷风机", 'F', "", "", kInBoth},
    {Command::Coil, "coil", "排管", 'P', "", "", kInBoth},
    {Command::ComputeAll, "computeAll", "全部重新计算", 'A', "", "", kInBoth},
    {Command::PlantSettings, "plant", "机械负荷系数...", 'L', "", "", kInBoth},
    {Command::Library, "library", "自定义数据...", 'B', "", "", kInBoth},
    {Command::Summary, "summary", "项目汇总...", 'T', "Ctrl+T", "", kInBoth},
    {Command::KeyboardHelp, "help", "键盘快捷键", 0, "", "", kInPage},
    {Command::About, "about", "关于 Gelvant...", 'A', "F1", "F1", kInBoth},
});
// clang-format on

// What stands in a menu: a command, a line between groups, or a heading
// over the group that follows.
struct MenuItem {
    enum class Kind : std::uint8_t { Entry, Separator, Heading };
    Kind kind = Kind::Entry;
    Command command = Command::NewDesign;
    std::string_view heading;
};

struct MenuDef {
    std::string_view title;
    char accessKey;
    std::span<const MenuItem> items;
};

namespace menu_items {

inline constexpr MenuItem entry(Command command) {
    return {MenuItem::Kind::Entry, command, {}};
}
inline constexpr MenuItem kSeparator{MenuItem::Kind::Separator, Command::NewDesign, {}};
inline constexpr MenuItem heading(std::string_view text) {
    return {MenuItem::Kind::Heading, Command::NewDesign, text};
}

// The entries a view does not offer are left out when it builds the menu,
// and so is a line with nothing of its own on one side of it.
inline constexpr auto kFileMenu = std::to_array<MenuItem>({
    entry(Command::NewDesign),
    entry(Command::Open),
    entry(Command::RecentFiles),
    kSeparator,
    entry(Command::Save),
    entry(Command::SaveAs),
    kSeparator,
    entry(Command::ExportPdf),
    entry(Command::PrintPreview),
    entry(Command::Print),
    entry(Command::PrintSheet),
    entry(Command::ExportCsv),
    kSeparator,
    entry(Command::ProjectInfo),
    kSeparator,
    entry(Command::Quit),
});
inline constexpr auto kEditMenu = std::to_array<MenuItem>({
    entry(Command::Undo),
    entry(Command::Redo),
    kSeparator,
    entry(Command::CopyResults),
});
inline constexpr auto kRoomMenu = std::to_array<MenuItem>({
    entry(Command::AddRoom),
    entry(Command::CopyRoom),
    entry(Command::RenameRoom),
    entry(Command::DeleteRoom),
    kSeparator,
    entry(Command::MoveUp),
    entry(Command::MoveDown),
    kSeparator,
    entry(Command::PreviousRoom),
    entry(Command::NextRoom),
    kSeparator,
    heading("冷却设备"),
    entry(Command::AirCooler),
    entry(Command::Coil),
    kSeparator,
    entry(Command::ComputeAll),
    entry(Command::PlantSettings),
    entry(Command::Library),
    kSeparator,
    entry(Command::Summary),
});
inline constexpr auto kHelpMenu = std::to_array<MenuItem>({
    entry(Command::KeyboardHelp),
    entry(Command::About),
});

} // namespace menu_items

inline constexpr auto kMenus = std::to_array<MenuDef>({
    {"文件", 'F', menu_items::kFileMenu},
    {"编辑", 'E', menu_items::kEditMenu},
    {"库房", 'R', menu_items::kRoomMenu},
    {"帮助", 'H', menu_items::kHelpMenu},
});

// The command's row; every command has one (checked when the table builds).
const CommandDef& commandDef(Command command);

// The menu's items a view offers, without lines that would stand first,
// last or twice in a row.
std::vector<MenuItem> menuItemsIn(const MenuDef& menu, CommandViews view);

} // namespace gelvant
