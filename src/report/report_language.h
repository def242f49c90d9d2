#pragma once

#include "language/language.h"
#include "report/report_model.h"

#include <functional>
#include <string>

namespace gelvant {

// Calls visit with every text of the sheet the program wrote: titles,
// labels, list items, notes, formulas, table cells, and the rooms' names
// (库房1 is the program's). The project's information and the file's name
// are the designer's and are left out.
void visitProgramTexts(Report& report, const std::function<void(std::string&)>& visit);

// The sheet as the language shows it: every text the program wrote in that
// language, a room's name too where it is a text of the core (库房1), the
// designer's texts as typed, the figures as they are.
void translateReport(Report& report, Language language);

// The sheet's fixed words in the language.
const SheetWords& sheetWords(Language language);

// "第 N 页 共 M 页" in the language.
std::string pageNumberText(int page, int pages, Language language);

} // namespace gelvant
