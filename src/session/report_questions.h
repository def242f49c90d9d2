#pragma once

#include "project/project.h"
#include "session/document_workflow.h"

#include <optional>

namespace gelvant {

// Before a calculation sheet is printed or exported (the PDF, the printer,
// the CSV): when rooms it covers hold results that no longer answer to their
// inputs, the designer is asked whether to compute every room first
// (Answer::ComputeAll), to go on with the marked results (Answer::Anyway)
// or to stop (Answer::Cancel). Nothing to ask when every result is current.
// wholeProject: the sheet covers every room, else the current one.
std::optional<Question> staleResultsQuestion(const Project& project, bool wholeProject);

} // namespace gelvant
