#pragma once

#include "report/report_model.h"

#include <string>
#include <string_view>

namespace gelvant {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Both exports are read by spreadsheets, which take a cell that starts with
// =, +, -, @, a tab or a carriage return as a formula. A design's texts come
// from anyone, so every such cell gets a leading apostrophe and is shown as
// text; a plain number ("-18", "21.6%") starts no formula and stays a number.

// The report as comma-separated rows for a spreadsheet: UTF-8 with a
// byte-order mark (so that spreadsheet programs read the Chinese right),
// lines ended by CR LF, a cell quoted when it holds a comma, a quote or a line
// break. One row per heading entry, input, load component and equipment
// value: group, label, value, unit, the texts exactly as the form shows them.
// A report of several rooms starts each row with the room and opens with the
// project summary.
std::string reportCsv(const Report& report);

// The cooling-load table of one room as tab-separated rows, to paste into a
// spreadsheet as rows and columns: item, W, kcal/h, share, basis (in
// another unit: item, the unit, W, share, basis, as the sheet); then the
// total with the form's note and the load per tonne.
std::string loadTableTsv(const RoomReport& room, LoadUnit unit = LoadUnit::W);
// The same, its columns headed with the words of a report (Report::words),
// in the report's language and unit.
std::string loadTableTsv(const RoomReport& room, const SheetWords& words);

} // namespace gelvant
