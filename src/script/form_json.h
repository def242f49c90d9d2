#pragma once

#include "form/messages.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace gelvant {

class CDesignDlg;
struct ProjectSummary;
struct MachineLoad;

// The whole form as a JSON object: fields in exchange order with their box
// texts, lists with index and text, run-time texts, visibility and messages
// (each with its room's name where rooms names one).
nlohmann::ordered_json formDump(const CDesignDlg& dlg, const std::vector<Message>& messages,
                                const std::vector<std::string>& rooms = {});

// The whole form as one line of JSON: fields in exchange order with their
// box texts, lists with index and text, run-time texts, visibility and the
// messages raised since the previous dump.
std::string dumpFormJson(const CDesignDlg& dlg, const std::vector<Message>& messages);
// The same, with the room each message was raised in (empty: the form's own);
// a message of another room carries its name.
std::string dumpFormJson(const CDesignDlg& dlg, const std::vector<Message>& messages,
                         const std::vector<std::string>& rooms);

// The project summary with the plant's machine load as one line of JSON,
// numbers as numbers (null where a value is not finite).
std::string summaryJson(const ProjectSummary& summary, const MachineLoad& load);

// The items of a list as one line of JSON.
std::string listItemsJson(const CDesignDlg& dlg, int listCtl);

} // namespace gelvant
