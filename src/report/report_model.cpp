#include "report/report_model.h"

#include "form/field_dictionary.h"
#include "form/program.h"
#include "form/text_exchange.h"
#include "form_tables/design_form.h"
#include "form_tables/form_cells_table.h"
#include "library/library.h"
#include "plant/room_use.h"
#include "project/result_inputs.h"
#include "project/summary.h"
#include "report/equipment_schedule.h"
#include "report/form_reader.h"
#include "report/load_formulas.h"
#include "report/load_units.h"
#include "report/report_inputs.h"
#include "report/report_labels.h"
#include "report/report_numbers.h"
#include "report/title_block.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace gelvant {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// One component of the cooling load and the values that explain it: the
// figures beside it in the result band, or the inputs it is worked out from.
struct LoadComponentDef {
    std::string_view field;
    std::array<std::string_view, 5> basis;
    bool inOperating = false;
    bool subtotal = false;
};

// The components in the result band's reading order. The operating heat is
// the sum of the door, lighting and worker heats that follow it; the total
// is the sum of the others.
constexpr std::array<LoadComponentDef, 10> kLoadComponents{{
    {"wallLeakHeatW", {"resultWallHeatTransfer", "resultSurfaceArea", "resultWallTempDiff"}},
    {"goodsHeatW", {"resultGoodsHeatRelease", "resultCoolingHours", "resultIntakeTons"}},
    {"respirationHeatW", {"resultIntakeRespHeat", "resultFinalRespHeat", "resultRespIntakeTons"}},
    {"materialHeatW", {"resultMaterialMassKg", "resultMaterialHours", "resultMaterialTempDiff"}},
    {"operatingHeatW", {}, false, true},
    {"doorHeatW", {"doorAirChangesPerDay"}, true},
    {"lightingHeatW", {"lightingPerArea"}, true},
    {"workerHeatW", {"workerCount", "workHoursPerDay", "heatPerPerson"}, true},
    {"airCoolerHeatW",
     {"airCoolerPowerKw", "airCoolerCount", "heaterPowerKw", "heaterCount", "defrostHours"}},
    {"ventilationHeatW",
     {"resultProduceAirChanges", "ambientMoistureGPerKg", "roomMoistureGPerKg", "ambientAirDensity",
      "coldAirDensity"}},
}};

constexpr bool sameLines() {
    for (std::size_t i = 0; i < kLoadComponents.size(); ++i) {
        if (kLoadComponents[i].field != kLoadFormulas.at(i).field) {
            return false;
        }
    }
    return kLoadComponents.size() == kLoadFormulas.size();
}
static_assert(sameLines(), "every load line has its formula, in the table's order");

std::string basisText(const FormReader& form, const LoadComponentDef& def) {
    std::string text;
    for (const std::string_view name : def.basis) {
        if (name.empty()) {
            break;
        }
        const ReportField f = form.boxField(name);
        text += (text.empty() ? "" : "，") + f.label + " " + f.value;
    }
    return text;
}

LoadRow loadRow(const FormReader& form, std::string_view fieldName) {
    const ReportField f = form.boxField(fieldName);
    LoadRow row;
    row.field = std::string(fieldName);
    row.label = f.label;
    row.name = std::string(labelName(f.label));
    row.watts = f.value;
    row.shownW = shownNumber(f.value).value_or(kNaN);
    row.kcalPerHour = std::isnan(row.shownW) ? std::string(kNoValue)
                                             : numberText(row.shownW * kWToKcalPerHour, 0);
    return row;
}

void showFigures(LoadRow& row, LoadUnit unit) {
    row.figures = unit == LoadUnit::W
                      ? std::array<std::string, 2>{row.watts, row.kcalPerHour}
                      : std::array<std::string, 2>{loadCellText(row.watts, unit), row.watts};
}

LoadTable loadTable(const FormReader& form, LoadUnit unit) {
    LoadTable table;
    table.total = loadRow(form, "totalCoolingLoadW");
    showFigures(table.total, unit);
    const double totalW = table.total.shownW;
    table.total.share = shareText(totalW, totalW);
    table.total.formula = totalFormulaText();
    for (const LoadComponentDef& def : kLoadComponents) {
        LoadRow row = loadRow(form, def.field);
        row.share = shareText(row.shownW, totalW);
        row.basis = basisText(form, def);
        row.inOperating = def.inOperating;
        row.subtotal = def.subtotal;
        const LoadFormula& formula = *loadFormula(def.field);
        row.formula = formulaText(formula);
        row.legend = legendText(formula);
        row.flow = flowText(formula.flow);
        showFigures(row, unit);
        table.rows.push_back(std::move(row));
    }
    table.totalNote = form.text(ctl::totalLoadNote);
    table.loadPerTon = form.boxField("loadPerTonW");
    table.tonnageNote = form.text(ctl::tonnageNote);
    return table;
}

// The values put into the formulas once the results can be read (a room
// never computed, or one whose figures are not finite, shows the symbols
// only), and the lines this room leaves out of their heat flow.
void explainLoad(LoadTable& load, const FormReader& form, ResultState state, const Room& room) {
    const bool readable = state == ResultState::Computed || state == ResultState::NonPositiveTotal;
    const RoomUse use = appliedUse(room).use;
    for (LoadRow& row : load.rows) {
        const LoadFormula& formula = *loadFormula(row.field);
        if (readable) {
            row.substituted = substitutedText(formula, form.state());
        }
        if (!flowCounted(formula.flow, room.equipment, use)) {
            const bool motors = formula.flow == kMotorsFlow;
            row.flowNote = "不计入（" +
                           (motors ? std::string(equipmentLabel(room.equipment)) + "冷却"
                                   : std::string(useLabel(use))) +
                           "）";
        }
    }
    if (readable) {
        load.total.substituted = {totalSubstitutedText(form.state())};
    }
}

ResultState resultState(const DesignSheet& sheet, const LoadTable& load) {
    if (!isComputed(sheet)) {
        return ResultState::NotComputed;
    }
    const auto finite = [](const LoadRow& row) { return std::isfinite(row.shownW); };
    if (!finite(load.total) || !std::all_of(load.rows.begin(), load.rows.end(), finite)) {
        return ResultState::NotFinite;
    }
    return load.total.shownW > 0 ? ResultState::Computed : ResultState::NonPositiveTotal;
}

std::string stateNote(ResultState state) {
    switch (state) {
    case ResultState::NotComputed:
        return "未计算：本库房尚未计算冷负荷，各项结果均为零。";
    case ResultState::NotFinite:
        return "结果不是有限数值（inf/nan）：有不能为零的输入为零（如保温厚度、冷加工时间），"
               "请修正后重新计算；占比不计。";
    case ResultState::NonPositiveTotal:
        return "总冷负荷不是正数，各项不计占比。";
    case ResultState::Computed:
        break;
    }
    return {};
}

// Bar lengths as fractions of the longest bar; a value that is not positive
// or not finite gets no bar.
void scaleBars(std::vector<ChartBar>& bars) {
    double longest = 0;
    for (const ChartBar& bar : bars) {
        if (std::isfinite(bar.value)) {
            longest = std::max(longest, bar.value);
        }
    }
    for (ChartBar& bar : bars) {
        const bool drawn = longest > 0 && std::isfinite(bar.value) && bar.value > 0;
        bar.fraction = drawn ? bar.value / longest : 0.0;
    }
}

// Largest first; values that are not finite go last.
void sortBars(std::vector<ChartBar>& bars) {
    const auto key = [](const ChartBar& bar) {
        return std::isfinite(bar.value) ? bar.value : -std::numeric_limits<double>::infinity();
    };
    std::stable_sort(bars.begin(), bars.end(),
                     [&](const ChartBar& a, const ChartBar& b) { return key(a) > key(b); });
}

// The bars are drawn only for finite results with a positive total: the
// saturated figures of a division by zero would dwarf the real ones.
BarChart loadChart(const LoadTable& load, ResultState state, LoadUnit unit) {
    BarChart chart{"冷负荷构成（按大小排序）", {}, {}};
    const std::string symbol(loadUnitDef(unit).symbol);
    for (const LoadRow& row : load.rows) {
        if (!row.subtotal) {
            chart.bars.push_back(
                {row.name, row.shownW, 0.0, row.figures[0] + " " + symbol, row.share});
        }
    }
    sortBars(chart.bars);
    scaleBars(chart.bars);
    const bool anyBar = std::any_of(chart.bars.begin(), chart.bars.end(),
                                    [](const ChartBar& bar) { return bar.fraction > 0; });
    switch (state) {
    case ResultState::NotComputed:
        chart.emptyNote = "未计算，无负荷构成图。";
        break;
    case ResultState::NotFinite:
        chart.emptyNote = "结果不是有限数值，无负荷构成图。";
        break;
    case ResultState::NonPositiveTotal:
        chart.emptyNote = "总冷负荷不是正数，无负荷构成图。";
        break;
    case ResultState::Computed:
        if (!anyBar) {
            chart.emptyNote = "没有正的负荷可画。";
        }
        break;
    }
    return chart;
}

// The dew-point check the form makes after a calculation, in its own words
// when the panel is too thin.
std::string condensationCheck(const FormReader& form, ResultState state) {
    if (state == ResultState::NotComputed) {
        return std::string(kNotComputed);
    }
    const auto panelMm = parseIntText(form.box("insulationThicknessMm"));
    const auto neededMm = parseIntText(form.box("antiCondensationThicknessMm"));
    if (!panelMm || !neededMm) {
        return std::string(kNoValue);
    }
    const std::string panel = formatIntText(*panelMm);
    const std::string needed = formatIntText(*neededMm);
    if (*panelMm < *neededMm) {
        return "库板厚度" + panel + " < 防结露厚度" + needed + " ，请重选";
    }
    return "库板厚度" + panel + " ≥ 防结露厚度" + needed + "，外表面不结露";
}

std::vector<ReportGroup> equipmentGroups(const FormReader& form, CoolingEquipment equipment,
                                         ResultState state) {
    ReportGroup coil{"排管选型", {}};
    ReportGroup airCooler{"冷风机选型", {}};
    for (const FormCellDef& cell : kFormCells) {
        if (cell.group != FormGroup::Evaporators || cell.row > 1) {
            continue;
        }
        ReportGroup& target = cell.row == 0 ? coil : airCooler;
        if (cell.kind == CellKind::List && form.isVisible(cell.control)) {
            target.fields.push_back(form.listField(cell.control));
        } else if (cell.kind == CellKind::Field || cell.kind == CellKind::BareField) {
            ReportField f = form.boxField(*fieldIndexByControl(cell.control));
            if (cell.kind == CellKind::BareField) { // labelled by the tube material's text
                f.label = std::string(trimLabel(form.text(ctl::airCoolerTubeLabel)));
                f.unit = std::string(labelUnit(f.label));
            }
            target.fields.push_back(std::move(f));
        }
    }
    coil.fields.push_back(form.boxField("coilAreaM2"));
    airCooler.fields.push_back(form.boxField("airCoolerAreaM2"));

    const auto lineLabel = [&](CoolingEquipment line) {
        return std::string(equipmentLabel(line)) + (line == equipment ? "（选用）" : "");
    };
    ReportGroup compressors{
        "压缩机选型",
        {{lineLabel(CoolingEquipment::Coil), form.text(ctl::compressorNote1), {}},
         {lineLabel(CoolingEquipment::AirCooler), form.text(ctl::compressorNote2), {}}}};
    ReportGroup pullDown{"空库降温", {{"空库降温", form.text(ctl::emptyStoreNote), {}}}};
    ReportGroup dewPoint{"露点与防结露",
                         {form.boxField("ambientDewPoint"),
                          form.boxField("antiCondensationThicknessMm"),
                          {"库板厚度(mm)", form.box("insulationThicknessMm"), "mm"},
                          {"防结露校核", condensationCheck(form, state), {}}}};
    return {coil, airCooler, compressors, pullDown, dewPoint};
}

// The figures a reader looks for first, each with the form's own text: the
// total with its note (once there is one to show), the load per tonne, both
// surfaces, and the compressor line of the room's equipment.
ReportGroup keyResults(const FormReader& form, const LoadTable& load, CoolingEquipment equipment,
                       ResultState state) {
    ReportField total = form.boxField("totalCoolingLoadW");
    if (state != ResultState::NotComputed) {
        total.value += "（" + load.totalNote + "）";
    }
    const bool coil = equipment == CoolingEquipment::Coil;
    return {"主要结果",
            {total,
             load.loadPerTon,
             form.boxField("coilAreaM2"),
             form.boxField("airCoolerAreaM2"),
             {"压缩机（" + std::string(equipmentLabel(equipment)) + "）",
              form.text(coil ? ctl::compressorNote1 : ctl::compressorNote2),
              {}}}};
}

std::optional<ReferenceRoom> referenceRoom(const FormReader& form) {
    const ListChoice* choice = form.list(ctl::referenceList);
    if (choice == nullptr || choice->current < 0) {
        return std::nullopt;
    }
    return ReferenceRoom{choice->editText, form.text(ctl::referenceNote)};
}

BarChart capacityChart(const ProjectSummary& summary) {
    BarChart chart{"各蒸发温度的制冷量", {}, {}};
    for (const EvaporatingGroup& group : summary.groups) {
        chart.bars.push_back({"蒸发温度" + evaporatingTempText(group.evaporatingTemp),
                              group.capacityKw, 0.0, numberText(group.capacityKw, 1) + " kW",
                              shareText(group.capacityKw, summary.total.capacityKw)});
    }
    // The groups stay in the table's order, coldest first.
    scaleBars(chart.bars);
    if (chart.bars.empty()) {
        chart.emptyNote = "没有计入合计的库房。";
    }
    return chart;
}

} // namespace

RoomReport buildRoomReport(const Room& room, const Library& library, LoadUnit unit) {
    const FormReader form(*room.form);
    RoomReport report;
    report.name = room.name;
    report.equipment = room.equipment;
    report.inputs = inputGroups(form, library);
    report.load = loadTable(form, unit);
    report.state = resultState(form.sheet(), report.load);
    report.stateNote = stateNote(report.state);
    explainLoad(report.load, form, report.state, room);
    if (report.state == ResultState::Computed && hasStaleResults(room)) {
        report.stateNote = std::string(kStaleResultsNote);
    }
    report.keyResults = keyResults(form, report.load, room.equipment, report.state);
    report.chart = loadChart(report.load, report.state, unit);
    report.equipmentGroups = equipmentGroups(form, room.equipment, report.state);
    report.reference = referenceRoom(form);
    return report;
}

Report buildReport(const Project& project, ReportScope scope, std::string_view designFileName,
                   std::string_view date) {
    Report report;
    report.title = std::string(kReportTitle);
    report.loadUnit = project.loadUnit;
    report.words = sheetWordsIn(kSheetWords, kLoadFigureColumns, project.loadUnit);
    report.fileName =
        designFileName.empty() ? std::string(kUnsavedFileName) : std::string(designFileName);
    report.date = std::string(date);
    report.projectName = project.info.name;
    const bool wholeProject = scope == ReportScope::WholeProject && project.rooms.size() > 1;
    // A project always has a current room; a damaged one still gives a title page.
    const Room* single = wholeProject || project.current >= project.rooms.size()
                             ? nullptr
                             : &project.rooms[project.current];
    report.heading = heading(project.info, single, report.fileName, date);
    const ProjectSummary summary = summarizeProject(project);
    if (project.rooms.size() == 1 || wholeProject) {
        const MachineLoad plant = machineLoad(project, summary);
        report.machineLoad = machineLoadTable(summary, plant, project.loadUnit);
        report.schedule = equipmentSchedule(project, summary, plant);
    }
    report.signOffs = signOffs(project.info, date);
    if (!wholeProject) {
        if (single != nullptr) {
            report.rooms.push_back(buildRoomReport(*single, *project.library, project.loadUnit));
        }
        return report;
    }
    report.summary =
        SummarySection{summaryTable(summary, project.loadUnit), capacityChart(summary)};
    for (const Room& room : project.rooms) {
        report.rooms.push_back(buildRoomReport(room, *project.library, project.loadUnit));
    }
    return report;
}

std::string pageNumberText(int page, int pages) {
    return "第 " + std::to_string(page) + " 页 共 " + std::to_string(pages) + " 页";
}

} // namespace gelvant
