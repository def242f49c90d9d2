#include "document/gathered_messages.h"

#include <string_view>

namespace gelvant {
namespace {

constexpr std::string_view kIndent = "    ";

void appendIndented(std::string& out, std::string_view text) {
    out += kIndent;
    for (const char c : text) {
        out += c;
        if (c == '\n') {
            out += kIndent;
        }
    }
    out += '\n';
}

} // namespace

std::string gatheredMessagesText(const std::vector<RoomMessages>& rooms) {
    std::string text;
    for (const RoomMessages& room : rooms) {
        if (room.messages.empty()) {
            continue;
        }
        if (!text.empty()) {
            text += '\n'; // a blank line between rooms
        }
        text += room.room;
        text += '\n';
        for (const Message& message : room.messages) {
            appendIndented(text, message.caption + "：" + message.text);
        }
    }
    return text;
}

} // namespace gelvant
