#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <variant>
#include <vector>

class QPaintDevice;
class QPainter;

namespace gelvant {

// The type sizes of a printed calculation sheet.
enum class FontRole { Title, Heading, Subheading, Body, BodyBold, Small, SmallBold, Footer };

// What is put on a page, in millimetres from the paper's top-left corner.
struct PageText {
    QRectF rect;
    QString text;
    FontRole role;
    int flags; // Qt::Alignment and Qt::TextWordWrap
    QColor color;
    // Below 1 where a word is wider than the box: the text is set that much
    // smaller rather than run out of it.
    double scale = 1.0;

    QFont font() const;
};
struct PageBox {
    QRectF rect;
    QColor fill;   // invalid: not filled
    QColor stroke; // invalid: no outline
};
struct PageLine {
    QLineF line;
    QColor color;
    double widthMm;
};
using PageItem = std::variant<PageText, PageBox, PageLine>;

struct LaidOutPage {
    std::vector<PageItem> items;
};

// Lays blocks down A4 portrait pages from top to bottom, starting a new page
// when a block does not fit. Text is measured with the fonts as the target
// device will draw them, so that what fits here fits on the paper.
class PageFlow {
public:
    static constexpr double kPageWidthMm = 210.0;
    static constexpr double kPageHeightMm = 297.0;
    static constexpr double kMarginLeftMm = 18.0;
    static constexpr double kMarginRightMm = 18.0;
    static constexpr double kMarginTopMm = 16.0;
    static constexpr double kMarginBottomMm = 20.0;

    explicit PageFlow(QPaintDevice& device);

    static QFont font(FontRole role);

    // The writing area's edges are asked of the flow, as its position is, though
    // every page has the same.
    // NOLINTBEGIN(readability-convert-member-functions-to-static)
    double left() const { return kMarginLeftMm; }
    double width() const { return kPageWidthMm - kMarginLeftMm - kMarginRightMm; }
    // NOLINTEND(readability-convert-member-functions-to-static)
    double right() const { return left() + width(); }
    double y() const { return y_; }
    double remaining() const { return kPageHeightMm - kMarginBottomMm - y_; }
    bool atPageTop() const { return y_ <= kMarginTopMm; }

    double textWidth(FontRole role, const QString& text) const;
    double lineHeight(FontRole role) const;
    // Height of the text wrapped into the width (at least one line).
    double wrappedHeight(FontRole role, const QString& text, double widthMm) const;
    // Width of the text's widest piece that cannot be broken across lines.
    double widestWord(FontRole role, const QString& text) const;

    // Starts a new page unless the block fits below what is already there.
    void keepTogether(double heightMm);
    void newPage();
    void advance(double mm) { y_ += mm; }

    void text(const QRectF& rect, const QString& text, FontRole role, int flags,
              const QColor& color = Qt::black);
    void box(const QRectF& rect, const QColor& fill, const QColor& stroke = {});
    void line(const QPointF& from, const QPointF& to, const QColor& color, double widthMm);

    std::vector<LaidOutPage> takePages() { return std::move(pages_); }

private:
    LaidOutPage& page() { return pages_.back(); }

    QPaintDevice& device_;
    double pxPerMm_;
    std::vector<LaidOutPage> pages_;
    double y_ = kMarginTopMm;
};

// Paints one laid-out page on a device whose origin is the paper's top-left
// corner, at the device's pixels per millimetre.
void paintPage(QPainter& painter, const LaidOutPage& page, double pxPerMm);

} // namespace gelvant
