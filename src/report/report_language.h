#pragma once

#include "language/language.h"
#include "report/report_model.h"

#include <functional>
#include <string>

namespace gelvant {

// Calls visit with every text of the sheet the program wrote: titles,
// labels, list items, notes, formulas, table cells. The designer's own
// texts (the project's information, the file's name, the rooms' names
// above their pages) are left out; a cell that names rooms is visited,
// for the marks the program puts after the names.
void visitProgramTexts(Report& report, const std::function<void(std::string&)>& visit);

// The sheet as the language shows it: every text the program wrote in that
// language, the designer's as typed, the figures as they are.
void translateReport(Report& report, Language language);

// The sheet's fixed words in the language.
const SheetWords& sheetWords(Language language);

// "第 N 页 共 M 页" in the language.
std::string pageNumberText(int page, int pages, Language language);

} // namespace gelvant
