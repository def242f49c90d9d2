#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The language the views show the program in. The core keeps its own texts
// (the list items the rules compare, the labels, the notes the rules write,
// the messages): the record, the design file and the driver's output are
// the same whatever the language. A view asks here what to show for a text
// of the core.
namespace gelvant {

enum class Language : std::uint8_t { Chinese, English };

// A text of the core and what English shows for it. In a format's row both
// sides hold the same slots in the same order: %s a figure or other text
// without CJK, %n a name the designer typed (a room, a file; one that is a
// text of the core, such as 库房1, in English), %t a text of the core shown
// in English (the row matches only when it has one), %l texts of the core
// joined by 、, shown joined by commas; %% is a percent sign.
struct Translation {
    std::string_view chinese;
    std::string_view english;
};

// The code point a well-formed UTF-8 sequence starts with and its length;
// {0, 1} for a byte that starts none.
struct CodePoint {
    char32_t value;
    std::size_t length;
};

constexpr CodePoint firstCodePoint(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 1;
    char32_t value = lead;
    if (lead >= 0xF0U) {
        length = 4;
        value = lead & 0x07U;
    } else if (lead >= 0xE0U) {
        length = 3;
        value = lead & 0x0FU;
    } else if (lead >= 0xC0U) {
        length = 2;
        value = lead & 0x1FU;
    } else if (lead >= 0x80U) {
        return {0, 1};
    }
    if (length > text.size()) {
        return {0, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U) {
            return {0, 1};
        }
        value = (value << 6U) | (byte(i) & 0x3FU);
    }
    return {value, length};
}

// Ideographs, CJK punctuation (the ideographic comma, the full stop, the
// blank, the corner brackets) and the full-width forms (，：（）％～) that
// Chinese text writes and English never does.
constexpr bool isCjk(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
}

constexpr bool hasCjk(std::string_view text) {
    while (!text.empty()) {
        const CodePoint point = firstCodePoint(text);
        if (isCjk(point.value)) {
            return true;
        }
        text.remove_prefix(point.length);
    }
    return false;
}

// The slots of a format in order ("st" for "%s…%t") written to out; more
// than capacity when a percent sign starts no slot or there are too many.
constexpr std::size_t slotSequence(std::string_view format, char* out, std::size_t capacity) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            continue;
        }
        const char kind = i + 1 < format.size() ? format[i + 1] : '\0';
        ++i;
        if (kind == '%') {
            continue;
        }
        if ((kind != 's' && kind != 'n' && kind != 't' && kind != 'l') || count == capacity) {
            return capacity + 1;
        }
        out[count++] = kind;
    }
    return count;
}

// Both sides of a format row hold the same slots in the same order, and
// the English side no CJK character.
constexpr bool formatRowsAgree(std::span<const Translation> rows) {
    constexpr std::size_t kCapacity = 8;
    for (const Translation& row : rows) {
        char chinese[kCapacity] = {};
        char english[kCapacity] = {};
        const std::size_t n = slotSequence(row.chinese, chinese, kCapacity);
        if (n > kCapacity || n == 0 || slotSequence(row.english, english, kCapacity) != n ||
            hasCjk(row.english)) {
            return false;
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (chinese[i] != english[i]) {
                return false;
            }
        }
    }
    return true;
}

// Every row has a Chinese side with CJK and an English side without.
constexpr bool wordRowsValid(std::span<const Translation> rows) {
    return std::all_of(rows.begin(), rows.end(), [](const Translation& row) {
        return hasCjk(row.chinese) && !hasCjk(row.english) && !row.english.empty();
    });
}

// The English counterpart of a text of the core: its row in a word table;
// else the first format that matches it, its slots filled in; else the
// counterparts of its lines, of its statements (parted by ；) or of its
// clauses (parted by ，), joined again. Empty when some part with CJK has
// none.
std::optional<std::string> englishText(std::string_view chinese);

// The text with every run of blanks squeezed to one blank and none at its
// end, as the window's compact catalogue list shows a catalogue row.
std::string squeezedBlanks(std::string_view text);

// What a view shows for a text of the core: the text itself in Chinese; in
// English its counterpart, or, for what has none (a figure, a name the
// designer typed), the text itself.
std::string shownText(Language language, std::string_view text);

// The word tables (one per file, by where the words come from) and the
// formats, for the check that every text has its counterpart.
std::span<const std::span<const Translation>> wordTables();
std::span<const Translation> formatTable();

// The language's short code, as settings and the page's address write it
// ("zh", "en"), and the language of a code or a locale name ("en_GB.UTF-8",
// "en-US"): English for "en…", else Chinese.
std::string_view languageCode(Language language);
Language languageFromCode(std::string_view code);

} // namespace gelvant
