#pragma once

#include "app/page_flow.h"
#include "report/report_model.h"

#include <vector>

namespace gelvant {

// Adds to every laid-out page what each carries: a running title from the
// second page on, and the footer with the page number, the design file and
// the date.
void addPageFrame(std::vector<LaidOutPage>& pages, const Report& report);

} // namespace gelvant
