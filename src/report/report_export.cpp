#include "report/report_export.h"

#include <array>
#include <initializer_list>

namespace gelvant {
namespace {

// A number as a spreadsheet reads one: an optional sign, digits with an
// optional decimal point, an optional exponent, an optional percent sign.
bool isPlainNumber(std::string_view text) {
    std::size_t i = 0;
    const auto skipOne = [&](std::string_view chars) {
        const bool found = i < text.size() && chars.find(text[i]) != std::string_view::npos;
        i += found ? 1 : 0;
        return found;
    };
    const auto skipDigits = [&] {
        const std::size_t start = i;
        while (skipOne("0123456789")) {
        }
        return i > start;
    };
    skipOne("+-");
    bool mantissa = skipDigits();
    if (skipOne(".")) {
        mantissa = skipDigits() || mantissa;
    }
    if (!mantissa) {
        return false;
    }
    if (skipOne("eE")) {
        skipOne("+-");
        if (!skipDigits()) {
            return false;
        }
    }
    skipOne("%");
    return i == text.size();
}

// A cell as a spreadsheet shows it and never runs it: a leading apostrophe,
// the spreadsheets' mark for text, before a cell that would start a formula.
std::string spreadsheetSafeText(std::string_view text) {
    constexpr std::string_view kFormulaStarts = "=+-@\t\r";
    if (text.empty() || kFormulaStarts.find(text.front()) == std::string_view::npos ||
        isPlainNumber(text)) {
        return std::string(text);
    }
    std::string safe;
    safe.reserve(text.size() + 1);
    safe += '\'';
    safe += text;
    return safe;
}

std::string csvCell(std::string_view shown) {
    std::string text = spreadsheetSafeText(shown);
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

// Rows of the CSV, its own words (the header, the groups, 说明) in the
// report's language; the report's texts come translated already.
class CsvWriter {
public:
    CsvWriter(bool withRoom, Language language) : withRoom_(withRoom), language_(language) {
        text_ = kUtf8ByteOrderMark;
        if (withRoom_) {
            row({word("库房"), word("分组"), word("项目"), word("数值"), word("单位")});
        } else {
            row({word("分组"), word("项目"), word("数值"), word("单位")});
        }
    }

    // One of the CSV's own words in the report's language.
    [[nodiscard]] std::string word(std::string_view chinese) const {
        return shownText(language_, chinese);
    }

    void field(std::string_view room, std::string_view group, const ReportField& f) {
        entry(room, group, f.label, f.value, f.unit);
    }

    // The group and the label are the program's words: those the report
    // holds come translated, the CSV's own are put in the language here.
    void entry(std::string_view room, std::string_view group, std::string_view label,
               std::string_view value, std::string_view unit) {
        const std::string groupWords = word(group);
        const std::string labelWords = word(label);
        if (withRoom_) {
            row({room, groupWords, labelWords, value, unit});
        } else {
            row({groupWords, labelWords, value, unit});
        }
    }

    std::string take() { return std::move(text_); }

private:
    void row(std::initializer_list<std::string_view> cells) {
        bool first = true;
        for (const std::string_view cell : cells) {
            text_ += first ? "" : ",";
            text_ += csvCell(cell);
            first = false;
        }
        text_ += "\r\n";
    }

    bool withRoom_;
    Language language_;
    std::string text_;
};

void summaryRows(CsvWriter& csv, const SummaryTable& table) {
    for (const SummaryRoomRow& room : table.rooms) {
        for (std::size_t c = 1; c < kRoomColumnCount; ++c) {
            csv.entry(room[0], "项目汇总", table.roomColumns[c].name, room[c],
                      table.roomColumns[c].unit);
        }
    }
    const auto groupRow = [&](std::string_view group, const SummaryGroupRow& row) {
        for (std::size_t c = 1; c < kGroupColumnCount; ++c) {
            csv.entry({}, group, table.groupColumns[c].name, row[c], table.groupColumns[c].unit);
        }
    };
    for (const SummaryGroupRow& group : table.groups) {
        groupRow("蒸发温度" + group[0] + "℃", group);
    }
    groupRow("项目合计", table.total);
    for (const std::string& note : table.notes) {
        csv.entry({}, "汇总说明", "说明", note, {});
    }
}

void machineLoadRows(CsvWriter& csv, const MachineLoadTable& table) {
    const std::string group(kMachineLoadTitle);
    csv.entry({}, group, "公式", kMachineLoadFormula, {});
    csv.entry({}, group, kFlowNames[1], csv.word(kGoodsFlowNote), {});
    for (const CoefficientRow& c : table.coefficients) {
        csv.entry({}, group, c.label, c.value, {});
    }
    for (const MachineRoomRow& room : table.rooms) {
        for (std::size_t c = 1; c < kMachineRoomColumnCount; ++c) {
            csv.entry(room[0], group, table.roomColumns[c].name, room[c],
                      table.roomColumns[c].unit);
        }
    }
    const auto groupRow = [&](std::string_view rowGroup, const MachineGroupRow& row) {
        for (std::size_t c = 1; c < kMachineGroupColumnCount; ++c) {
            csv.entry({}, rowGroup, table.groupColumns[c].name, row[c], table.groupColumns[c].unit);
        }
    };
    for (const MachineGroupRow& row : table.groups) {
        std::string rowGroup = csv.word(group);
        rowGroup += ' ';
        rowGroup += csv.word("蒸发温度" + row[0] + "℃");
        groupRow(rowGroup, row);
    }
    std::string totalGroup = csv.word(group);
    totalGroup += ' ';
    totalGroup += csv.word("合计");
    groupRow(totalGroup, table.total);
    for (const auto* notes : {&table.leftOutNotes, &table.tempDiffNotes}) {
        for (const std::string& note : *notes) {
            csv.entry({}, group, "说明", note, {});
        }
    }
}

// A load line as the form labels it ("库体漏热(W)"), the unit in its label
// the one its figure is shown in ("库体漏热(kW)").
void loadLine(CsvWriter& csv, const RoomReport& room, const LoadRow& row, LoadUnit unit) {
    constexpr std::string_view kInW = "(W)";
    const std::string_view symbol = loadUnitDef(unit).symbol;
    std::string label = row.label;
    if (unit != LoadUnit::W && label.ends_with(kInW)) {
        label.resize(label.size() - kInW.size());
        label += '(';
        label += symbol;
        label += ')';
    }
    csv.entry(room.name, "冷负荷", label, row.figures[0], symbol);
}

void roomRows(CsvWriter& csv, const RoomReport& room, LoadUnit unit) {
    if (!room.stateNote.empty()) {
        csv.entry(room.name, "计算状态", "说明", room.stateNote, {});
    }
    for (const ReportGroup& group : room.inputs) {
        for (const ReportField& f : group.fields) {
            csv.field(room.name, group.title, f);
        }
    }
    for (const LoadRow& row : room.load.rows) {
        loadLine(csv, room, row, unit);
    }
    loadLine(csv, room, room.load.total, unit);
    csv.field(room.name, "冷负荷", room.load.loadPerTon);
    for (const ReportGroup& group : room.equipmentGroups) {
        for (const ReportField& f : group.fields) {
            csv.field(room.name, group.title, f);
        }
    }
    if (room.reference) {
        csv.entry(room.name, "经验数据", "库房类型", room.reference->row, {});
        csv.entry(room.name, "经验数据", "说明", room.reference->note, {});
    }
}

// Tabs and line breaks inside a cell would split it.
std::string tsvCell(std::string_view text) {
    std::string cell = spreadsheetSafeText(text);
    for (char& c : cell) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return cell;
}

void tsvRow(std::string& out, std::initializer_list<std::string_view> cells) {
    bool first = true;
    for (const std::string_view cell : cells) {
        out += first ? "" : "\t";
        out += tsvCell(cell);
        first = false;
    }
    out += '\n';
}

} // namespace

std::string reportCsv(const Report& report) {
    CsvWriter csv(report.rooms.size() > 1, report.language);
    for (const ReportField& f : report.heading) {
        csv.field({}, "项目", f);
    }
    if (report.summary) {
        summaryRows(csv, report.summary->table);
    }
    if (report.machineLoad) {
        machineLoadRows(csv, *report.machineLoad);
    }
    for (const RoomReport& room : report.rooms) {
        roomRows(csv, room, report.loadUnit);
    }
    return csv.take();
}

std::string loadTableTsv(const RoomReport& room, LoadUnit unit) {
    return loadTableTsv(room, sheetWordsIn(kSheetWords, kLoadFigureColumns, unit));
}

std::string loadTableTsv(const RoomReport& room, const SheetWords& words) {
    std::string out;
    const auto& columns = words.loadColumns;
    tsvRow(out, {columns[0], columns[1], columns[2], columns[3], columns[4]});
    for (const LoadRow& row : room.load.rows) {
        const std::string name = row.inOperating ? "  " + row.name : row.name;
        tsvRow(out, {name, row.figures[0], row.figures[1], row.share, row.basis});
    }
    const LoadRow& total = room.load.total;
    tsvRow(out, {total.name, total.figures[0], total.figures[1], total.share, room.load.totalNote});
    const ReportField& perTon = room.load.loadPerTon;
    tsvRow(out, {perTon.label, perTon.value, "", "", room.load.tonnageNote});
    return out;
}

} // namespace gelvant
