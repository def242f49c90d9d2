// Soak: seeded random design sessions on the whole form, every action going
// through the design document as in the window. A designer types numbers,
// half-typed numbers, garbage, blank texts, huge, tiny and negative values
// and non-finite words into any box, picks, clears and picks catalogue rows,
// presses compute and apply, saves and reopens, undoes and redoes, in any
// order. After every event: each box shows the record (or still holds what
// the designer typed, until a handler writes the record back), every message
// is one of the program's own, the catalogue holds its rows, and a second
// press of compute changes nothing. A twin form gets the very same actions
// but never goes through a file, and must show the same and raise the same
// messages. Undo right after a step gives back the form before it, redo the
// form after it. Sanitizer builds turn undefined behaviour into a failure.

#include "document/design_document.h"
#include "document/design_file.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"
#include "reference/reference_rooms.h"
#include "script/form_json.h"
#include "support/form_invariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace gelvant {
namespace {

// Texts a designer leaves in a box besides ordinary numbers.
constexpr std::array<std::string_view, 42> kOddTexts{
    // huge, tiny and out-of-range values
    "1e39", "-1e39", "3.4e38", "3.40283e38", "1e-45", "1e-50", "-1e-50", "1e308", "1e400", "1e-400",
    "0e400", "99999999999", "2147483647", "-2147483648", "2147483648", "1.17549e-38",
    // half-typed numbers
    "-", "+", ".", "-.", "1e", "1e+", ".0", "-0", "0.", "00", "0", "-0.0",
    // non-finite words
    "inf", "-inf", "nan", "+inf", "infinity", "NaN", "-nan", "Inf",
    // empty, blank and padded texts
    "", " ", "\t", " 5 ", "5 5", "12m"};
constexpr std::array<std::string_view, 8> kGarbage{"m",  "十二", "１２", "φ",
                                                   "\t", ",",    "#",    "\xE2\x80\x83"};

struct Dice {
    std::mt19937_64 rng;

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng); }

    // A plausible number 3 times in 10, a whole number, more digits than a
    // float holds, garbage, and an odd text 4 times in 10.
    std::string boxText() {
        const std::size_t kind = below(10);
        std::string text;
        if (kind < 3) {
            std::ostringstream number;
            number.precision(static_cast<int>(1 + below(6)));
            number << (chance(0.15) ? -1 : 1) *
                          std::pow(10.0, std::uniform_real_distribution<>(-2, 4)(rng));
            text = number.str();
        } else if (kind == 3) {
            text = std::to_string(std::uniform_int_distribution<int>(-100, 5000)(rng));
        } else if (kind == 4) {
            text.assign(7 + below(30), '0');
            for (char& c : text) {
                c = static_cast<char>('0' + below(10));
            }
            text.insert(1 + below(text.size()), ".");
            text.insert(0, chance(0.2) ? "-" : "");
        } else if (kind == 5) {
            for (std::size_t n = 1 + below(6); n > 0; --n) {
                text += chance(0.6) ? std::string(1, static_cast<char>(' ' + below(95)))
                                    : std::string(kGarbage[below(kGarbage.size())]);
            }
        } else {
            text = kOddTexts[below(kOddTexts.size())];
        }
        return text;
    }

    // A key typed somewhere, a character deleted, or the text replaced by a key.
    std::string keystroke(std::string text) {
        const char key = std::string_view("0123456789.-+e ")[below(15)];
        const std::size_t what = below(3);
        if (what == 0) {
            text.insert(below(text.size() + 1), 1, key);
        } else if (what == 1 && !text.empty()) {
            text.erase(below(text.size()), 1);
        } else if (what == 2) {
            text.assign(1, key);
        }
        return text;
    }
};

class Session {
public:
    // Every fifth session starts from the form as constructed (as a script
    // run with --no-startup does), the others from the opened form.
    explicit Session(std::uint64_t seed) : dice_{std::mt19937_64(seed)} {
        if (seed % 5 != 0) {
            OnInitDialog(dlg_);
            OnInitDialog(twin_);
        }
        doc_.emplace(dlg_);
        twinDoc_.emplace(twin_);
    }

    // Runs events until one breaks an invariant; returns what broke after
    // the last events that led to it.
    std::optional<std::string> run(std::size_t events) {
        std::optional<std::string> broken = check(boxes());
        for (std::size_t n = 0; n < events && !broken; ++n) {
            broken = step();
            broken = broken ? broken : checkTwin();
        }
        for (auto event = trail_.rbegin(); broken && event != trail_.rend(); ++event) {
            *broken = *event + "\n  " + *broken;
        }
        return broken;
    }

private:
    using Boxes = std::array<std::string, kFieldCount>;
    using Action = std::function<void(DesignDocument&, CDesignDlg&)>;

    Boxes boxes() const {
        Boxes texts;
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            texts[i] = dlg_.editText(i);
        }
        return texts;
    }

    void note(std::string event) {
        trail_.push_back(std::move(event));
        if (trail_.size() > 12) {
            trail_.pop_front();
        }
    }

    void doAlike(const Action& action) {
        const std::uint64_t recorded = doc_->history().stepsRecorded();
        const std::size_t position = doc_->history().position();
        FormState before = dlg_.captureState();
        action(*doc_, dlg_);
        action(*twinDoc_, twin_);
        if (doc_->history().stepsRecorded() != recorded) {
            lastStep_ = StepForms{std::move(before), dlg_.captureState()};
        } else if (doc_->history().position() != position) {
            lastStep_.reset(); // typed back to where the run started: that step is gone
        } else if (lastStep_) {
            lastStep_->after = dlg_.captureState(); // more keys into the same box
        }
    }

    void performAlike(const std::function<void(CDesignDlg&)>& action) {
        doAlike([&](DesignDocument& doc, CDesignDlg& dlg) { doc.perform([&] { action(dlg); }); });
    }

    // After undo, redo or an open a box may show again what was typed into
    // it long ago: that is what the designer sees now.
    void adoptShownTexts() {
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            typed_[i] = std::string(dlg_.editText(i));
        }
    }

    std::optional<std::string> checkTwin() const {
        if (!dlg_.captureState().sameForm(twin_.captureState())) {
            return "the form went through a file and now differs from its twin:\n  " +
                   dumpFormJson(dlg_, {}) + "\nthe twin:\n  " + dumpFormJson(twin_, {});
        }
        if (presenter_.messages != twinPresenter_.messages) {
            return std::string("the form and its twin raised different messages");
        }
        return std::nullopt;
    }

    // Saves the design to its file text and opens it again; the twin only
    // starts a fresh history, as an open does.
    std::optional<std::string> saveAndReopen() {
        note("save and open");
        const FormState before = dlg_.captureState();
        const std::size_t messages = presenter_.messages.size();
        DesignReadResult read = readDesignText(designFileText(doc_->project()));
        if (!read.design) {
            return "a saved design does not open: " + describeInEnglish(*read.error);
        }
        if (!read.design->unrestoredLists.empty()) {
            return std::string("a saved design lost a list choice");
        }
        doc_->replaceProject(std::move(read.design->project));
        twinDoc_->replaceProject(twinDoc_->project());
        lastStep_.reset();
        adoptShownTexts();
        if (!dlg_.captureState().sameForm(before) || presenter_.messages.size() != messages) {
            return "the opened form is not the saved one; opened:\n  " + dumpFormJson(dlg_, {});
        }
        return std::nullopt;
    }

    std::optional<std::string> undoAndRedoLastStep() {
        if (!lastStep_ || !doc_->canUndo() || doc_->canRedo()) {
            return std::nullopt;
        }
        note("undo and redo the last step");
        const StepForms step = *lastStep_;
        doAlike([](DesignDocument& doc, CDesignDlg&) { doc.undo(); });
        if (!dlg_.captureState().sameForm(step.before)) {
            return "undo did not give back the form before the step; after undo:\n  " +
                   dumpFormJson(dlg_, {});
        }
        doAlike([](DesignDocument& doc, CDesignDlg&) { doc.redo(); });
        lastStep_.reset();
        adoptShownTexts();
        if (!dlg_.captureState().sameForm(step.after)) {
            return "redo did not give back the form after the step";
        }
        return std::nullopt;
    }

    std::optional<std::string> step() {
        const std::size_t roll = dice_.below(25);
        if (roll == 14 || roll == 15) {
            return pressCompute();
        }
        if (roll == 20) {
            return saveAndReopen();
        }
        if (roll == 21 || roll == 22) {
            note(roll == 21 ? "undo" : "redo");
            doAlike(
                [roll](DesignDocument& doc, CDesignDlg&) { roll == 21 ? doc.undo() : doc.redo(); });
            lastStep_.reset();
            adoptShownTexts();
            return check(boxes());
        }
        if (roll >= 23) {
            return undoAndRedoLastStep();
        }
        Boxes byDesigner = boxes();
        note(act(roll, byDesigner));
        return check(byDesigner);
    }

    // One action of the designer; byDesigner gets the text typed, if any.
    std::string act(std::size_t roll, Boxes& byDesigner) {
        if (roll < 9) { // a text typed over, or one keystroke; mostly into a box the
                        // designer can type into, now and then any box, as a script can
            std::size_t i = 0;
            do {
                i = dice_.below(kFieldCount);
            } while (kFields[i].box != BoxStyle::Editable && !dice_.chance(0.1));
            std::string text = roll < 6 ? dice_.boxText() : dice_.keystroke(byDesigner[i]);
            typed_[i] = byDesigner[i] = text;
            doAlike([&](DesignDocument& doc, CDesignDlg&) { doc.typeInto(i, text); });
            return "type " + std::string(kFields[i].name) + " '" + text + "'";
        }
        if (roll < 14 || roll == 18) { // pick an item, clear a list, or pick a catalogue row
            std::vector<const ListDef*> lists; // never empty: the catalogue always has rows
            for (const ListDef& def : dlg_.listDefs()) {
                const bool shown =
                    def.controlId != ctl::coilRowsChoice || dlg_.isVisible(ctl::coilRowsChoice);
                if (!def.hidden && shown && dlg_.itemCount(def.controlId) > 0) {
                    lists.push_back(&def);
                }
            }
            const ListDef& def =
                roll == 18 ? *findList("referenceList") : *lists[dice_.below(lists.size())];
            if (roll == 13) {
                const std::string typed = dice_.chance(0.5) ? dice_.boxText() : "";
                performAlike([&](CDesignDlg& dlg) { dlg.userClearsList(def.controlId, typed); });
                return "clear " + std::string(def.name);
            }
            // The catalogue rows that carry a preset come first: favour them.
            const std::size_t count = dlg_.itemCount(def.controlId);
            const bool early = roll == 18 && dice_.chance(0.7);
            const int index =
                static_cast<int>(dice_.below(early ? std::min<std::size_t>(count, 30) : count));
            performAlike([&](CDesignDlg& dlg) { dlg.userChooses(def.controlId, index); });
            return "choose " + std::string(def.name) + " " + std::to_string(index);
        }
        if (roll < 18) {
            performAlike([](CDesignDlg& dlg) { dlg.userClicks(ctl::applyReferenceButton); });
            return "click apply";
        }
        performAlike([](CDesignDlg& dlg) { dlg.systemCommand(16); });
        return "about box";
    }

    // A settled form computes to the same form twice running; any other form
    // is settled by the first press, so the third press repeats the second.
    std::optional<std::string> pressCompute() {
        const int presses = invariants::formIsSettled(dlg_) ? 2 : 3;
        FormState previous;
        for (int n = 0; n < presses; ++n) {
            const Boxes byDesigner = boxes();
            previous = dlg_.captureState();
            performAlike([](CDesignDlg& dlg) { dlg.userClicks(ctl::computeButton); });
            note("click compute");
            if (auto broken = check(byDesigner)) {
                return broken;
            }
        }
        if (!dlg_.captureState().sameForm(previous)) {
            return "pressing compute again changed the form to\n  " + dumpFormJson(dlg_, {});
        }
        return std::nullopt;
    }

    // Nothing but the designer and a sheet write changes a box, and a write
    // leaves every box showing the record; then the messages and the catalogue.
    std::optional<std::string> check(const Boxes& byDesigner) {
        const bool wrote = boxes() != byDesigner;
        if (auto broken = wrote ? invariants::formShowsRecord(dlg_) : std::nullopt) {
            return *broken;
        }
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            if (dlg_.editText(i) == invariants::recordText(dlg_, i)) {
                typed_[i].reset();
            } else if (typed_[i] != dlg_.editText(i)) {
                return std::string(kFields[i].name) + " shows '" + std::string(dlg_.editText(i)) +
                       "', neither the record nor what was typed";
            }
        }
        for (; checkedMessages_ < presenter_.messages.size(); ++checkedMessages_) {
            const Message& m = presenter_.messages[checkedMessages_];
            if (!invariants::isProgramMessage(m)) {
                return "a message not of the program's own: [" + m.caption + "] " + m.text;
            }
        }
        const std::size_t rows = dlg_.itemCount(ctl::referenceList);
        const std::size_t expected =
            dlg_.referenceRowsAppended ? 172 : referenceInitialItems().size();
        if (rows != expected) {
            return "the catalogue list holds " + std::to_string(rows) + " rows, not " +
                   std::to_string(expected);
        }
        return std::nullopt;
    }

    // The form before and after the step last done, while undo would undo it.
    struct StepForms {
        FormState before;
        FormState after;
    };

    Dice dice_;
    RecordingPresenter presenter_;
    CDesignDlg dlg_{designFormListsAndEvents(), presenter_};
    RecordingPresenter twinPresenter_;
    CDesignDlg twin_{designFormListsAndEvents(), twinPresenter_};
    std::optional<DesignDocument> doc_;
    std::optional<DesignDocument> twinDoc_;
    std::optional<StepForms> lastStep_;
    std::array<std::optional<std::string>, kFieldCount> typed_;
    std::deque<std::string> trail_; // the last events
    std::size_t checkedMessages_ = 0;
};

// 100,000 events in all, in independent sessions that ctest runs in parallel.
class Soak : public testing::TestWithParam<std::uint64_t> {};

TEST_P(Soak, RandomSessionKeepsTheFormTruthful) {
    const auto broken = Session(GetParam()).run(10'000);
    EXPECT_FALSE(broken) << "seed " << GetParam() << ", after:\n  " << *broken;
}

INSTANTIATE_TEST_SUITE_P(Seeds, Soak, testing::Range<std::uint64_t>(1, 11),
                         [](const testing::TestParamInfo<std::uint64_t>& info) {
                             return "Seed" + std::to_string(info.param);
                         });

} // namespace
} // namespace gelvant
