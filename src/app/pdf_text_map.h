#pragma once

#include <QByteArray>

class QFont;

namespace gelvant {

// The toolkit writes the map from an embedded font's glyphs back to text by
// taking, for each glyph, the lowest character the font draws with it. The
// fonts draw the tab with the space's glyph, and the CJK fonts draw the
// radicals (U+2E80 to U+2FDF) with the glyphs of the ideographs they look
// like, so "第 1 页" would be copied and found as "第\t1\t⻚" and 目, 人 as ⽬,
// ⼈. This rewrites those map entries to the space and to the ideographs the
// font draws with the same glyph: the report holds no tabs and no radicals.
// Every entry keeps its four hex digits, so the file keeps its length and
// its offsets. The look-alikes are worked out once, from the font first given.
void correctTextMaps(QByteArray& pdf, const QFont& cjkFont);

} // namespace gelvant
