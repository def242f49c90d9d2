#include "app/pdf_text_map.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QRegularExpression>
#include <algorithm>

namespace gelvant {
namespace {

constexpr char16_t kFirstRadical = 0x2E80; // CJK Radicals Supplement, then Kangxi Radicals
constexpr char16_t kLastRadical = 0x2FDF;
constexpr char16_t kFirstIdeograph = 0x3400; // CJK Extension A, then the unified ideographs
constexpr char16_t kLastIdeograph = 0x9FFF;

// For every radical the font draws with an ideograph's glyph: that ideograph.
QHash<char16_t, char16_t> radicalIdeographs(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
    QString radicals;
    for (char16_t c = kFirstRadical; c <= kLastRadical; ++c) {
        radicals += QChar(c);
    }
    QString ideographs;
    for (char16_t c = kFirstIdeograph; c <= kLastIdeograph; ++c) {
        ideographs += QChar(c);
    }
    const QList<quint32> radicalGlyphs = raw.glyphIndexesForString(radicals);
    const QList<quint32> ideographGlyphs = raw.glyphIndexesForString(ideographs);
    // Several radicals may share one glyph (⻝ and ⾷ both draw as 食).
    QMultiHash<quint32, char16_t> radicalsOfGlyph;
    for (qsizetype i = 0; i < radicalGlyphs.size(); ++i) {
        if (radicalGlyphs[i] != 0) {
            radicalsOfGlyph.insert(radicalGlyphs[i], static_cast<char16_t>(kFirstRadical + i));
        }
    }
    QHash<char16_t, char16_t> map;
    for (qsizetype i = 0; i < ideographGlyphs.size(); ++i) {
        for (auto r = radicalsOfGlyph.constFind(ideographGlyphs[i]);
             r != radicalsOfGlyph.cend() && r.key() == ideographGlyphs[i]; ++r) {
            if (!map.contains(r.value())) {
                map.insert(r.value(), static_cast<char16_t>(kFirstIdeograph + i));
            }
        }
    }
    return map;
}

// Rewrites the text values of one map's ranges and single entries: in a
// range line "<from> <to> [<text> ...]" or "<from> <to> <text>" every token
// after the first two, in a single entry "<code> <text>" the second. The
// code space ("<0000> <FFFF>") and the glyph codes stay as they are.
void rewriteMap(char* data, qsizetype size, const QHash<char16_t, char16_t>& map) {
    int codesPerLine = 0; // 2 in a range section, 1 in a single-entry section, 0 elsewhere
    int codesLeft = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QByteArray rest = QByteArray::fromRawData(data + i, size - i);
        if (data[i] == '\n') {
            codesLeft = codesPerLine;
        } else if (data[i] == 'b' || data[i] == 'e') {
            if (rest.startsWith("beginbfrange")) {
                codesPerLine = 2;
            } else if (rest.startsWith("beginbfchar")) {
                codesPerLine = 1;
            } else if (rest.startsWith("endbfrange") || rest.startsWith("endbfchar")) {
                codesPerLine = 0;
            }
        } else if (data[i] == '<' && codesPerLine > 0 && i + 5 < size && data[i + 5] == '>') {
            if (codesLeft > 0) {
                --codesLeft;
            } else {
                bool ok = false;
                const auto code = static_cast<char16_t>(rest.mid(1, 4).toUInt(&ok, 16));
                const auto ideograph = map.constFind(code);
                if (ok && ideograph != map.cend()) {
                    const QByteArray hex =
                        QByteArray::number(*ideograph, 16).toUpper().rightJustified(4, '0');
                    std::copy(hex.begin(), hex.end(), data + i + 1);
                }
            }
            i += 5;
        }
    }
}

} // namespace

void correctTextMaps(QByteArray& pdf, const QFont& cjkFont) {
    static const QHash<char16_t, char16_t> map = [&] {
        QHash<char16_t, char16_t> lookAlikes = radicalIdeographs(cjkFont);
        lookAlikes.insert(u'\t', u' ');
        return lookAlikes;
    }();
    static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode (\\d+) 0 R"));
    const QString text = QString::fromLatin1(pdf);
    for (auto refs = toUnicode.globalMatch(text); refs.hasNext();) {
        const QByteArray header = '\n' + refs.next().captured(1).toLatin1() + " 0 obj\n<< /Length ";
        const qsizetype object = pdf.indexOf(header);
        if (object < 0) {
            continue;
        }
        const qsizetype lengthAt = object + header.size();
        const qsizetype lengthEnd = pdf.indexOf(' ', lengthAt);
        const qsizetype streamAt = pdf.indexOf("stream\n", lengthAt);
        bool ok = false;
        const qsizetype length = pdf.mid(lengthAt, lengthEnd - lengthAt).toLongLong(&ok);
        if (!ok || streamAt < 0 || streamAt + 7 + length > pdf.size()) {
            continue;
        }
        rewriteMap(pdf.data() + streamAt + 7, length, map);
    }
}

} // namespace gelvant
