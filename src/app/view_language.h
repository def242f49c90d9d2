#pragma once

#include "language/language.h"

#include <QString>
#include <string_view>

namespace gelvant {

// The language the window shows the program in. It is the window's one
// display setting, like the locale: the session, the record and the files
// never see it. Chinese until set.
Language viewLanguage();
void setViewLanguage(Language language);

// A text of the core as the window shows it in its language: a label, an
// item, a caption, a message, a menu entry. A name the designer typed comes
// out as typed (unless it is a text of the core, as 库房1 is).
QString shown(std::string_view coreText);

// The language the designer chose last (the settings' "language"); before
// any choice, the system's: English for a locale whose language is en,
// else Chinese.
Language storedLanguage();
void storeLanguage(Language language);

} // namespace gelvant
