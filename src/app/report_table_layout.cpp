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

} // namespace

void layOutSheetTable(PageFlow& flow, const SheetTable& table, const std::vector<double>& widthsMm,
                      const std::vector<bool>& leftAligned) {
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

} // namespace gelvant
