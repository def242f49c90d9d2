#include "session/view_texts.h"

namespace gelvant::view_text {

std::string deleteRoomQuestion(std::string_view room) {
    std::string question(kDeleteRoomBefore);
    question += room;
    question += kDeleteRoomAfter;
    return question;
}

} // namespace gelvant::view_text
