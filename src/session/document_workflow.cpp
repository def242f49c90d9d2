#include "session/document_workflow.h"

#include "document/design_file_error.h"
#include "document/design_file_io.h"
#include "form/controls.h"
#include "form/program.h"
#include "session/document_texts.h"

#include <utility>

namespace gelvant {
namespace {

namespace text = document_text;

std::string fileNameOf(const std::string& file) {
    return std::filesystem::path(file).filename().string();
}

Message refusal(std::string_view before, const std::string& what, const std::string& reason) {
    std::string shown(before);
    shown += what;
    shown += text::kReasonFollows;
    shown += reason;
    return Message{std::string(caption::program), std::move(shown)};
}

WorkflowStep refusedStep(Message message) {
    WorkflowStep step;
    step.kind = WorkflowStep::Kind::Refused;
    step.refusal = std::move(message);
    return step;
}

WorkflowStep askStep(Question question) {
    WorkflowStep step;
    step.kind = WorkflowStep::Kind::Ask;
    step.question = std::move(question);
    return step;
}

} // namespace

std::string DocumentWorkflow::shownName() const {
    return file_.empty() ? std::string(text::kUntitled) : fileNameOf(file_);
}

std::string DocumentWorkflow::title() const {
    std::string title = shownName();
    if (session_.isModified()) {
        title += text::kModifiedMark;
    }
    title += text::kTitleSeparator;
    title += kProgramName;
    return title;
}

WorkflowStep DocumentWorkflow::newDesign() {
    return askUnsavedFirst(Pending::New);
}

WorkflowStep DocumentWorkflow::open(std::string file, DesignReadResult read) {
    // A file that cannot be read changes nothing and asks nothing.
    if (read.error) {
        return refusedStep(
            refusal(text::kCannotOpenBefore, fileNameOf(file), describeInChinese(*read.error)));
    }
    pendingDesign_ = std::move(read.design);
    pendingFile_ = std::move(file);
    return askUnsavedFirst(Pending::Open);
}

WorkflowStep DocumentWorkflow::leave() {
    return askUnsavedFirst(Pending::Leave);
}

WorkflowStep DocumentWorkflow::offerRecovery(DesignReadResult read, std::string_view savedAt) {
    if (read.error) {
        std::string shown(text::kCannotRecover);
        shown += describeInChinese(*read.error);
        return refusedStep(Message{std::string(caption::program), std::move(shown)});
    }
    const std::string from = read.design->recoveredFrom;
    std::string question(kProgramName);
    question += text::kRecoveryOpening;
    question += from.empty() ? std::string(text::kUntitled) : fileNameOf(from);
    question += text::kRecoveryMiddle;
    question += savedAt;
    question += text::kRecoveryClosing;
    pendingDesign_ = std::move(read.design);
    pendingFile_ = from;
    pending_ = Pending::Recovery;
    return askStep(
        {Question::Kind::Question,
         std::string(caption::program),
         std::move(question),
         {{text::kRestore, 'R', Answer::Restore}, {text::kDropCopy, 'D', Answer::Discard}}});
}

WorkflowStep DocumentWorkflow::askUnsavedFirst(Pending pending) {
    pending_ = pending;
    if (!session_.isModified()) {
        return carryOut();
    }
    std::string question(text::kUnsavedBefore);
    question += shownName();
    question += text::kUnsavedAfter;
    return askStep({Question::Kind::Warning,
                    std::string(caption::program),
                    std::move(question),
                    {{text::kSave, 'S', Answer::Save},
                     {text::kDiscardChanges, 'N', Answer::Discard},
                     {text::kCancel, 0, Answer::Cancel}}});
}

WorkflowStep DocumentWorkflow::answer(Answer answer) {
    if (pending_ == Pending::Nothing) {
        return finish(false);
    }
    if (pending_ == Pending::Recovery) {
        return answer == Answer::Restore ? carryOut() : finish(false);
    }
    switch (answer) {
    case Answer::Save:
        return WorkflowStep{WorkflowStep::Kind::SaveFirst, false, {}, {}};
    case Answer::Discard:
        return carryOut();
    case Answer::Cancel:
    case Answer::Restore:
    case Answer::ComputeAll:
    case Answer::Anyway:
        break;
    }
    return finish(false);
}

WorkflowStep DocumentWorkflow::saved(bool done) {
    return done && pending_ != Pending::Nothing ? carryOut() : finish(false);
}

WorkflowStep DocumentWorkflow::carryOut() {
    switch (pending_) {
    case Pending::New:
        file_.clear();
        session_.newDesign();
        break;
    case Pending::Open:
        file_ = std::move(pendingFile_);
        session_.open(std::move(*pendingDesign_));
        break;
    case Pending::Recovery:
        // The restored changes are still unsaved: the design stays modified.
        file_ = std::move(pendingFile_);
        session_.open(std::move(*pendingDesign_), true);
        break;
    case Pending::Leave:
    case Pending::Nothing:
        break;
    }
    return finish(true);
}

WorkflowStep DocumentWorkflow::finish(bool carriedOut) {
    pending_ = Pending::Nothing;
    pendingDesign_.reset();
    pendingFile_.clear();
    return WorkflowStep{WorkflowStep::Kind::Done, carriedOut, {}, {}};
}

std::string DocumentWorkflow::suggestedFileName() const {
    std::string name = session_.project().info.name;
    for (char& c : name) {
        if (c == '/') {
            c = '-'; // a name, not a folder
        }
    }
    return withDesignExtension(name.empty() ? std::string(text::kUntitled) : std::move(name));
}

std::string DocumentWorkflow::withDesignExtension(std::string file) {
    if (std::filesystem::path(file).extension().empty()) {
        file += kDesignExtension;
    }
    return file;
}

std::optional<Message> DocumentWorkflow::saveTo(const std::filesystem::path& path, std::string file,
                                                const FileSystemCalls& calls) {
    if (const std::error_code failed = session_.save(path, calls)) {
        return refusal(text::kCannotSaveBefore, file, describeSaveFailureInChinese(failed));
    }
    file_ = std::move(file);
    return std::nullopt;
}

std::string DocumentWorkflow::saveToBytes(std::string file) {
    file_ = std::move(file);
    return session_.saveToBytes();
}

} // namespace gelvant
