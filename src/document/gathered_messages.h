#pragma once

#include "document/design_document.h"

#include <string>
#include <vector>

namespace gelvant {

// The one box that 全部重新计算 shows in place of the boxes its rooms raised:
// each room's name on a line of its own, its messages beneath it in the order
// raised, each as "caption：text" with the lines of a long text indented alike.
// Empty when no room said anything.
std::string gatheredMessagesText(const std::vector<RoomMessages>& rooms);

} // namespace gelvant
