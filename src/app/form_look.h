#pragma once

#include "language/language.h"

#include <QIcon>

namespace gelvant {

// The look every window of the program shares: the Fusion style, a Chinese
// sans-serif font of 9 points (from Debian's Noto CJK fonts), the icon, and
// the toolkit's own texts in Chinese.
void applyFormLook();

// The toolkit's own texts in Chinese, or its own English.
void showToolkitWordsIn(Language language);

// The program icon, drawn from the compiled-in SVG at any size.
QIcon programIcon();

} // namespace gelvant
