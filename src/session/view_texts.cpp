#include "session/view_texts.h"

namespace gelvant::view_text {

std::string deleteRoomQuestion(std::string_view room) {
    std::string question(kDeleteRoomBefore);
    question += room;
    question += kDeleteRoomAfter;
    return question;
}

std::string reportScopeQuestion(std::size_t rooms, std::string_view currentRoom) {
    std::string question = "本设计有 " + std::to_string(rooms) +
                           " 个库房。输出整个项目（项目汇总和各库房），还是只输出当前库房“";
    question += currentRoom;
    question += "”？";
    return question;
}

std::string cannotWriteFile(std::string_view path, std::string_view reason) {
    std::string text = "无法写入文件 ";
    text += path;
    text += "：\n";
    text += reason;
    return text;
}

} // namespace gelvant::view_text
