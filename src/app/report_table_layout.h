#pragma once

#include "app/page_flow.h"
#include "report/report_model.h"

#include <string>
#include <vector>

namespace gelvant {

// The columns' widths (millimetres), widened where a column's widest word, of
// its title (the first row) or of a cell, does not fit, the room taken from
// columns with room to spare; as given where every word fits.
std::vector<double> fitColumns(const PageFlow& flow, std::vector<double> widthsMm,
                               const std::vector<std::vector<std::string>>& rows);

// A table of the sheet, its title above it, in columns of the given widths
// (millimetres, as many as the table has columns; fitted, see fitColumns);
// the first column and columns of names stand left, figures right. A total
// row is set bold.
void layOutSheetTable(PageFlow& flow, const SheetTable& table, const std::vector<double>& givenMm,
                      const std::vector<bool>& leftAligned);

// The sign-off block: 职责, 姓名, a blank to sign in, 日期.
void layOutSignOffs(PageFlow& flow, const std::vector<SignOff>& signOffs, const SheetWords& words);

// Under a room's load table, how each line and the total are worked out: the
// line's name, its heat flow (and why the room leaves it out), then its
// formula, the values put in with the result, and what the symbols stand
// for. A line stays whole on a page; the block may run on to the next.
void layOutLoadFormulas(PageFlow& flow, const LoadTable& load, const SheetWords& words);

// On the machine-load page: each heat flow beside the load lines it is made of.
// The flows' names in language; the report's own texts come translated.
void layOutFlowSources(PageFlow& flow, const MachineLoadTable& table, const SheetWords& words,
                       Language language);

} // namespace gelvant
