// Any bytes typed into any box of the design form, then a sheet read, a
// handler and a sheet write. The read must take every text exactly as the C
// library's conversion would (within the form's rules), and after the write
// every box must show the record in a text the read takes back.
//
// Input: one mode byte, then records separated by '\n', each a field byte
// (field = byte % 100) followed by the text typed into that box.
//   mode % 4:  0 the typing alone, 1 then compute, 2 then apply, 3 then a
//              list item chosen (list and item from the next mode bytes)
//   mode & 0x80: the form as constructed, without the start-up sequence
//   mode & 0x40: run-length texts: "*" and a byte n repeat the character
//              before them n more times, so that numbers of hundreds of
//              digits (past a double's range) are a few mutations away

#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/numeric.h"
#include "form/portable.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"
#include "support/form_invariants.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace gelvant;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "exchange_fuzz: %s\n", what.c_str());
    std::abort();
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// The form's rule as the C library states it: blanks and tabs around, one
// number the C conversion consumes entirely, zero only when written with a
// leading digit 0. Texts with other characters are refused, except the
// words the write shows for non-finite values.
std::optional<float> expectedFloat(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    if (s == "inf" || s == "+inf" || s == "-inf" || s == "nan") {
        return parseFloatText(s); // the words, checked by the unit tests
    }
    if (s.empty() || s.find_first_not_of("+-.0123456789eE") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string z(s);
    char* end = nullptr;
    const double d = std::strtod(z.c_str(), &end);
    if (end != z.c_str() + z.size() || (d == 0.0 && s.front() != '0')) {
        return std::nullopt;
    }
    return toFloat32(d);
}

std::optional<std::int32_t> expectedInt(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    if (s.empty() || s.find_first_not_of("+-0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string z(s);
    char* end = nullptr;
    errno = 0;
    const long long n = std::strtoll(z.c_str(), &end, 10);
    if (end != z.c_str() + z.size() || errno == ERANGE || n < INT32_MIN || n > INT32_MAX ||
        (n == 0 && s.front() != '0')) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(n);
}

bool sameFloat(float a, float b) {
    return (std::isnan(a) && std::isnan(b)) ||
           bitCast<std::uint32_t>(a) == bitCast<std::uint32_t>(b);
}

void checkRead(std::string_view text) {
    const auto f = parseFloatText(text);
    const auto expected = expectedFloat(text);
    if (f.has_value() != expected.has_value() || (f && !sameFloat(*f, *expected))) {
        fail("float read of '" + std::string(text) + "' differs from the C conversion");
    }
    if (f) {
        // What the write shows reads back, and showing that again is stable.
        const std::string shown = formatFloatText(*f);
        const auto back = parseFloatText(shown);
        if (!back || formatFloatText(*back) != shown) {
            fail("written text '" + shown + "' does not read back stably");
        }
    }
    const auto i = parseIntText(text);
    const auto expectedI = expectedInt(text);
    if (i != expectedI) {
        fail("int read of '" + std::string(text) + "' differs from the C conversion");
    }
}

std::string expandRuns(std::string_view text) {
    constexpr std::size_t kMaxText = 8192;
    std::string expanded;
    for (std::size_t i = 0; i < text.size() && expanded.size() < kMaxText; ++i) {
        if (text[i] == '*' && !expanded.empty() && i + 1 < text.size()) {
            expanded.append(static_cast<std::uint8_t>(text[i + 1]), expanded.back());
            ++i;
        } else {
            expanded.push_back(text[i]);
        }
    }
    return expanded;
}

void runHandler(CDesignDlg& dlg, std::uint8_t mode, std::string_view extra) {
    switch (mode % 4) {
    case 1:
        dlg.userClicks(ctl::computeButton);
        break;
    case 2:
        dlg.userClicks(ctl::applyReferenceButton);
        break;
    case 3: {
        const auto lists = dlg.listDefs();
        const std::uint8_t a = extra.size() > 0 ? static_cast<std::uint8_t>(extra[0]) : 0;
        const std::uint8_t b = extra.size() > 1 ? static_cast<std::uint8_t>(extra[1]) : 0;
        const ListDef& def = lists[a % lists.size()];
        const std::size_t count = dlg.itemCount(def.controlId);
        if (count > 0) {
            dlg.userChooses(def.controlId, static_cast<int>(b % count));
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t mode = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

    RecordingPresenter presenter;
    CDesignDlg dlg(designFormListsAndEvents(), presenter);
    if ((mode & 0x80) == 0) {
        OnInitDialog(dlg);
    }

    std::size_t start = 0;
    std::string_view lastRecord;
    while (start < rest.size()) {
        const std::size_t end = std::min(rest.find('\n', start), rest.size());
        const std::string_view record = rest.substr(start, end - start);
        start = end + 1;
        if (record.empty()) {
            continue;
        }
        const std::size_t field = static_cast<std::uint8_t>(record[0]) % kFieldCount;
        const std::string text =
            (mode & 0x40) != 0 ? expandRuns(record.substr(1)) : std::string(record.substr(1));
        checkRead(text);
        dlg.userEdits(field, text); // the box's own rule, if any
        lastRecord = record;
    }

    dlg.readSheet();
    runHandler(dlg, mode, lastRecord);
    dlg.writeSheet();

    if (const auto broken = invariants::formShowsRecord(dlg)) {
        fail("after the write: " + *broken);
    }
    const std::size_t messages = presenter.messages.size();
    if (!dlg.readSheet() || presenter.messages.size() != messages ||
        !invariants::formIsSettled(dlg)) {
        fail("reading the written form back changed it");
    }
    for (const Message& m : presenter.messages) {
        if (!invariants::isProgramMessage(m)) {
            fail("a message not of the program's own: [" + m.caption + "] " + m.text);
        }
    }
    return 0;
}
