#pragma once

#include "form/messages.h"
#include "language/language.h"
#include "session/design_session.h"
#include "session/document_workflow.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace gelvant {

struct SummaryTable;
struct MachineLoadTable;

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
    // What the page shows the core's texts in; the session never sees it.
    Language language = Language::Chinese;
};

PageSession& page();

// The text handed back to the script stays valid until the next call.
const char* handBack(std::string text);

// Bytes handed to the script (a design file, a CSV): read with their size
// (gv_held_size), valid until the next such call.
const char* handBytes(std::string bytes);
// Bytes the script handed over, as a view (none for a null pointer).
std::string_view bytesAt(const char* data, int size);
// One line of JSON; text that is not UTF-8 is replaced, never thrown on.
std::string dumpJson(const nlohmann::ordered_json& json);

// A question of the design session with its buttons, each answer by the
// name the page hands back (gv_answer).
nlohmann::ordered_json questionJson(const Question& question);

// The project summary's and the machine load's tables, as the page lays them out.
nlohmann::ordered_json summaryTableJson(const SummaryTable& table);
nlohmann::ordered_json machineTableJson(const MachineLoadTable& table);

// The whole form after an action, with the messages the action raised and
// the keys of extra.
const char* formAfterAction(const nlohmann::ordered_json& extra = nlohmann::ordered_json::object());

} // namespace gelvant
