#pragma once

#include "app/page_flow.h"
#include "report/report_model.h"

namespace gelvant {

// The height a horizontal bar chart takes on the sheet, its title and the gap
// after it included.
double barChartHeight(const PageFlow& flow, const BarChart& chart, bool withTitle);

// A bar chart kept whole on one page: a room's chart sits under a section
// heading that names it (no title of its own); the summary's chart carries
// its own title.
void layOutBarChart(PageFlow& flow, const BarChart& chart, bool withTitle);

} // namespace gelvant
