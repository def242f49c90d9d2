#pragma once

#include "sheet/messages.h"

#include <string>
#include <vector>

namespace gelvant {

class CDesignDlg;

// The whole form as one line of JSON: fields in exchange order with their
// box texts, lists with index and text, run-time texts, visibility and the
// messages raised since the previous dump.
std::string dumpFormJson(const CDesignDlg& dlg, const std::vector<Message>& messages);

// The items of a list as one line of JSON.
std::string listItemsJson(const CDesignDlg& dlg, int listCtl);

} // namespace gelvant
