#include "report/report_labels.h"

#include "form/portable.h"
#include "form_tables/form_lists_table.h"

#include <algorithm>
#include <array>

namespace gelvant {
namespace {

struct Brackets {
    std::string_view open;
    std::string_view close;
};

constexpr std::array<Brackets, 2> kBrackets{{{"(", ")"}, {"（", "）"}}};

// Units the form writes straight after the name, longest first so that
// "kj/kg℃" is not taken for "℃".
constexpr std::array<std::string_view, 5> kBareUnits{"kj/kg℃", "kj/kg", "℃", "Pa", "Kg"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the unit of a trimmed label starts and where its text lies.
struct UnitSpan {
    std::size_t start = std::string_view::npos; // npos: no unit
    std::string_view unit;
};

UnitSpan findUnit(std::string_view label) {
    for (const Brackets& b : kBrackets) {
        if (label.ends_with(b.close)) {
            const std::size_t open = label.rfind(b.open);
            if (open == std::string_view::npos) {
                return {};
            }
            const std::size_t inner = open + b.open.size();
            return {open, label.substr(inner, label.size() - b.close.size() - inner)};
        }
    }
    for (const std::string_view unit : kBareUnits) {
        if (label.ends_with(unit)) {
            const std::size_t start = label.size() - unit.size();
            if (start == 0 || isDigit(label[start - 1])) {
                return {}; // "每10℃": a temperature step, not a unit
            }
            return {start, unit};
        }
    }
    return {};
}

} // namespace

std::string_view trimLabel(std::string_view label) {
    while (!label.empty() && label.back() == ' ') {
        label.remove_suffix(1);
    }
    return label;
}

std::string_view labelUnit(std::string_view label) {
    return findUnit(trimLabel(label)).unit;
}

std::string_view labelName(std::string_view label) {
    label = trimLabel(label);
    const UnitSpan span = findUnit(label);
    return span.start == std::string_view::npos ? label : trimLabel(label.substr(0, span.start));
}

std::string_view listCaption(int listCtl) {
    const auto found = findBy(kFormLists, listCtl, &ListDef::controlId);
    return found == kFormLists.end() ? std::string_view{} : found->caption;
}

} // namespace gelvant
