#include "app/report_page_frame.h"

#include "app/qt_text.h"
#include "app/report_sheet_style.h"
#include "report/report_language.h"

namespace gelvant {

using namespace sheet_style;

void addPageFrame(std::vector<LaidOutPage>& pages, const Report& report) {
    const int count = static_cast<int>(pages.size());
    const double left = PageFlow::kMarginLeftMm;
    const double width =
        PageFlow::kPageWidthMm - PageFlow::kMarginLeftMm - PageFlow::kMarginRightMm;
    const double footerY = PageFlow::kPageHeightMm - 15.0;
    const QString project = qtext(report.projectName);
    for (int i = 0; i < count; ++i) {
        auto& items = pages[static_cast<std::size_t>(i)].items;
        if (i > 0) {
            items.emplace_back(PageText{QRectF(left, 8.5, width, 4), qtext(report.title),
                                        FontRole::Footer, kLeft, kMuted});
            items.emplace_back(
                PageText{QRectF(left, 8.5, width, 4), project, FontRole::Footer, kRight, kMuted});
            items.emplace_back(PageLine{QLineF(left, 12.8, left + width, 12.8), kInnerRule, 0.2});
        }
        items.emplace_back(PageLine{QLineF(left, footerY, left + width, footerY), kInnerRule, 0.2});
        const QRectF footer(left, footerY + 1.2, width, 4);
        items.emplace_back(
            PageText{footer, qtext(report.fileName), FontRole::Footer, kLeft, kMuted});
        items.emplace_back(PageText{footer, qtext(pageNumberText(i + 1, count, report.language)),
                                    FontRole::Footer, kCentre, kMuted});
        items.emplace_back(PageText{footer, qtext(report.date), FontRole::Footer, kRight, kMuted});
    }
}

} // namespace gelvant
