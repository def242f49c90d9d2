#include "app/page_flow.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <utility>

namespace gelvant {
namespace {

constexpr double kMmPerInch = 25.4;

// Point size and weight of each role.
struct RoleLook {
    double points;
    bool bold;
};

RoleLook look(FontRole role) {
    switch (role) {
    case FontRole::Title:
        return {17.0, true};
    case FontRole::Heading:
        return {11.0, true};
    case FontRole::Subheading:
        return {9.5, true};
    case FontRole::Body:
        return {8.5, false};
    case FontRole::BodyBold:
        return {8.5, true};
    case FontRole::Small:
        return {7.2, false};
    case FontRole::SmallBold:
        return {7.2, true};
    case FontRole::Footer:
        return {7.0, false};
    }
    return {8.5, false};
}

} // namespace

PageFlow::PageFlow(QPaintDevice& device)
    : device_(device), pxPerMm_(device.logicalDpiY() / kMmPerInch) {
    pages_.emplace_back();
}

QFont PageFlow::font(FontRole role) {
    // Latin letters and digits from DejaVu Sans: its glyphs map back to their
    // characters in the PDF, so that the figures can be searched and copied;
    // the Chinese text from Noto Sans CJK. Both are embedded as subsets.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    const RoleLook l = look(role);
    font.setPointSizeF(l.points);
    font.setBold(l.bold);
    return font;
}

double PageFlow::textWidth(FontRole role, const QString& text) const {
    return QFontMetricsF(font(role), &device_).horizontalAdvance(text) / pxPerMm_;
}

double PageFlow::lineHeight(FontRole role) const {
    return QFontMetricsF(font(role), &device_).height() / pxPerMm_;
}

double PageFlow::wrappedHeight(FontRole role, const QString& text, double widthMm) const {
    const QFontMetricsF metrics(font(role), &device_);
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, widthMm * pxPerMm_, 1e7),
                                               Qt::TextWordWrap | Qt::AlignLeft, text);
    return std::max(bounds.height(), metrics.height()) / pxPerMm_;
}

double PageFlow::widestWord(FontRole role, const QString& text) const {
    // Wrapped into a sliver of a box, every word stands on a line of its own.
    const QFontMetricsF metrics(font(role), &device_);
    return metrics.boundingRect(QRectF(0, 0, 1, 1e7), Qt::TextWordWrap | Qt::AlignLeft, text)
               .width() /
           pxPerMm_;
}

void PageFlow::keepTogether(double heightMm) {
    if (heightMm > remaining() && !atPageTop()) {
        newPage();
    }
}

void PageFlow::newPage() {
    pages_.emplace_back();
    y_ = kMarginTopMm;
}

void PageFlow::text(const QRectF& rect, const QString& text, FontRole role, int flags,
                    const QColor& color) {
    PageText item{rect, text, role, flags, color};
    const double boxPx = rect.width() * pxPerMm_;
    const auto widthPx = [&] {
        return QFontMetricsF(item.font(), &device_)
            .boundingRect(QRectF(0, 0, boxPx, 1e7), flags, text)
            .width();
    };
    // A word wider than its box (a long English word in a narrow column) is set
    // smaller until it fits, rather than run over its neighbour.
    for (double wide = widthPx(); wide > boxPx + 0.5 && item.scale > 0.5; wide = widthPx()) {
        item.scale *= std::max(0.5, std::min(0.97, boxPx / wide));
    }
    page().items.emplace_back(std::move(item));
}

void PageFlow::box(const QRectF& rect, const QColor& fill, const QColor& stroke) {
    page().items.emplace_back(PageBox{rect, fill, stroke});
}

void PageFlow::line(const QPointF& from, const QPointF& to, const QColor& color, double widthMm) {
    page().items.emplace_back(PageLine{QLineF(from, to), color, widthMm});
}

QFont PageText::font() const {
    QFont font = PageFlow::font(role);
    if (scale < 1.0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    return font;
}

void paintPage(QPainter& painter, const LaidOutPage& page, double pxPerMm) {
    const auto px = [&](const QRectF& mm) {
        return QRectF(mm.x() * pxPerMm, mm.y() * pxPerMm, mm.width() * pxPerMm,
                      mm.height() * pxPerMm);
    };
    for (const PageItem& item : page.items) {
        if (const auto* t = std::get_if<PageText>(&item)) {
            painter.setFont(t->font());
            painter.setPen(t->color);
            painter.drawText(px(t->rect), t->flags | Qt::TextDontClip, t->text);
        } else if (const auto* b = std::get_if<PageBox>(&item)) {
            painter.setPen(b->stroke.isValid() ? QPen(b->stroke, 0.2 * pxPerMm) : QPen(Qt::NoPen));
            painter.setBrush(b->fill.isValid() ? QBrush(b->fill) : QBrush(Qt::NoBrush));
            painter.drawRect(px(b->rect));
        } else if (const auto* l = std::get_if<PageLine>(&item)) {
            painter.setPen(QPen(l->color, l->widthMm * pxPerMm));
            painter.drawLine(QLineF(l->line.p1() * pxPerMm, l->line.p2() * pxPerMm));
        }
    }
}

} // namespace gelvant
