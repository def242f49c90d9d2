#pragma once

#include "app/page_flow.h"
#include "report/report_model.h"

#include <vector>

class QPaintDevice;

namespace gelvant {

// The calculation sheet laid out on A4 portrait pages for the device, section
// after section, with the running title and the footers: what the painter
// paints, the printer prints and the tests measure.
std::vector<LaidOutPage> layOutReport(const Report& report, QPaintDevice& device);

} // namespace gelvant
