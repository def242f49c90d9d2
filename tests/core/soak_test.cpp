// Soak: seeded random design sessions on the whole form. A designer types
// numbers, half-typed numbers, garbage, empty and blank texts, huge, tiny and
// negative values and non-finite words into any box, picks items of any list,
// clears lists, picks catalogue rows and presses compute and apply in any
// order. After every event the form must still tell the truth: each box
// shows the record (or still holds what the designer typed, until a handler
// writes the record back), every message is one of the program's own, the
// catalogue list holds its rows, and a second press of compute changes
// nothing. Sanitizer builds turn any undefined behaviour on the way into a
// failure.

#include "reference/reference_rooms.h"
#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "support/form_invariants.h"
#include "window/design_form.h"
#include "window/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <deque>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace gelvant {
namespace {

// The catalogue's full size once its later rows are appended; 0 while the
// catalogue has no rows at all.
std::size_t catalogueRows() {
    return referenceInitialItems().empty() ? 0 : 172;
}

class TextSource {
public:
    explicit TextSource(std::mt19937_64& rng) : rng_(rng) {}

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    // What a designer might leave in a box.
    std::string boxText() {
        switch (below(10)) {
        case 0:
        case 1:
        case 2:
            return plausibleNumber();
        case 3:
            return wholeNumber();
        case 4:
            return extremeNumber();
        case 5:
            return pick(kUnfinished);
        case 6:
            return pick(kWords);
        case 7:
            return garbage();
        case 8:
            return longNumber();
        default:
            return pick(kBlankish);
        }
    }

    // One keystroke on the current text: a character typed somewhere, one
    // deleted, or the whole text replaced by one character.
    std::string keystroke(std::string text) {
        static constexpr std::string_view kKeys = "0123456789.-+e ";
        const char key = kKeys[below(kKeys.size())];
        switch (below(3)) {
        case 0:
            text.insert(below(text.size() + 1), 1, key);
            break;
        case 1:
            if (!text.empty()) {
                text.erase(below(text.size()), 1);
            }
            break;
        default:
            text.assign(1, key);
        }
        return text;
    }

private:
    std::string plausibleNumber() {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<>(-2, 4)(rng_));
        const double value = chance(0.15) ? -magnitude : magnitude;
        std::ostringstream text;
        text.precision(static_cast<int>(1 + below(6)));
        text << value;
        return text.str();
    }

    std::string wholeNumber() {
        return std::to_string(std::uniform_int_distribution<int>(-100, 5000)(rng_));
    }

    std::string extremeNumber() {
        static constexpr std::array<std::string_view, 16> kExtremes{
            "1e39",       "-1e39",       "3.4e38",     "3.40283e38", "1e-45", "1e-50",
            "-1e-50",     "1e308",       "1e400",      "1e-400",     "0e400", "99999999999",
            "2147483647", "-2147483648", "2147483648", "1.17549e-38"};
        return std::string(pick(kExtremes));
    }

    std::string longNumber() {
        std::string text = chance(0.2) ? "-" : "";
        const std::size_t digits = 7 + below(30);
        for (std::size_t i = 0; i < digits; ++i) {
            text += static_cast<char>('0' + below(10));
        }
        text.insert(text.size() - below(digits), ".");
        return text;
    }

    std::string garbage() {
        static constexpr std::array<std::string_view, 8> kPieces{
            "m", "十二", "１２", "φ", "\t", ",", "#", "\xE2\x80\x83"};
        std::string text;
        const std::size_t n = 1 + below(6);
        for (std::size_t i = 0; i < n; ++i) {
            text += chance(0.6) ? std::string(1, static_cast<char>(' ' + below(95)))
                                : std::string(pick(kPieces));
        }
        return text;
    }

    template <std::size_t N> std::string pick(const std::array<std::string_view, N>& texts) {
        return std::string(texts[below(N)]);
    }

    static constexpr std::array<std::string_view, 12> kUnfinished{
        "-", "+", ".", "-.", "1e", "1e+", ".0", "-0", "0.", "00", "0", "-0.0"};
    static constexpr std::array<std::string_view, 8> kWords{"inf",      "-inf", "nan",  "+inf",
                                                            "infinity", "NaN",  "-nan", "Inf"};
    static constexpr std::array<std::string_view, 6> kBlankish{"", " ", "\t", " 5 ", "5 5", "12m"};

    std::mt19937_64& rng_;
};

struct SoakFigures {
    std::size_t events = 0;
    std::size_t handlerEvents = 0;
    std::size_t prompts = 0;
    std::size_t recomputeChecks = 0;
    std::size_t settledRecomputeChecks = 0;
};

class Session {
public:
    // Every fifth session starts from the form as constructed (as a script
    // run with --no-startup does), the others from the opened form.
    explicit Session(std::uint64_t seed) : rng_(seed), source_(rng_) {
        if (seed % 5 != 0) {
            OnInitDialog(dlg_);
        }
        initialReferenceRows_ = referenceInitialItems().size();
    }

    // Runs events until one breaks an invariant; returns its description.
    std::optional<std::string> run(std::size_t events) {
        if (auto broken = check("start-up", std::nullopt)) {
            return broken;
        }
        for (std::size_t n = 0; n < events; ++n) {
            if (auto broken = step()) {
                std::string report =
                    "event " + std::to_string(n) + ": " + *broken + "\nlast events:";
                for (const std::string& e : trail_) {
                    report += "\n  " + e;
                }
                return report;
            }
        }
        return std::nullopt;
    }

    const SoakFigures& figures() const { return figures_; }

private:
    using Boxes = std::array<std::string, kFieldCount>;

    Boxes boxes() const {
        Boxes texts;
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            texts[i] = std::string(dlg_.editText(i));
        }
        return texts;
    }

    bool bound(int control, EventKind event) const {
        const auto events = designFormEvents();
        return std::any_of(events.begin(), events.end(), [&](const EventBinding& b) {
            return b.controlId == control && b.event == event && b.handler != nullptr;
        });
    }

    std::vector<const ListDef*> visibleLists() const {
        std::vector<const ListDef*> lists;
        for (const ListDef& def : dlg_.listDefs()) {
            const bool shown =
                def.controlId != ctl::coilRowsChoice || dlg_.isVisible(def.controlId);
            if (!def.hidden && shown && dlg_.itemCount(def.controlId) > 0) {
                lists.push_back(&def);
            }
        }
        return lists;
    }

    std::optional<std::string> step() {
        ++figures_.events;
        Boxes before = boxes();
        messagesBefore_ = presenter_.messages.size();
        switch (source_.below(20)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
            return typeInto(std::move(before), source_.boxText());
        case 6:
        case 7:
        case 8: {
            const std::size_t field = editableField();
            return typeInto(std::move(before), source_.keystroke(std::string(dlg_.editText(field))),
                            field);
        }
        case 9:
        case 10:
        case 11:
        case 12:
            return chooseItem(std::move(before));
        case 13:
            return clearList(std::move(before));
        case 14:
        case 15:
            return pressCompute(std::move(before));
        case 16:
        case 17:
            return press(std::move(before), ctl::applyReferenceButton, "click apply");
        case 18:
            return chooseReferenceRow(std::move(before));
        default:
            dlg_.systemCommand(16);
            return check("about box", std::move(before));
        }
    }

    // Mostly the boxes a designer can type into; now and then any box, as a
    // script can.
    std::size_t editableField() {
        for (;;) {
            const std::size_t field = source_.below(kFieldCount);
            if (kFields[field].box == BoxStyle::Editable || source_.chance(0.1)) {
                return field;
            }
        }
    }

    std::optional<std::string> typeInto(Boxes before, std::string text,
                                        std::optional<std::size_t> field = std::nullopt) {
        const std::size_t i = field ? *field : editableField();
        note("type " + std::string(kFields[i].name) + " '" + text + "'");
        typed_[i] = text;
        before[i] = text;
        countHandler(kFields[i].controlId, EventKind::Edit);
        dlg_.userEdits(i, std::move(text));
        return check(trail_.back(), std::move(before));
    }

    std::optional<std::string> chooseItem(Boxes before) {
        const auto lists = visibleLists();
        if (lists.empty()) {
            return check("no list to choose in", std::move(before));
        }
        const ListDef& def = *lists[source_.below(lists.size())];
        const int index = static_cast<int>(source_.below(dlg_.itemCount(def.controlId)));
        note("choose " + std::string(def.name) + " " + std::to_string(index));
        const EventKind event =
            def.style == ListStyle::Extended ? EventKind::ListChange : EventKind::Selection;
        countHandler(def.controlId, event);
        dlg_.userChooses(def.controlId, index);
        return check(trail_.back(), std::move(before));
    }

    std::optional<std::string> chooseReferenceRow(Boxes before) {
        const std::size_t rows = dlg_.itemCount(ctl::referenceList);
        if (rows == 0) {
            return check("empty catalogue", std::move(before));
        }
        // The rows that carry a preset come first; favour them.
        const std::size_t limit = source_.chance(0.7) ? std::min<std::size_t>(rows, 30) : rows;
        const int row = static_cast<int>(source_.below(limit));
        note("choose referenceList " + std::to_string(row));
        countHandler(ctl::referenceList, EventKind::Selection);
        dlg_.userChooses(ctl::referenceList, row);
        return check(trail_.back(), std::move(before));
    }

    std::optional<std::string> clearList(Boxes before) {
        const auto lists = visibleLists();
        if (lists.empty()) {
            return check("no list to clear", std::move(before));
        }
        const ListDef& def = *lists[source_.below(lists.size())];
        note("clear " + std::string(def.name));
        dlg_.userClearsList(def.controlId, source_.chance(0.5) ? source_.boxText() : "");
        return check(trail_.back(), std::move(before));
    }

    std::optional<std::string> press(Boxes before, int button, std::string what) {
        note(std::move(what));
        if (button != ctl::applyReferenceButton || dlg_.isVisible(button)) {
            countHandler(button, EventKind::Click);
        }
        dlg_.userClicks(button);
        return check(trail_.back(), std::move(before));
    }

    // Compute, then compute again: a form that was settled gives the same
    // form again; any other form is settled by the first press, so the third
    // press repeats the second.
    std::optional<std::string> pressCompute(Boxes before) {
        const bool settled = invariants::formIsSettled(dlg_);
        if (auto broken = press(std::move(before), ctl::computeButton, "click compute")) {
            return broken;
        }
        auto first = invariants::formState(dlg_);
        if (!settled) {
            if (auto broken = press(boxes(), ctl::computeButton, "click compute (again)")) {
                return broken;
            }
            first = invariants::formState(dlg_);
        }
        ++figures_.recomputeChecks;
        figures_.settledRecomputeChecks += settled ? 1 : 0;
        if (auto broken = press(boxes(), ctl::computeButton, "click compute (to compare)")) {
            return broken;
        }
        const auto second = invariants::formState(dlg_);
        if (second != first) {
            return "pressing compute again changed the form: " + first.firstDifference(second);
        }
        return std::nullopt;
    }

    void countHandler(int control, EventKind event) {
        figures_.handlerEvents += bound(control, event) ? 1 : 0;
    }

    void note(std::string event) {
        trail_.push_back(std::move(event));
        if (trail_.size() > 12) {
            trail_.pop_front();
        }
    }

    // Nothing but the designer and a sheet write changes a box, and a write
    // leaves every box showing the record.
    // expectedWithoutWrite: the boxes as the designer's action alone leaves them.
    std::optional<std::string> check(const std::string& event,
                                     const std::optional<Boxes>& expectedWithoutWrite) {
        const bool wrote = expectedWithoutWrite && boxes() != *expectedWithoutWrite;
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            if (dlg_.editText(i) == invariants::recordText(dlg_, i)) {
                typed_[i].reset();
            } else if (wrote || !typed_[i] || dlg_.editText(i) != *typed_[i]) {
                return "after '" + event + "': " + *invariants::formShowsRecord(dlg_);
            }
        }
        if (auto broken = invariants::formShowsRecord(dlg_); broken && wrote) {
            return "after '" + event + "': " + *broken;
        }
        if (auto broken = checkMessages(event)) {
            return broken;
        }
        return checkCatalogue(event);
    }

    std::optional<std::string> checkMessages(const std::string& event) {
        for (std::size_t m = messagesBefore_; m < presenter_.messages.size(); ++m) {
            const Message& message = presenter_.messages[m];
            if (!invariants::isProgramMessage(message)) {
                return "after '" + event + "': a message not of the program's own: [" +
                       message.caption + "] " + message.text;
            }
            if (message.text == invariants::kFloatPrompt ||
                message.text == invariants::kIntPrompt) {
                ++figures_.prompts;
            }
        }
        messagesBefore_ = presenter_.messages.size();
        if (presenter_.messages.size() > 1000) {
            presenter_.messages.clear(); // the designer has closed them all
            messagesBefore_ = 0;
        }
        return std::nullopt;
    }

    std::optional<std::string> checkCatalogue(const std::string& event) {
        const std::size_t rows = dlg_.itemCount(ctl::referenceList);
        const std::size_t expected =
            dlg_.referenceRowsAppended ? catalogueRows() : initialReferenceRows_;
        if (rows != expected) {
            return "after '" + event + "': the catalogue list holds " + std::to_string(rows) +
                   " rows, not " + std::to_string(expected);
        }
        return std::nullopt;
    }

    std::mt19937_64 rng_;
    TextSource source_;
    RecordingPresenter presenter_;
    CDesignDlg dlg_{designFormLayout(), presenter_};
    std::array<std::optional<std::string>, kFieldCount> typed_;
    std::deque<std::string> trail_;
    std::size_t messagesBefore_ = 0;
    std::size_t initialReferenceRows_ = 0;
    SoakFigures figures_;
};

// 100,000 events in all, in independent sessions that ctest runs in parallel.
constexpr std::size_t kSessions = 10;
constexpr std::size_t kEventsPerSession = 10'000;

class Soak : public testing::TestWithParam<std::uint64_t> {};

TEST_P(Soak, RandomSessionKeepsTheFormTruthful) {
    const auto start = std::chrono::steady_clock::now();
    Session session(GetParam());
    const auto broken = session.run(kEventsPerSession);
    ASSERT_FALSE(broken) << "seed " << GetParam() << ", " << *broken;
    const SoakFigures& f = session.figures();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    RecordProperty("events", static_cast<int>(f.events));
    std::cout << "[ soak     ] seed " << GetParam() << ": " << f.events << " events, "
              << f.handlerEvents << " ran a handler, " << f.prompts << " prompts, "
              << f.recomputeChecks << " recompute checks (" << f.settledRecomputeChecks
              << " from a settled form), " << ms << " ms\n";
    EXPECT_EQ(f.events, kEventsPerSession);
}

INSTANTIATE_TEST_SUITE_P(Seeds, Soak, testing::Range<std::uint64_t>(1, kSessions + 1));

} // namespace
} // namespace gelvant
