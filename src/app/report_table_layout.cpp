#include "app/report_table_layout.h"

#include "app/report_sheet_style.h"

#include <algorithm>
#include <string>

namespace gelvant {
namespace {

using namespace sheet_style;

constexpr double kPadMm = 1.3;     // inside a cell, left and right
constexpr double kCellPadMm = 0.7; // inside a cell, above and below

void row(PageFlow& flow, const std::vector<std::string>& cells, const std::vector<double>& widthsMm,
         const std::vector<bool>& leftAligned, FontRole role, const QColor& fill,
         double minHeightMm = 0) {
    double textMm = std::max(flow.lineHeight(role), minHeightMm);
    for (std::size_t i = 0; i < cells.size() && i < widthsMm.size(); ++i) {
        textMm =
            std::max(textMm, flow.wrappedHeight(role, qtext(cells[i]), widthsMm[i] - 2 * kPadMm));
    }
    const double h = textMm + 2 * kCellPadMm;
    flow.keepTogether(h);
    double x = flow.left();
    for (std::size_t i = 0; i < cells.size() && i < widthsMm.size(); ++i) {
        const QRectF cell(x, flow.y(), widthsMm[i], h);
        flow.box(cell, fill, kInnerRule);
        const bool left = i < leftAligned.size() && leftAligned[i];
        flow.text(cell.adjusted(kPadMm, 0, -kPadMm, 0), qtext(cells[i]), role,
                  left ? kWrapLeft : kWrapRight);
        x += widthsMm[i];
    }
    flow.advance(h);
}

void tableTitle(PageFlow& flow, const std::string& title) {
    const double h = flow.lineHeight(FontRole::BodyBold) + 1.5;
    flow.keepTogether(h + 3 * flow.lineHeight(FontRole::Small));
    flow.text(QRectF(flow.left(), flow.y(), flow.width(), h), qtext(title), FontRole::BodyBold,
              kLeft);
    flow.advance(h);
}

constexpr int kWrapTop = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr double kFormulaNameMm = 25.0;
constexpr double kFormulaFlowMm = 27.0;
constexpr double kPartIndentMm = 3.0; // the parts of 总操作热量 stand under it

// One line of the formula block: its texts and where each goes.
class FormulaLine {
public:
    FormulaLine(const PageFlow& flow, const LoadRow& row, const SheetWords& words)
        : name_(qtext(row.name)), flow_(qtext(row.flow)), flowNote_(qtext(row.flowNote)),
          formula_(qtext(row.formula)), indentMm_(row.inOperating ? kPartIndentMm : 0) {
        for (const std::string& step : row.substituted) {
            steps_.push_back(qtext(step));
        }
        if (!row.legend.empty()) {
            legend_ = qtext(words.where) + qtext(row.legend);
        }
        const double textMm = formulaMm(flow) - 2 * kPadMm;
        formulaHeightMm_ = flow.wrappedHeight(FontRole::SmallBold, formula_, textMm);
        for (const QString& step : steps_) {
            stepHeightsMm_.push_back(flow.wrappedHeight(FontRole::Small, step, textMm));
        }
        legendHeightMm_ =
            legend_.isEmpty() ? 0.0 : flow.wrappedHeight(FontRole::Small, legend_, textMm);
        const double flowTextMm = kFormulaFlowMm - 2 * kPadMm;
        flowHeightMm_ =
            flow.lineHeight(FontRole::Small) +
            (flowNote_.isEmpty() ? 0.0
                                 : flow.wrappedHeight(FontRole::Small, flowNote_, flowTextMm));
        double rightMm = formulaHeightMm_ + legendHeightMm_;
        for (const double h : stepHeightsMm_) {
            rightMm += h;
        }
        heightMm_ = std::max({rightMm, flowHeightMm_,
                              flow.wrappedHeight(FontRole::Small, name_,
                                                 kFormulaNameMm - 2 * kPadMm - indentMm_)}) +
                    2 * kCellPadMm;
    }

    static double formulaMm(const PageFlow& flow) {
        return flow.width() - kFormulaNameMm - kFormulaFlowMm;
    }

    double heightMm() const { return heightMm_; }

    void layOut(PageFlow& flow, bool total) const {
        const double y = flow.y();
        const QColor fill = total ? kLabelFill : QColor();
        const QRectF nameCell(flow.left(), y, kFormulaNameMm, heightMm_);
        const QRectF flowCell(nameCell.right(), y, kFormulaFlowMm, heightMm_);
        const QRectF formulaCell(flowCell.right(), y, formulaMm(flow), heightMm_);
        for (const QRectF& cell : {nameCell, flowCell, formulaCell}) {
            flow.box(cell, fill, kInnerRule);
        }
        const auto inner = [](const QRectF& cell, double indentMm = 0) {
            return cell.adjusted(kPadMm + indentMm, kCellPadMm, -kPadMm, -kCellPadMm);
        };
        flow.text(inner(nameCell, indentMm_), name_, total ? FontRole::SmallBold : FontRole::Small,
                  kWrapTop);
        QRectF at = inner(flowCell);
        flow.text(at, flow_, FontRole::Small, kWrapTop);
        if (!flowNote_.isEmpty()) {
            at.setTop(at.top() + flow.lineHeight(FontRole::Small));
            flow.text(at, flowNote_, FontRole::Small, kWrapTop, kAlert);
        }
        at = inner(formulaCell);
        const auto put = [&](const QString& text, FontRole role, double h, const QColor& color) {
            flow.text(QRectF(at.left(), at.top(), at.width(), h), text, role, kWrapTop, color);
            at.setTop(at.top() + h);
        };
        put(formula_, FontRole::SmallBold, formulaHeightMm_, Qt::black);
        for (std::size_t i = 0; i < steps_.size(); ++i) {
            put(steps_[i], FontRole::Small, stepHeightsMm_[i], Qt::black);
        }
        if (!legend_.isEmpty()) {
            put(legend_, FontRole::Small, legendHeightMm_, kMuted);
        }
        flow.advance(heightMm_);
    }

private:
    QString name_;
    QString flow_;
    QString flowNote_;
    QString formula_;
    std::vector<QString> steps_;
    QString legend_;
    double indentMm_;
    double formulaHeightMm_ = 0;
    std::vector<double> stepHeightsMm_;
    double legendHeightMm_ = 0;
    double flowHeightMm_ = 0;
    double heightMm_ = 0;
};

} // namespace

std::vector<double> fitColumns(const PageFlow& flow, std::vector<double> widthsMm,
                               const std::vector<std::vector<std::string>>& rows) {
    std::vector<double> need(widthsMm.size(), 0.0);
    for (const std::vector<std::string>& cells : rows) {
        for (std::size_t i = 0; i < cells.size() && i < need.size(); ++i) {
            need[i] = std::max(need[i],
                               flow.widestWord(FontRole::SmallBold, qtext(cells[i])) + 2 * kPadMm);
        }
    }
    double missing = 0;
    double spare = 0;
    for (std::size_t i = 0; i < need.size(); ++i) {
        missing += std::max(0.0, need[i] - widthsMm[i]);
        spare += std::max(0.0, widthsMm[i] - need[i]);
    }
    if (missing <= 0 || spare <= 0) {
        return widthsMm;
    }
    // What cannot be found stays missing: those words are then set smaller.
    const double moved = std::min(missing, spare);
    for (std::size_t i = 0; i < need.size(); ++i) {
        const double gap = need[i] - widthsMm[i];
        widthsMm[i] += gap > 0 ? gap * moved / missing : gap * moved / spare;
    }
    return widthsMm;
}

void layOutSheetTable(PageFlow& flow, const SheetTable& table, const std::vector<double>& givenMm,
                      const std::vector<bool>& leftAligned) {
    std::vector<std::vector<std::string>> cells{table.columns};
    cells.insert(cells.end(), table.rows.begin(), table.rows.end());
    const std::vector<double> widthsMm = fitColumns(flow, givenMm, cells);
    tableTitle(flow, table.title);
    row(flow, table.columns, widthsMm, std::vector<bool>(table.columns.size(), true),
        FontRole::SmallBold, kHeaderFill);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const bool total = table.lastRowIsTotal && i + 1 == table.rows.size();
        row(flow, table.rows[i], widthsMm, leftAligned,
            total ? FontRole::SmallBold : FontRole::Small, total ? kLabelFill : QColor());
    }
    flow.advance(kSectionGapMm);
}

void layOutSignOffs(PageFlow& flow, const std::vector<SignOff>& signOffs, const SheetWords& words) {
    tableTitle(flow, std::string(words.signOff));
    const std::vector<double> widths{24, 50, 60, flow.width() - 134};
    const std::vector<bool> left(4, true);
    row(flow, {words.signOffColumns.begin(), words.signOffColumns.end()}, widths, left,
        FontRole::SmallBold, kHeaderFill);
    for (const SignOff& signOff : signOffs) {
        // Room to sign by hand.
        row(flow, {signOff.role, signOff.name, "", signOff.date}, widths, left, FontRole::Body, {},
            6.0);
    }
    flow.advance(kSectionGapMm);
}

void layOutLoadFormulas(PageFlow& flow, const LoadTable& load, const SheetWords& words) {
    std::vector<FormulaLine> lines;
    for (const LoadRow& loadRow : load.rows) {
        lines.emplace_back(flow, loadRow, words);
    }
    lines.emplace_back(flow, load.total, words);
    const std::vector<double> widths{kFormulaNameMm, kFormulaFlowMm, FormulaLine::formulaMm(flow)};
    const std::string heading(words.formulas);
    const double titleMm = flow.lineHeight(FontRole::BodyBold) + 1.5;
    const double headerMm = flow.lineHeight(FontRole::SmallBold) + 2 * kCellPadMm;
    flow.keepTogether(titleMm + headerMm + lines.front().heightMm());
    tableTitle(flow, heading);
    double top = flow.y();
    row(flow, {words.formulaColumns.begin(), words.formulaColumns.end()}, widths,
        std::vector<bool>(widths.size(), true), FontRole::SmallBold, kHeaderFill);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].heightMm() > flow.remaining() && !flow.atPageTop()) {
            flow.box(QRectF(flow.left(), top, flow.width(), flow.y() - top), {}, kOutline);
            flow.newPage();
            top = flow.y();
        }
        lines[i].layOut(flow, i + 1 == lines.size());
    }
    flow.box(QRectF(flow.left(), top, flow.width(), flow.y() - top), {}, kOutline);
    flow.advance(kSectionGapMm);
}

void layOutFlowSources(PageFlow& flow, const MachineLoadTable& table, const SheetWords& words,
                       Language language) {
    const std::vector<double> widths{38, flow.width() - 38};
    const std::vector<bool> left(2, true);
    row(flow, {words.flowColumns.begin(), words.flowColumns.end()}, widths, left,
        FontRole::SmallBold, kHeaderFill);
    for (std::size_t q = 0; q < kFlowNames.size() && q < table.flowSources.size(); ++q) {
        row(flow, {shownText(language, kFlowNames[q]), table.flowSources[q]}, widths, left,
            FontRole::Small, {});
    }
}

} // namespace gelvant
