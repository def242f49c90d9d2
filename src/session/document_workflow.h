#pragma once

#include "document/atomic_file.h"
#include "document/design_file.h"
#include "form/messages.h"
#include "session/design_session.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace gelvant {

// The answers a designer can give to the workflow's questions.
enum class Answer { Save, Discard, Cancel, Restore, ComputeAll, Anyway };

struct QuestionButton {
    std::string_view label;
    char accessKey = 0; // underlined in the window's boxes; 0 for none
    Answer answer = Answer::Cancel;
};

// A question as data: a view lays it out and hands back the answer of the
// button pressed. The first button is the default, the last one answers Esc.
struct Question {
    enum class Kind { Warning, Question };
    Kind kind = Kind::Question;
    std::string caption;
    std::string text;
    std::vector<QuestionButton> buttons;
};

// Where a request of the workflow stands after each step.
struct WorkflowStep {
    enum class Kind {
        Done,      // over: carriedOut says whether it was done or given up
        Refused,   // show refusal; the request is over and nothing changed
        Ask,       // show question, then answer()
        SaveFirst, // save as the view saves (it may ask for a file), then saved()
    };
    Kind kind = Kind::Done;
    bool carriedOut = false;
    Message refusal;
    Question question;
};

// The design-file workflow every view shares: new, open, save, leaving with
// unsaved changes, and the recovery copy a crash left behind. The workflow
// decides what to ask and what to do; a view only shows the questions, and
// brings bytes to and from a disk or a download. A request goes step by step,
// so that a view whose questions answer later (a web page) drives it as
// easily as one whose boxes answer at once.
class DocumentWorkflow {
public:
    // The copy of unsaved changes is written once the designer pauses this long.
    static constexpr int kRecoveryDelayMs = 2000;

    explicit DocumentWorkflow(DesignSession& session) : session_(session) {}

    // The design file the design stands in: a path in the window, a file
    // name in the page; empty until the design was first saved or opened.
    const std::string& file() const { return file_; }
    // Its name as the title and the questions show it (无标题 before the first save).
    std::string shownName() const;
    // "<name>* - Gelvant" with the mark while there are unsaved changes.
    std::string title() const;

    // --- Requests; each is carried on by answer() and saved() ------------------------
    WorkflowStep newDesign();
    // A design file read (or refused) from file, which names it.
    WorkflowStep open(std::string file, DesignReadResult read);
    // Closing the window or the page: unsaved changes are asked about first.
    WorkflowStep leave();
    // The recovery copy a crash left, kept at savedAt ("YYYY-MM-DD HH:MM").
    WorkflowStep offerRecovery(DesignReadResult read, std::string_view savedAt);
    WorkflowStep answer(Answer answer);
    // After SaveFirst: whether the view saved the design.
    WorkflowStep saved(bool done);

    // --- Saving -----------------------------------------------------------------------
    // The file name a first save suggests: the project's name, else 无标题.
    std::string suggestedFileName() const;
    // A file name without an extension gets the design file's.
    static std::string withDesignExtension(std::string file);
    // Writes the design to path (shown as shownPath in a refusal); nothing
    // but the refusal when it cannot be written.
    std::optional<Message> saveTo(const std::filesystem::path& path, std::string file,
                                  const FileSystemCalls& calls = systemFileCalls());
    // The design's bytes for a download named file; it counts as saved.
    std::string saveToBytes(std::string file);

    // The copy of the unsaved changes, naming the file it stands in for.
    std::string recoveryCopy() const { return session_.designBytes(file_); }

private:
    enum class Pending { Nothing, New, Open, Leave, Recovery };

    WorkflowStep askUnsavedFirst(Pending pending);
    WorkflowStep carryOut();
    WorkflowStep finish(bool carriedOut);

    DesignSession& session_;
    std::string file_;
    Pending pending_ = Pending::Nothing;
    std::optional<OpenedDesign> pendingDesign_;
    std::string pendingFile_;
};

} // namespace gelvant
