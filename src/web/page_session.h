#pragma once

#include "session/design_session.h"
#include "session/document_workflow.h"
#include "sheet/messages.h"

#include <string>

namespace gelvant {

// The one design session of the page and its file workflow, with the
// message boxes its verbs raised since the page last asked.
struct PageSession {
    PageSession() {
        session.listen([this](const SessionChanges& changes) { refusedBox |= changes.refusedBox; });
    }
    RecordingPresenter presenter;
    DesignSession session{presenter};
    DocumentWorkflow workflow{session};
    bool refusedBox = false; // since the last answer
};

PageSession& page();

// The text handed back to the script stays valid until the next call.
const char* handBack(std::string text);

// The whole form after an action, with the messages the action raised.
const char* formAfterAction();

} // namespace gelvant
