// The page's link to the design-file workflow: new, open, save and the
// recovery copy, each request a step at a time with the questions it puts,
// and the project's title block.

#include "document/design_file.h"
#include "project/project_info_fields.h"
#include "session/document_workflow.h"
#include "web/page_session.h"

#include <nlohmann/json.hpp>

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace gelvant {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::pair<Answer, std::string_view>, 6> kAnswerNames = {{
    {Answer::Save, "save"},
    {Answer::Discard, "discard"},
    {Answer::Cancel, "cancel"},
    {Answer::Restore, "restore"},
    {Answer::ComputeAll, "computeAll"},
    {Answer::Anyway, "anyway"},
}};

std::string_view answerName(Answer answer) {
    for (const auto& [known, name] : kAnswerNames) {
        if (known == answer) {
            return name;
        }
    }
    return "cancel";
}

// An answer the page does not know counts as cancelling.
Answer answerNamed(std::string_view name) {
    for (const auto& [answer, known] : kAnswerNames) {
        if (known == name) {
            return answer;
        }
    }
    return Answer::Cancel;
}

// Where a file request stands: a question to put, a refusal to show, a save
// to make first, or its end, with the form as it then is.
const char* stepAnswer(const WorkflowStep& step) {
    switch (step.kind) {
    case WorkflowStep::Kind::Ask:
        return handBack(dumpJson({{"step", "ask"}, {"question", questionJson(step.question)}}));
    case WorkflowStep::Kind::Refused:
        return handBack(dumpJson(
            {{"step", "refused"},
             {"refusal", {{"caption", step.refusal.caption}, {"text", step.refusal.text}}}}));
    case WorkflowStep::Kind::SaveFirst:
        return handBack(dumpJson({{"step", "saveFirst"}}));
    case WorkflowStep::Kind::Done:
        break;
    }
    return formAfterAction({{"step", "done"}, {"carriedOut", step.carriedOut}});
}

} // namespace

Json questionJson(const Question& question) {
    Json buttons = Json::array();
    for (const QuestionButton& button : question.buttons) {
        buttons.push_back({{"label", std::string(button.label)},
                           {"answer", std::string(answerName(button.answer))}});
    }
    return {{"caption", question.caption}, {"text", question.text}, {"buttons", buttons}};
}

} // namespace gelvant

using namespace gelvant;

extern "C" {

// 新建: the form the program opens on, without the welcome box, once the
// unsaved changes are seen to.
const char* gv_new() {
    return stepAnswer(page().workflow.newDesign());
}

// 打开 or a dropped file: its bytes, refused with the reason when they cannot
// be read, else adopted once the unsaved changes are seen to.
const char* gv_open(const char* bytes, int size, const char* fileName) {
    return stepAnswer(page().workflow.open(fileName, readDesignText(bytesAt(bytes, size))));
}

// The button the designer pressed in the question gv_new, gv_open or
// gv_offer_recovery put.
const char* gv_answer(const char* answer) {
    return stepAnswer(page().workflow.answer(answerNamed(answer)));
}

// After a step that asked to save first: whether the design was saved.
const char* gv_saved(int saved) {
    return stepAnswer(page().workflow.saved(saved != 0));
}

// The design as the window's 保存 writes it, for a download under the name
// gv_work suggests; from then on it is unchanged.
const char* gv_save() {
    DocumentWorkflow& workflow = page().workflow;
    return handBytes(workflow.saveToBytes(workflow.suggestedFileName()));
}

// The design as it stands, for the recovery copy, naming the file it stands
// in for; nothing about the design changes.
const char* gv_recovery_bytes() {
    return handBytes(page().workflow.recoveryCopy());
}

// A recovery copy a closed tab left, kept at savedAt: refused with the reason
// when it cannot be read, else offered back.
const char* gv_offer_recovery(const char* bytes, int size, const char* savedAt) {
    return stepAnswer(page().workflow.offerRecovery(readDesignText(bytesAt(bytes, size)), savedAt));
}

// The project's name, company, designer, date and notes, as 项目信息 edits them.
const char* gv_project_info() {
    const ProjectInfo& info = page().session.project().info;
    Json json = Json::object();
    for (const ProjectInfoField& field : kProjectInfoFields) {
        json[std::string(field.key)] = info.*field.member;
    }
    return handBack(dumpJson(json));
}

// The title block as edited: a JSON object of the fields' texts by key; a
// field it leaves out is emptied.
const char* gv_set_project_info(const char* edited) {
    const Json json = Json::parse(edited, nullptr, false);
    ProjectInfo info;
    for (const ProjectInfoField& field : kProjectInfoFields) {
        const auto text = json.is_object() ? json.find(field.key) : json.end();
        if (text != json.end() && text->is_string()) {
            info.*field.member = text->get<std::string>();
        }
    }
    page().session.setProjectInfo(info);
    return formAfterAction();
}

} // extern "C"
