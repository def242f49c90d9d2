#include "report/report_language.h"

#include "report/title_block.h"

#include <array>
#include <span>

namespace gelvant {
namespace {

using Visit = std::function<void(std::string&)>;

void visitGroup(ReportGroup& group, const Visit& visit) {
    visit(group.title);
    for (ReportField& field : group.fields) {
        visit(field.label);
        visit(field.value);
        visit(field.unit);
    }
}

void visitRow(LoadRow& row, const Visit& visit) {
    for (std::string* text : {&row.label, &row.name, &row.basis, &row.formula, &row.legend,
                              &row.flowNote, &row.share}) {
        visit(*text);
    }
    for (std::string& statement : row.substituted) {
        visit(statement);
    }
}

void visitChart(BarChart& chart, const Visit& visit) {
    visit(chart.title);
    visit(chart.emptyNote);
    for (ChartBar& bar : chart.bars) {
        visit(bar.label);
    }
}

template <class Rows> void visitCells(Rows& rows, const Visit& visit) {
    for (auto& row : rows) {
        for (std::string& cell : row) {
            visit(cell);
        }
    }
}

void visitTable(SheetTable& table, const Visit& visit) {
    visit(table.title);
    for (std::string& column : table.columns) {
        visit(column);
    }
    visitCells(table.rows, visit);
}

void visitRoom(RoomReport& room, const Visit& visit) {
    visit(room.name);
    visit(room.stateNote);
    visitGroup(room.keyResults, visit);
    for (ReportGroup& group : room.inputs) {
        visitGroup(group, visit);
    }
    for (LoadRow& row : room.load.rows) {
        visitRow(row, visit);
    }
    visitRow(room.load.total, visit);
    visit(room.load.totalNote);
    visit(room.load.loadPerTon.label);
    visit(room.load.tonnageNote);
    visitChart(room.chart, visit);
    for (ReportGroup& group : room.equipmentGroups) {
        visitGroup(group, visit);
    }
    if (room.reference) {
        visit(room.reference->row);
        visit(room.reference->note);
    }
}

void visitMachineLoad(MachineLoadTable& table, const Visit& visit) {
    for (CoefficientRow& row : table.coefficients) {
        visit(row.label);
        visit(row.value);
    }
    visitCells(table.rooms, visit);
    visitCells(table.groups, visit);
    for (std::string& cell : table.total) {
        visit(cell);
    }
    for (auto* lines :
         {&table.basis, &table.flowSources, &table.leftOutNotes, &table.tempDiffNotes}) {
        for (std::string& line : *lines) {
            visit(line);
        }
    }
}

// The Chinese words and, once asked for, the English ones, kept for the
// program's run: SheetWords holds views.
struct EnglishSheetWords {
    std::array<std::string, 40> storage;
    SheetWords words;
    std::array<std::string_view, kLoadUnits.size()> loadFigureColumns;
};

const EnglishSheetWords& englishSheetWords() {
    static const EnglishSheetWords english = [] {
        EnglishSheetWords built;
        std::size_t next = 0;
        const auto put = [&](std::string_view chinese) {
            std::string& slot = built.storage.at(next++);
            slot = shownText(Language::English, chinese);
            return std::string_view(slot);
        };
        const auto putEach = [&](const auto& chinese, auto& english) {
            for (std::size_t i = 0; i < chinese.size(); ++i) {
                english.at(i) = put(chinese.at(i));
            }
        };
        const SheetWords& zh = kSheetWords;
        SheetWords& en = built.words;
        en.summary = put(zh.summary);
        en.machineLoad = put(zh.machineLoad);
        en.schedule = put(zh.schedule);
        en.signOff = put(zh.signOff);
        putEach(zh.signOffColumns, en.signOffColumns);
        en.room = put(zh.room);
        en.inputs = put(zh.inputs);
        en.load = put(zh.load);
        en.chart = put(zh.chart);
        en.equipment = put(zh.equipment);
        en.reference = put(zh.reference);
        putEach(zh.loadColumns, en.loadColumns);
        en.formulas = put(zh.formulas);
        putEach(zh.formulaColumns, en.formulaColumns);
        en.where = put(zh.where);
        putEach(zh.flowColumns, en.flowColumns);
        en.note = put(zh.note);
        en.colon = put(zh.colon);
        en.gap = put(zh.gap);
        for (std::size_t i = 0; i < kLoadFigureColumns.size(); ++i) {
            built.loadFigureColumns.at(i) = put(kLoadFigureColumns.at(i));
        }
        return built;
    }();
    return english;
}

} // namespace

void visitProgramTexts(Report& report, const Visit& visit) {
    visit(report.title);
    for (ReportField& field : report.heading) {
        // Which line it is is asked before its label is translated.
        if (field.value == kUnsavedFileName || field.label == kRoomLineLabel) {
            visit(field.value);
        }
        visit(field.label);
    }
    if (report.fileName == kUnsavedFileName) {
        visit(report.fileName);
    }
    for (SignOff& signOff : report.signOffs) {
        visit(signOff.role);
    }
    if (report.summary) {
        SummaryTable& table = report.summary->table;
        visitCells(table.rooms, visit);
        visitCells(table.groups, visit);
        for (std::string& cell : table.total) {
            visit(cell);
        }
        for (std::string& note : table.notes) {
            visit(note);
        }
        visitChart(report.summary->capacityChart, visit);
    }
    if (report.machineLoad) {
        visitMachineLoad(*report.machineLoad, visit);
    }
    if (report.schedule) {
        visitTable(report.schedule->rooms, visit);
        visitTable(report.schedule->groups, visit);
    }
    for (RoomReport& room : report.rooms) {
        visitRoom(room, visit);
    }
}

void translateReport(Report& report, Language language) {
    report.language = language;
    if (language == Language::Chinese) {
        return;
    }
    const bool english = language == Language::English;
    report.words = sheetWordsIn(
        sheetWords(language), english ? englishSheetWords().loadFigureColumns : kLoadFigureColumns,
        report.loadUnit);
    visitProgramTexts(report, [language](std::string& text) { text = shownText(language, text); });
}

const SheetWords& sheetWords(Language language) {
    return language == Language::English ? englishSheetWords().words : kSheetWords;
}

std::string pageNumberText(int page, int pages, Language language) {
    return shownText(language, pageNumberText(page, pages));
}

} // namespace gelvant
