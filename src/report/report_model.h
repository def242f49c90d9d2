#pragma once

#include "language/language.h"
#include "project/project.h"
#include "report/equipment_schedule.h"
#include "report/form_reader.h"
#include "report/machine_load_table.h"
#include "report/sheet_words.h"
#include "report/summary_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gelvant {

inline constexpr std::string_view kReportTitle = "冷库冷负荷计算书";
// The design file's name on the sheet of a design never saved.
inline constexpr std::string_view kUnsavedFileName = "未保存";

// How far the room's results can be read.
enum class ResultState {
    Computed,
    NotComputed,      // every result is zero: the room was never computed
    NotFinite,        // a division by a zero field left inf or nan in the results
    NonPositiveTotal, // computed and finite, but a total of zero or less
};

// One line of the cooling-load table. Texts are the boxes' own; the kcal/h
// figure and the share are worked out from the shown number.
struct LoadRow {
    std::string field; // the field's name in the dictionary
    std::string label; // the form's label, unit included: "库体漏热(W)"
    std::string name;  // the label without its unit: "库体漏热"
    std::string watts; // the box text
    std::string kcalPerHour;
    // The load table's two columns of figures: the load in the design's
    // unit, then kcal/h beside W (the sheet as it has always been), else the
    // box's W, for a check against the form.
    std::array<std::string, 2> figures;
    std::string share;        // "21.6%", or "—"
    std::string basis;        // the values beside it in the result band
    double shownW = 0;        // the shown number (NaN when the box holds none)
    bool inOperating = false; // one of the three parts of 总操作热量
    bool subtotal = false;    // 总操作热量 itself
    // How the line is worked out, for a reviewer to check it by hand: the
    // formula in symbols ("Q = K·(F − β·L·B)·Δt"), what each symbol stands
    // for, and the formula with the values the boxes show put in, statement
    // by statement, ending with the box's own result ("Q = 0.3 × (1179 −
    // 0.3 × 50 × 7) × 30 = 9665 W"); that last is empty while the room's
    // results cannot be read.
    std::string formula;
    std::string legend;
    std::vector<std::string> substituted;
    std::string flow;     // the heat flow of the machine load: "Q1" … "Q5"; empty for the total
    std::string flowNote; // why this room leaves the line out of its flow; empty when counted
};

struct LoadTable {
    std::vector<LoadRow>
        rows; // in the result band's order; the operating parts follow their subtotal
    LoadRow total;
    std::string totalNote;   // the form's note beside the total: "=38613Kcal/h，=44.8KW"
    ReportField loadPerTon;  // 冷却负荷(W/t)
    std::string tonnageNote; // "吨位203.2t,日进货16.2t"
};

// One bar of a horizontal bar chart.
struct ChartBar {
    std::string label;
    double value = 0;
    double fraction = 0;   // of the longest bar, 0..1; 0 for a value not positive or not finite
    std::string valueText; // "9665 W"
    std::string shareText; // "21.6%" or "—"
};

struct BarChart {
    std::string title;
    std::vector<ChartBar> bars; // largest first
    std::string emptyNote;      // shown instead of the bars when the results cannot be charted
};

struct ReferenceRoom {
    std::string row;  // the catalogue line chosen
    std::string note; // its notes, as the form shows them
};

// Everything the report says about one room.
// The heading of the groups that list the designer's own entries a room uses.
inline constexpr std::string_view kOwnDataTitle = "自定义数据";

struct RoomReport {
    std::string name;
    CoolingEquipment equipment = CoolingEquipment::AirCooler;
    ResultState state = ResultState::Computed;
    std::string stateNote;  // the line under the title; empty when computed
    ReportGroup keyResults; // what the designer hands over first: loads, surfaces, the plant
    // The form's input groups, then one group per entry of the designer's
    // library the room's lists have chosen ("自定义数据：地区气候"): its
    // name and its values, so that a reviewer sees where the figures come from.
    std::vector<ReportGroup> inputs;
    LoadTable load;
    BarChart chart;
    std::vector<ReportGroup> equipmentGroups;
    std::optional<ReferenceRoom> reference;
};

// One line of the sign-off block on the sheet's first page: the role, the
// name from 项目信息, a blank to sign in, and the date.
struct SignOff {
    std::string role;
    std::string name;
    std::string date;
};

struct SummarySection {
    SummaryTable table;
    BarChart capacityChart;
};

// The whole calculation sheet: the title block, the project summary when it
// covers more than one room, the plant's machine load when it covers the
// whole project (a single-room design included), and one section per room.
struct Report {
    std::string title;
    LoadUnit loadUnit = LoadUnit::W;       // what the tables show loads in; figures stay in W
    Language language = Language::Chinese; // the program's texts are in it
    SheetWords words = kSheetWords;        // the section and column titles both layouts show
    std::string projectName;               // for the running title of the later pages
    std::vector<ReportField> heading; // 项目名称, 设计单位, 设计人, 日期, 设计文件, 计算程序
    std::string fileName; // the design file's name, or 未保存
    std::string date;     // the day the report is made
    std::optional<SummarySection> summary;
    std::optional<MachineLoadTable> machineLoad;
    // The equipment chosen, beside the machine load it is sized by.
    std::optional<EquipmentSchedule> schedule;
    std::vector<SignOff> signOffs;
    std::vector<RoomReport> rooms;
};

enum class ReportScope { WholeProject, CurrentRoom };

// library: the design's, whose entries the room's lists may have chosen;
// unit: what the load table and the chart show loads in.
RoomReport buildRoomReport(const Room& room, const Library& library = *emptyLibrary(),
                           LoadUnit unit = LoadUnit::W);

// designFileName: the file's name without folders, empty when the design is
// not saved; date: the day the report is made, shown in every footer and as
// the project's date when the project gives none.
Report buildReport(const Project& project, ReportScope scope, std::string_view designFileName,
                   std::string_view date);

// "第 N 页 共 M 页"
std::string pageNumberText(int page, int pages);

} // namespace gelvant
