#pragma once

#include "app/page_flow.h"
#include "report/report_model.h"

#include <vector>

namespace gelvant {

// A table of the sheet, its title above it, in columns of the given widths
// (millimetres, as many as the table has columns); the first column and
// columns of names stand left, figures right. A total row is set bold.
void layOutSheetTable(PageFlow& flow, const SheetTable& table, const std::vector<double>& widthsMm,
                      const std::vector<bool>& leftAligned);

// The sign-off block: 职责, 姓名, a blank to sign in, 日期.
void layOutSignOffs(PageFlow& flow, const std::vector<SignOff>& signOffs, const SheetWords& words);

} // namespace gelvant
