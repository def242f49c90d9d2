#pragma once

#include "library/library.h"
#include "report/form_reader.h"

#include <vector>

namespace gelvant {

// The room's inputs as the report lists them: the form's input groups in a
// reader's order, then one group per entry of the designer's library the
// room's lists have chosen ("自定义数据：地区气候").
std::vector<ReportGroup> inputGroups(const FormReader& form, const Library& library);

} // namespace gelvant
