#include "session/report_questions.h"

#include "project/result_inputs.h"
#include "session/document_texts.h"

#include <string>

namespace gelvant {

std::optional<Question> staleResultsQuestion(const Project& project, bool wholeProject) {
    std::string names;
    for (std::size_t i = 0; i < project.rooms.size(); ++i) {
        const bool covered = wholeProject || i == project.current;
        if (!covered || !hasStaleResults(project.rooms[i])) {
            continue;
        }
        if (!names.empty()) {
            names += "、";
        }
        names += project.rooms[i].name;
    }
    if (names.empty()) {
        return std::nullopt;
    }
    namespace text = document_text;
    Question question;
    question.kind = Question::Kind::Warning;
    question.caption = std::string(text::kStaleResultsCaption);
    question.text =
        std::string(text::kStaleResultsBefore) + names + std::string(text::kStaleResultsAfter);
    question.buttons = {{text::kComputeAll, 'A', Answer::ComputeAll},
                        {text::kPrintAnyway, 'P', Answer::Anyway},
                        {text::kCancel, 0, Answer::Cancel}};
    return question;
}

} // namespace gelvant
