#include "app/report_chart_layout.h"

#include "app/qt_text.h"
#include "app/report_sheet_style.h"

#include <algorithm>

namespace gelvant {
namespace {

using namespace sheet_style;

constexpr double kBarRowMm = 5.4;
constexpr double kBarLabelMm = 30.0;     // least width of the labels left of the bars
constexpr double kBarLabelMostMm = 60.0; // the labels never take more
constexpr double kBarTextMm = 36.0;

double chartTitleMm(const PageFlow& flow) {
    return flow.lineHeight(FontRole::Subheading) + 1.5;
}

} // namespace

double barChartHeight(const PageFlow& flow, const BarChart& chart, bool withTitle) {
    const double body = chart.emptyNote.empty() ? static_cast<double>(chart.bars.size()) * kBarRowMm
                                                : flow.lineHeight(FontRole::Body) + 4;
    return (withTitle ? chartTitleMm(flow) : 0.0) + body + kSectionGapMm;
}

void layOutBarChart(PageFlow& flow, const BarChart& chart, bool withTitle) {
    flow.keepTogether(barChartHeight(flow, chart, withTitle));
    if (withTitle) {
        flow.text(QRectF(flow.left(), flow.y(), flow.width(), chartTitleMm(flow)),
                  qtext(chart.title), FontRole::Subheading, kLeft);
        flow.advance(chartTitleMm(flow));
    }
    if (!chart.emptyNote.empty()) {
        const double h = flow.lineHeight(FontRole::Body) + 4;
        flow.box(QRectF(flow.left(), flow.y(), flow.width(), h), kLabelFill, kInnerRule);
        flow.text(QRectF(flow.left(), flow.y(), flow.width(), h), qtext(chart.emptyNote),
                  FontRole::Body, kCentre, kMuted);
        flow.advance(h + kSectionGapMm);
        return;
    }
    double labelMm = kBarLabelMm; // longer labels (English ones) widen their column
    for (const ChartBar& bar : chart.bars) {
        labelMm = std::max(labelMm, flow.textWidth(FontRole::Body, qtext(bar.label)) + 0.3);
    }
    labelMm = std::min(labelMm, kBarLabelMostMm);
    const double x0 = flow.left() + labelMm + 2;
    const double barsMm = flow.width() - labelMm - 2 - kBarTextMm;
    const double top = flow.y();
    const double h = static_cast<double>(chart.bars.size()) * kBarRowMm;
    for (int quarter = 1; quarter <= 4; ++quarter) { // light guides at a quarter of the longest bar
        const double x = x0 + barsMm * quarter / 4.0;
        flow.line({x, top}, {x, top + h}, kInnerRule, 0.15);
    }
    for (const ChartBar& bar : chart.bars) {
        const double y = flow.y();
        flow.text(QRectF(flow.left(), y, labelMm, kBarRowMm), qtext(bar.label), FontRole::Body,
                  kRight);
        const double lengthMm = barsMm * bar.fraction;
        if (lengthMm > 0) {
            flow.box(QRectF(x0, y + 1.1, lengthMm, kBarRowMm - 2.2), kBarFill);
        }
        const QString figure = qtext(bar.valueText) + QStringLiteral("  ") + qtext(bar.shareText);
        const double figureX = x0 + lengthMm + 1.5;
        flow.text(QRectF(figureX, y, flow.right() - figureX, kBarRowMm), figure, FontRole::Small,
                  kLeft);
        flow.advance(kBarRowMm);
    }
    flow.line({x0, top}, {x0, top + h}, kOutline, 0.3); // the axis
    flow.advance(kSectionGapMm);
}

} // namespace gelvant
