#include "language/language.h"

#include "language/catalogue_words.h"
#include "language/climate_words.h"
#include "language/evaporator_words.h"
#include "language/file_words.h"
#include "language/form_words.h"
#include "language/format_words.h"
#include "language/formula_words.h"
#include "language/goods_words.h"
#include "language/label_words.h"
#include "language/note_words.h"
#include "language/plant_words.h"
#include "language/product_words.h"
#include "language/report_words.h"
#include "language/session_words.h"

#include <algorithm>
#include <array>
#include <deque>
#include <unordered_map>
#include <vector>

namespace gelvant {
namespace {

constexpr auto kWordTables = std::to_array<std::span<const Translation>>({
    kFormEnglish,
    kLabelEnglish,
    kEvaporatorEnglish,
    kGoodsEnglish,
    kClimateEnglish,
    kProductEnglish,
    kCatalogueEnglish,
    kNoteEnglish,
    kPlantEnglish,
    kFileEnglish,
    kSessionEnglish,
    kReportEnglish,
    kFormulaEnglish,
});

using WordIndex = std::unordered_map<std::string_view, std::string_view>;

// The first row of a text wins; the coverage test sees that every other
// row of the same text says the same.
const WordIndex& wordIndex() {
    static const WordIndex index = [] {
        WordIndex built;
        for (const std::span<const Translation> table : kWordTables) {
            for (const Translation& row : table) {
                built.emplace(row.chinese, row.english);
            }
        }
        // The compact catalogue list shows each row with its blanks squeezed.
        static std::deque<std::string> squeezed;
        for (const Translation& row : kCatalogueEnglish) {
            const std::string& chinese = squeezed.emplace_back(squeezedBlanks(row.chinese));
            built.emplace(chinese, squeezed.emplace_back(squeezedBlanks(row.english)));
        }
        return built;
    }();
    return index;
}

// One slot of a format as matched: its text in English.
using Slots = std::vector<std::string>;

// Where a text the tables hold no whole is parted, widest first, and how
// its English parts are joined again.
struct Parting {
    std::string_view chinese;
    std::string_view english;
};
constexpr std::array<Parting, 4> kPartings{
    {{"\n", "\n"}, {"；", "; "}, {"，", ", "}, {"、", ", "}}};
// No format holds a line break or a ；: a text with one is parted at once.
constexpr std::size_t kPartedFirst = 2;

// Turns one text into English. A format's slot tries every place the next
// words stand, and a %t slot is itself a text matched against the formats:
// what a part of the text gives is kept, so that no part is worked out twice.
class Translator {
public:
    // The English of the text or of its parts, each part without English kept
    // as it is; complete turns false when a part with CJK had none.
    std::string parts(std::string_view text, std::size_t parting, bool& complete) {
        const bool partedFirst = std::any_of(
            kPartings.begin(), kPartings.begin() + kPartedFirst,
            [&](const Parting& by) { return text.find(by.chinese) != std::string_view::npos; });
        if (const std::optional<std::string>& whole =
                partedFirst ? exact(text) : this->whole(text)) {
            return *whole;
        }
        for (; parting < kPartings.size(); ++parting) {
            const Parting& by = kPartings.at(parting);
            if (text.find(by.chinese) == std::string_view::npos) {
                continue;
            }
            std::string out;
            while (true) {
                const std::size_t end = text.find(by.chinese);
                out += parts(text.substr(0, end), parting + 1, complete);
                if (end == std::string_view::npos) {
                    return out;
                }
                out += by.english;
                text.remove_prefix(end + by.chinese.size());
            }
        }
        complete = false;
        return std::string(text);
    }

private:
    // A row of a word table.
    const std::optional<std::string>& exact(std::string_view chinese) {
        static const std::optional<std::string> none;
        const auto found = wordIndex().find(chinese);
        if (found == wordIndex().end()) {
            return none;
        }
        return done_.emplace(chinese, std::string(found->second)).first->second;
    }

    // A row of a word table, or the first format that matches.
    const std::optional<std::string>& whole(std::string_view chinese) {
        if (const auto known = done_.find(chinese); known != done_.end()) {
            return known->second;
        }
        std::optional<std::string> english;
        if (!hasCjk(chinese)) {
            english = std::string(chinese);
        } else if (const auto found = wordIndex().find(chinese); found != wordIndex().end()) {
            english = std::string(found->second);
        } else {
            Slots slots;
            for (const Translation& row : kFormatEnglish) {
                slots.clear();
                if (match(row.chinese, chinese, slots)) {
                    english = fill(row.english, slots);
                    break;
                }
            }
        }
        return done_.emplace(chinese, std::move(english)).first->second;
    }

    // The English of the texts of the core joined by 、: each must have one.
    std::optional<std::string> list(std::string_view items) {
        std::string out;
        while (true) {
            const std::size_t end = items.find("、");
            const std::optional<std::string>& item = whole(items.substr(0, end));
            if (!item) {
                return std::nullopt;
            }
            out += *item;
            if (end == std::string_view::npos) {
                return out;
            }
            out += ", ";
            items.remove_prefix(end + std::string_view("、").size());
        }
    }

    // What a slot of that kind shows for the text, if the text fits the slot.
    std::optional<std::string> slot(char kind, std::string_view text) {
        if (text.empty()) {
            return std::nullopt;
        }
        switch (kind) {
        case 's':
            return hasCjk(text) ? std::nullopt : std::optional<std::string>(text);
        case 't':
            return whole(text);
        case 'l':
            return list(text);
        default:
            return names(text);
        }
    }

    // A name as typed, or names joined by 、: each in English where it is a
    // text of the core (库房1, a room named after its use), else as typed.
    std::string names(std::string_view text) {
        std::string out;
        while (true) {
            const std::size_t end = text.find("、");
            const std::string_view name = text.substr(0, end);
            const std::optional<std::string>& english = whole(name);
            out += english ? *english : std::string(name);
            if (end == std::string_view::npos) {
                return out;
            }
            out += ", ";
            text.remove_prefix(end + std::string_view("、").size());
        }
    }

    // Whether text matches the format's Chinese side from here on, each slot
    // taking the least text that fits it and lets the rest match.
    bool match(std::string_view format, std::string_view text, Slots& slots) {
        if (format.empty()) {
            return text.empty();
        }
        if (format.starts_with("%%")) {
            return text.starts_with('%') && match(format.substr(2), text.substr(1), slots);
        }
        if (format.front() != '%') {
            const std::string_view words = format.substr(0, format.find('%'));
            return text.starts_with(words) &&
                   match(format.substr(words.size()), text.substr(words.size()), slots);
        }
        const char kind = format[1];
        const std::string_view rest = format.substr(2);
        const auto tryEnd = [&](std::size_t end) {
            std::optional<std::string> english = slot(kind, text.substr(0, end));
            if (!english) {
                return false;
            }
            slots.push_back(std::move(*english));
            if (match(rest, text.substr(end), slots)) {
                return true;
            }
            slots.pop_back();
            return false;
        };
        if (rest.empty()) {
            return tryEnd(text.size());
        }
        // The slot ends where the next words begin.
        const std::string_view next = rest.substr(0, rest.find('%'));
        const std::string_view anchor = next.empty() ? std::string_view("%") : next;
        for (std::size_t at = text.find(anchor); at != std::string_view::npos;
             at = text.find(anchor, at + 1)) {
            if (tryEnd(at)) {
                return true;
            }
        }
        return false;
    }

    static std::string fill(std::string_view format, const Slots& slots) {
        std::string out;
        std::size_t next = 0;
        for (std::size_t i = 0; i < format.size(); ++i) {
            if (format[i] != '%') {
                out += format[i];
            } else if (format[++i] == '%') {
                out += '%';
            } else if (next < slots.size()) {
                out += slots[next++];
            }
        }
        return out;
    }

    std::unordered_map<std::string_view, std::optional<std::string>> done_;
};

} // namespace

std::string squeezedBlanks(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ' || (!out.empty() && out.back() != ' ')) {
            out.push_back(c);
        }
    }
    if (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

std::optional<std::string> englishText(std::string_view chinese) {
    bool complete = true;
    std::string english = Translator().parts(chinese, 0, complete);
    return complete ? std::optional<std::string>(std::move(english)) : std::nullopt;
}

std::string shownText(Language language, std::string_view text) {
    if (language == Language::Chinese || !hasCjk(text)) {
        return std::string(text);
    }
    bool complete = true;
    return Translator().parts(text, 0, complete);
}

std::span<const std::span<const Translation>> wordTables() {
    return kWordTables;
}

std::span<const Translation> formatTable() {
    return kFormatEnglish;
}

std::string_view languageCode(Language language) {
    return language == Language::English ? "en" : "zh";
}

Language languageFromCode(std::string_view code) {
    const bool english = code.size() >= 2 && (code[0] == 'e' || code[0] == 'E') &&
                         (code[1] == 'n' || code[1] == 'N');
    return english ? Language::English : Language::Chinese;
}

} // namespace gelvant
