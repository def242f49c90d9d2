#include "app/report_layout.h"

#include "app/qt_text.h"
#include "app/report_chart_layout.h"
#include "app/report_page_frame.h"
#include "app/report_sheet_style.h"
#include "app/report_table_layout.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace gelvant {
namespace {

using namespace sheet_style;

constexpr double kPadMm = 1.3;        // inside a cell, left and right
constexpr double kCellPadMm = 0.7;    // inside a cell, above and below
constexpr double kGroupCellMm = 21.0; // the group's title cell left of its values
constexpr int kSlots = 3;             // label-value pairs across a group's row
constexpr double kLabelMm = 27.0;     // least width of a label cell
constexpr double kRoundingMm = 0.3;   // a label measured to fit stays on its line

// One label-value pair placed in a group's grid.
struct GridCell {
    QString label;
    QString value;
    int slot;
    int span;
    double labelMm;
};

struct GridRow {
    std::vector<GridCell> cells;
    double heightMm = 0;
};

// Lays the calculation sheet out, section after section.
class SheetLayout {
public:
    SheetLayout(PageFlow& flow, const Report& report) : flow_(flow), report_(report) {}

    void layOut() {
        title();
        if (report_.summary) {
            summary(*report_.summary);
            machineLoadPage();
            schedulePage();
            for (const RoomReport& room : report_.rooms) {
                flow_.newPage();
                roomHeading(room.name);
                roomSections(room);
            }
            return;
        }
        for (const RoomReport& room : report_.rooms) {
            roomSections(room);
        }
        machineLoadPage(); // the plant of a single room closes its sheet
        schedulePage();
    }

private:
    // --- Title block ----------------------------------------------------------------

    void title() {
        const double h = flow_.lineHeight(FontRole::Title);
        flow_.text(QRectF(flow_.left(), flow_.y(), flow_.width(), h), qtext(report_.title),
                   FontRole::Title, kCentre);
        flow_.advance(h + 1.5);
        flow_.line({flow_.left(), flow_.y()}, {flow_.right(), flow_.y()}, kOutline, 0.6);
        flow_.line({flow_.left(), flow_.y() + 0.9}, {flow_.right(), flow_.y() + 0.9}, kOutline,
                   0.2);
        flow_.advance(3.0);
        if (!report_.summary && !report_.rooms.empty()) {
            stateNote(report_.rooms.front().stateNote);
        }
        headingTable();
        layOutSignOffs(flow_, report_.signOffs, words());
        if (!report_.summary && !report_.rooms.empty()) {
            groupTable({report_.rooms.front().keyResults});
        }
    }

    // The equipment chosen, room by room and by evaporating temperature.
    void schedulePage() {
        if (!report_.schedule) {
            return;
        }
        flow_.newPage();
        sectionHeading(qtext(words().schedule), 40);
        layOutSheetTable(flow_, report_.schedule->rooms, {24, 15, 18, 15, 17, 20, 18, 24, 23},
                         {true, true, false, false, false, false, false, false, false});
        layOutSheetTable(flow_, report_.schedule->groups, {22, 72, 26, 27, 27},
                         {false, true, false, false, false});
    }

    // Two entries a row; the last of an odd count takes the whole row, and a
    // long entry (the notes) makes its row taller.
    void headingTable() {
        const std::vector<ReportField>& heading = report_.heading;
        const double pairMm = flow_.width() / 2;
        const double labelMm = 18.0;
        double y = flow_.y();
        const double top = y;
        for (std::size_t i = 0; i < heading.size(); i += 2) {
            const bool whole = i + 1 == heading.size();
            const double w = whole ? flow_.width() : pairMm;
            double textMm = 0;
            for (std::size_t j = i; j < std::min(i + 2, heading.size()); ++j) {
                textMm =
                    std::max(textMm, flow_.wrappedHeight(FontRole::Body, qtext(heading[j].value),
                                                         w - labelMm - 2 * kPadMm));
            }
            const double rowMm = textMm + 2 * kCellPadMm + 0.6;
            for (std::size_t j = i; j < std::min(i + 2, heading.size()); ++j) {
                const double x = flow_.left() + static_cast<double>(j - i) * pairMm;
                labelledCell(QRectF(x, y, w, rowMm), labelMm, qtext(heading[j].label),
                             qtext(heading[j].value));
            }
            y += rowMm;
        }
        flow_.box(QRectF(flow_.left(), top, flow_.width(), y - top), {}, kOutline);
        flow_.advance(y - top + kSectionGapMm);
    }

    void stateNote(const std::string& note) {
        if (note.empty()) {
            return;
        }
        const QString text = qtext(note);
        const double w = flow_.width() - 2 * kPadMm;
        const double h = flow_.wrappedHeight(FontRole::BodyBold, text, w) + 2 * kCellPadMm + 1;
        flow_.box(QRectF(flow_.left(), flow_.y(), flow_.width(), h), kAlertFill, kAlert);
        flow_.text(QRectF(flow_.left() + kPadMm, flow_.y(), w, h), text, FontRole::BodyBold,
                   kWrapLeft, kAlert);
        flow_.advance(h + 3.0);
    }

    void roomHeading(const std::string& name) {
        const double h = flow_.lineHeight(FontRole::Title);
        flow_.text(QRectF(flow_.left(), flow_.y(), flow_.width(), h),
                   qtext(words().room) + qtext(name), FontRole::Heading, kLeft);
        flow_.advance(h);
        flow_.line({flow_.left(), flow_.y()}, {flow_.right(), flow_.y()}, kOutline, 0.4);
        flow_.advance(3.0);
    }

    // --- Sections of a room -----------------------------------------------------------

    void roomSections(const RoomReport& room) {
        if (report_.summary) {
            stateNote(room.stateNote);
            groupTable({room.keyResults});
        }
        sectionHeading(qtext(words().inputs), firstGroupHeight(room.inputs));
        groupTable(room.inputs);
        sectionHeading(qtext(words().load), loadTableHeight(room.load));
        loadTable(room.load);
        layOutLoadFormulas(flow_, room.load, words());
        sectionHeading(qtext(words().chart) + qtext(room.chart.title),
                       barChartHeight(flow_, room.chart, false));
        layOutBarChart(flow_, room.chart, false);
        sectionHeading(qtext(words().equipment), firstGroupHeight(room.equipmentGroups));
        groupTable(room.equipmentGroups);
        if (room.reference) {
            sectionHeading(qtext(words().reference), referenceHeight(*room.reference));
            reference(*room.reference);
        }
    }

    // A heading stays with at least the first part of what it introduces.
    void sectionHeading(const QString& text, double followingMm) {
        const double h = flow_.lineHeight(FontRole::Heading) + 1.0;
        flow_.keepTogether(h + followingMm);
        flow_.text(QRectF(flow_.left(), flow_.y(), flow_.width(), h), text, FontRole::Heading,
                   kLeft);
        flow_.advance(h + 1.0);
    }

    void labelledCell(const QRectF& cell, double labelMm, const QString& label,
                      const QString& value) {
        const QRectF labelRect(cell.x(), cell.y(), labelMm, cell.height());
        const QRectF valueRect(cell.x() + labelMm, cell.y(), cell.width() - labelMm, cell.height());
        flow_.box(labelRect, kLabelFill, kInnerRule);
        flow_.box(valueRect, {}, kInnerRule);
        flow_.text(labelRect.adjusted(kPadMm, 0, -kPadMm, 0), label, FontRole::Body, kWrapLeft,
                   kMuted);
        flow_.text(valueRect.adjusted(kPadMm, 0, -kPadMm, 0), value, FontRole::Body, kWrapLeft);
    }

    // The pairs of a group, three across; a pair whose text needs more room
    // takes two or three places, and the last pair of a row fills it.
    std::vector<GridRow> gridRows(const ReportGroup& group, double areaMm) const {
        const double slotMm = areaMm / kSlots;
        std::vector<GridRow> rows(1);
        int used = 0;
        const auto closeRow = [&] {
            if (!rows.back().cells.empty()) {
                GridCell& last = rows.back().cells.back();
                last.span = kSlots - last.slot;
            }
        };
        for (const ReportField& f : group.fields) {
            GridCell cell{qtext(f.label), qtext(f.value), 0, 1, 0};
            cell.labelMm =
                std::max(kLabelMm, flow_.textWidth(FontRole::Body, cell.label) + 2 * kPadMm);
            if (flow_.wrappedHeight(FontRole::Body, cell.label, cell.labelMm - 2 * kPadMm) >
                flow_.wrappedHeight(FontRole::Body, cell.label, 1e4)) {
                cell.labelMm += kRoundingMm;
            }
            const double needMm =
                cell.labelMm + flow_.textWidth(FontRole::Body, cell.value) + 2 * kPadMm;
            cell.span = std::clamp(static_cast<int>(std::ceil(needMm / slotMm - 1e-9)), 1, kSlots);
            if (used + cell.span > kSlots) {
                closeRow();
                rows.emplace_back();
                used = 0;
            }
            cell.slot = used;
            used += cell.span;
            rows.back().cells.push_back(cell);
        }
        closeRow();
        for (GridRow& row : rows) {
            double textMm = flow_.lineHeight(FontRole::Body);
            for (const GridCell& c : row.cells) {
                const double valueMm = c.span * slotMm - c.labelMm - 2 * kPadMm;
                textMm = std::max(textMm, flow_.wrappedHeight(FontRole::Body, c.value, valueMm));
            }
            row.heightMm = textMm + 2 * kCellPadMm;
        }
        // A group title of more lines than its rows (a long English one) deepens the last row.
        const double titleMm =
            flow_.wrappedHeight(FontRole::BodyBold, qtext(group.title), kGroupCellMm - 2 * kPadMm) +
            2 * kCellPadMm;
        rows.back().heightMm += std::max(0.0, titleMm - heightOf(rows));
        return rows;
    }

    static double heightOf(const std::vector<GridRow>& rows) {
        double heightMm = 0;
        for (const GridRow& row : rows) {
            heightMm += row.heightMm;
        }
        return heightMm;
    }

    double groupAreaMm() const { return flow_.width() - kGroupCellMm; }

    double firstGroupHeight(const std::vector<ReportGroup>& groups) const {
        return groups.empty() ? 0.0 : heightOf(gridRows(groups.front(), groupAreaMm()));
    }

    void groupTable(const std::vector<ReportGroup>& groups) {
        const double areaMm = groupAreaMm();
        const double slotMm = areaMm / kSlots;
        for (const ReportGroup& group : groups) {
            const std::vector<GridRow> rows = gridRows(group, areaMm);
            const double heightMm = heightOf(rows);
            flow_.keepTogether(heightMm);
            const double top = flow_.y();
            const QRectF groupCell(flow_.left(), top, kGroupCellMm, heightMm);
            flow_.box(groupCell, kHeaderFill, kInnerRule);
            flow_.text(groupCell.adjusted(kPadMm, 0, -kPadMm, 0), qtext(group.title),
                       FontRole::BodyBold, kCentre | Qt::TextWordWrap);
            double y = top;
            for (const GridRow& row : rows) {
                for (const GridCell& c : row.cells) {
                    const QRectF cell(flow_.left() + kGroupCellMm + c.slot * slotMm, y,
                                      c.span * slotMm, row.heightMm);
                    labelledCell(cell, c.labelMm, c.label, c.value);
                }
                y += row.heightMm;
            }
            flow_.box(QRectF(flow_.left(), top, flow_.width(), heightMm), {}, kOutline);
            flow_.advance(heightMm);
        }
        flow_.advance(kSectionGapMm);
    }

    // --- The cooling-load table ---------------------------------------------------------

    static constexpr std::array<double, 4> kLoadColumnsMm{30, 22, 25, 16};

    double basisMm() const {
        double used = 0;
        for (const double w : kLoadColumnsMm) {
            used += w;
        }
        return flow_.width() - used;
    }

    using LoadCells = std::array<QString, 5>;

    // A figure too wide for its column (a saturated 2147483647) is set smaller
    // rather than run into the next column.
    FontRole fitting(FontRole role, const QString& text, double widthMm) const {
        if (flow_.textWidth(role, text) <= widthMm) {
            return role;
        }
        return role == FontRole::BodyBold ? FontRole::SmallBold : FontRole::Small;
    }

    static FontRole basisRole(FontRole role) {
        return role == FontRole::BodyBold ? FontRole::SmallBold : FontRole::Small;
    }

    double loadRowHeight(const LoadCells& cells, FontRole role) const {
        const double basisW = basisMm() - 2 * kPadMm;
        return std::max(flow_.lineHeight(role),
                        flow_.wrappedHeight(basisRole(role), cells[4], basisW)) +
               2 * kCellPadMm;
    }

    void loadRow(const LoadCells& cells, FontRole role, const QColor& fill, double indentMm = 0) {
        const double h = loadRowHeight(cells, role);
        double x = flow_.left();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const double w = i < kLoadColumnsMm.size() ? kLoadColumnsMm[i] : basisMm();
            const QRectF cell(x, flow_.y(), w, h);
            flow_.box(cell, fill, kInnerRule);
            const QRectF inner = cell.adjusted(kPadMm + (i == 0 ? indentMm : 0), 0, -kPadMm, 0);
            if (i == 4) {
                flow_.text(inner, cells[i], basisRole(role), kWrapLeft, kMuted);
            } else {
                flow_.text(inner, cells[i], fitting(role, cells[i], inner.width()),
                           i == 0 ? kLeft : kRight);
            }
            x += w;
        }
        flow_.advance(h);
    }

    struct LoadLine {
        LoadCells cells;
        FontRole role;
        QColor fill;
        double indentMm;
    };

    std::vector<LoadLine> loadLines(const LoadTable& load) const {
        std::vector<LoadLine> lines;
        LoadCells columns;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            columns[i] = qtext(words().loadColumns.at(i));
        }
        lines.push_back({columns, FontRole::BodyBold, kHeaderFill, 0});
        for (const LoadRow& row : load.rows) {
            lines.push_back({{qtext(row.name), qtext(row.figures[0]), qtext(row.figures[1]),
                              qtext(row.share), qtext(row.basis)},
                             FontRole::Body,
                             {},
                             row.inOperating ? 4.0 : 0.0});
        }
        const LoadRow& total = load.total;
        lines.push_back({{qtext(total.name), qtext(total.figures[0]), qtext(total.figures[1]),
                          qtext(total.share), qtext(load.totalNote)},
                         FontRole::BodyBold,
                         kLabelFill,
                         0});
        return lines;
    }

    double perTonLineMm() const { return flow_.lineHeight(FontRole::Body) + 1; }

    double loadTableHeight(const LoadTable& load) const {
        double h = 1.5 + perTonLineMm();
        for (const LoadLine& line : loadLines(load)) {
            h += loadRowHeight(line.cells, line.role);
        }
        return h;
    }

    void loadTable(const LoadTable& load) {
        flow_.keepTogether(loadTableHeight(load));
        const double top = flow_.y();
        for (const LoadLine& line : loadLines(load)) {
            loadRow(line.cells, line.role, line.fill, line.indentMm);
        }
        flow_.box(QRectF(flow_.left(), top, flow_.width(), flow_.y() - top), {}, kOutline);
        flow_.advance(1.5);
        const QString perTon = qtext(load.loadPerTon.label) + qtext(words().colon) +
                               qtext(load.loadPerTon.value) + qtext(words().gap) +
                               qtext(load.tonnageNote);
        flow_.text(QRectF(flow_.left(), flow_.y(), flow_.width(), perTonLineMm()), perTon,
                   FontRole::BodyBold, kLeft);
        flow_.advance(perTonLineMm() + kSectionGapMm);
    }

    // --- Reference room and project summary ------------------------------------------------

    double referenceHeight(const ReferenceRoom& ref) const {
        const double w = flow_.width() - 2 * kPadMm;
        return flow_.wrappedHeight(FontRole::BodyBold, qtext(ref.row), w) +
               flow_.wrappedHeight(FontRole::Body, qtext(ref.note).simplified(), w) +
               2 * kCellPadMm + 1.5;
    }

    void reference(const ReferenceRoom& ref) {
        const double w = flow_.width() - 2 * kPadMm;
        const QString row = qtext(ref.row);
        const QString note = qtext(ref.note).simplified();
        const double rowMm = flow_.wrappedHeight(FontRole::BodyBold, row, w);
        const double noteMm = flow_.wrappedHeight(FontRole::Body, note, w);
        const double h = referenceHeight(ref);
        flow_.keepTogether(h);
        flow_.box(QRectF(flow_.left(), flow_.y(), flow_.width(), h), {}, kOutline);
        flow_.text(QRectF(flow_.left() + kPadMm, flow_.y() + kCellPadMm, w, rowMm), row,
                   FontRole::BodyBold, kWrapLeft);
        flow_.text(QRectF(flow_.left() + kPadMm, flow_.y() + kCellPadMm + rowMm + 1.5, w, noteMm),
                   note, FontRole::Body, kWrapLeft);
        flow_.advance(h + kSectionGapMm);
    }

    // A table row of texts in the given column widths; numbers stand right.
    template <std::size_t N>
    void tableRow(const std::array<std::string, N>& cells, const std::array<double, N>& widths,
                  const std::array<bool, N>& leftAligned, FontRole role, const QColor& fill) {
        double textMm = flow_.lineHeight(role);
        for (std::size_t i = 0; i < N; ++i) {
            textMm = std::max(textMm,
                              flow_.wrappedHeight(role, qtext(cells[i]), widths[i] - 2 * kPadMm));
        }
        const double h = textMm + 2 * kCellPadMm;
        flow_.keepTogether(h);
        double x = flow_.left();
        for (std::size_t i = 0; i < N; ++i) {
            const QRectF cell(x, flow_.y(), widths[i], h);
            flow_.box(cell, fill, kInnerRule);
            flow_.text(cell.adjusted(kPadMm, 0, -kPadMm, 0), qtext(cells[i]), role,
                       (leftAligned[i] ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter |
                           Qt::TextWordWrap);
            x += widths[i];
        }
        flow_.advance(h);
    }

    // The column widths, widened where a word of the title or a cell does not fit.
    template <std::size_t N, typename Rows>
    std::array<double, N> fitted(const std::array<double, N>& widths,
                                 const std::array<std::string, N>& titles, const Rows& rows) const {
        std::vector<std::vector<std::string>> cells{{titles.begin(), titles.end()}};
        for (const auto& row : rows) {
            cells.emplace_back(row.begin(), row.end());
        }
        const std::vector<double> fit = fitColumns(flow_, {widths.begin(), widths.end()}, cells);
        std::array<double, N> out{};
        std::copy(fit.begin(), fit.end(), out.begin());
        return out;
    }

    template <std::size_t N>
    std::array<std::string, N> headers(const std::array<SummaryColumn, N>& columns) const {
        std::array<std::string, N> out;
        for (std::size_t i = 0; i < N; ++i) {
            out[i] = shownText(report_.language, columns[i].name) +
                     (columns[i].unit.empty() ? "" : "\n(" + std::string(columns[i].unit) + ")");
        }
        return out;
    }

    void summary(const SummarySection& s) {
        sectionHeading(qtext(words().summary), 40);
        static constexpr std::array<double, kRoomColumnCount> kRoomMm{22, 12, 14, 15,   18,  13,
                                                                      14, 15, 16, 17.5, 17.5};
        static constexpr std::array<bool, kRoomColumnCount> kRoomLeft{
            true, false, false, false, false, true, false, false, false, false, false};
        const auto roomTitles = headers(s.table.roomColumns);
        const auto roomMm = fitted(kRoomMm, roomTitles, s.table.rooms);
        tableRow(roomTitles, roomMm, kRoomLeft, FontRole::SmallBold, kHeaderFill);
        for (const SummaryRoomRow& row : s.table.rooms) {
            tableRow(row, roomMm, kRoomLeft, FontRole::Small, {});
        }
        flow_.advance(3);
        static constexpr std::array<double, kGroupColumnCount> kGroupMm{20, 86, 16, 26, 26};
        static constexpr std::array<bool, kGroupColumnCount> kGroupLeft{false, true, false, false,
                                                                        false};
        const auto groupTitles = headers(s.table.groupColumns);
        const auto groupMm = fitted(kGroupMm, groupTitles, s.table.groups);
        tableRow(groupTitles, groupMm, kGroupLeft, FontRole::SmallBold, kHeaderFill);
        for (const SummaryGroupRow& row : s.table.groups) {
            tableRow(row, groupMm, kGroupLeft, FontRole::Small, {});
        }
        tableRow(s.table.total, groupMm, kGroupLeft, FontRole::SmallBold, kLabelFill);
        flow_.advance(1.5);
        for (const std::string& note : s.table.notes) {
            alertNote(note);
        }
        flow_.advance(kSectionGapMm);
        layOutBarChart(flow_, s.capacityChart, true);
    }

    // --- The plant's machine load --------------------------------------------------------

    void machineLoadPage() {
        if (!report_.machineLoad) {
            return;
        }
        const MachineLoadTable& m = *report_.machineLoad;
        flow_.newPage();
        sectionHeading(qtext(words().machineLoad), 40);
        const QString formula = qtext(kMachineLoadFormula);
        const double h = flow_.lineHeight(FontRole::BodyBold) + 2;
        flow_.text(QRectF(flow_.left(), flow_.y(), flow_.width(), h), formula, FontRole::BodyBold,
                   kCentre);
        flow_.advance(h + 1.5);
        static constexpr std::array<double, 2> kCoefficientMm{110, 64};
        static constexpr std::array<bool, 2> kCoefficientLeft{true, true};
        for (const CoefficientRow& c : m.coefficients) {
            tableRow(std::array<std::string, 2>{c.label, c.value}, kCoefficientMm, kCoefficientLeft,
                     FontRole::Small, {});
        }
        flow_.advance(1.5);
        layOutFlowSources(flow_, m, words(), report_.language);
        flow_.advance(1.0);
        const QString goodsFlow = qtext(shownText(report_.language, kGoodsFlowNote));
        const double noteMm = flow_.wrappedHeight(FontRole::Small, goodsFlow, flow_.width());
        flow_.text(QRectF(flow_.left(), flow_.y(), flow_.width(), noteMm), goodsFlow,
                   FontRole::Small, kWrapLeft);
        flow_.advance(noteMm);
        flow_.advance(3);
        static constexpr std::array<double, kMachineRoomColumnCount> kRoomMm{24, 34, 16, 16, 16,
                                                                             16, 16, 26, 10};
        static constexpr std::array<bool, kMachineRoomColumnCount> kRoomLeft{
            true, true, false, false, false, false, false, true, false};
        const auto roomTitles = headers(m.roomColumns);
        const auto roomMm = fitted(kRoomMm, roomTitles, m.rooms);
        tableRow(roomTitles, roomMm, kRoomLeft, FontRole::SmallBold, kHeaderFill);
        for (const MachineRoomRow& row : m.rooms) {
            tableRow(row, roomMm, kRoomLeft, FontRole::Small, {});
        }
        flow_.advance(3);
        static constexpr std::array<double, kMachineGroupColumnCount> kGroupMm{14, 41, 15, 15, 15,
                                                                               15, 15, 16, 12, 16};
        static constexpr std::array<bool, kMachineGroupColumnCount> kGroupLeft{
            false, true, false, false, false, false, false, false, false, false};
        const auto groupTitles = headers(m.groupColumns);
        const auto groupMm = fitted(kGroupMm, groupTitles, m.groups);
        tableRow(groupTitles, groupMm, kGroupLeft, FontRole::SmallBold, kHeaderFill);
        for (const MachineGroupRow& row : m.groups) {
            tableRow(row, groupMm, kGroupLeft, FontRole::Small, {});
        }
        tableRow(m.total, groupMm, kGroupLeft, FontRole::SmallBold, kLabelFill);
        flow_.advance(1.5);
        for (const auto* notes : {&m.basis, &m.leftOutNotes, &m.tempDiffNotes}) {
            for (const std::string& note : *notes) {
                alertNote(note);
            }
        }
    }

    void alertNote(const std::string& note) {
        const QString text = qtext(words().note) + qtext(note);
        const double h = flow_.wrappedHeight(FontRole::Small, text, flow_.width());
        flow_.text(QRectF(flow_.left(), flow_.y(), flow_.width(), h), text, FontRole::Small,
                   kWrapLeft, kAlert);
        flow_.advance(h + 0.5);
    }

    const SheetWords& words() const { return report_.words; }

    PageFlow& flow_;
    const Report& report_;
};

} // namespace

std::vector<LaidOutPage> layOutReport(const Report& report, QPaintDevice& device) {
    PageFlow flow(device);
    SheetLayout(flow, report).layOut();
    std::vector<LaidOutPage> pages = flow.takePages();
    addPageFrame(pages, report);
    return pages;
}

} // namespace gelvant
