// Whether a room's results are current: each case is a short run of the
// designer's verbs and the stale mark every room must carry after it.

#include "form/controls.h"
#include "form/field_dictionary.h"
#include "project/summary.h"
#include "session/design_session.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gelvant {
namespace {

std::size_t field(std::string_view name) {
    return *fieldIndexByName(name);
}

std::vector<bool> staleMarks(const DesignSession& session) {
    std::vector<bool> marks;
    for (const RoomSummary& room : summarizeProject(session.project()).rooms) {
        marks.push_back(room.stale);
    }
    return marks;
}

void compute(DesignSession& s) {
    s.click(ctl::computeButton);
}

struct StaleCase {
    const char* name;
    std::function<void(DesignSession&)> verbs;
    std::vector<bool> stale;
};

const std::vector<StaleCase>& staleCases() {
    static const std::vector<StaleCase> cases = {
        {"StartUpIsCurrent", [](DesignSession&) {}, {false}},
        {"TypedInput", [](DesignSession& s) { s.type(field("storeLength"), "8"); }, {true}},
        {"TypedBackAsItWas",
         [](DesignSession& s) {
             const std::string before(s.form().editText(field("storeLength")));
             s.type(field("storeLength"), "8");
             s.leaveBox();
             s.type(field("storeLength"), before);
         },
         {false}},
        {"PickedSite", [](DesignSession& s) { s.choose(ctl::siteChoice, 2); }, {true}},
        {"ComputedAfterPick",
         [](DesignSession& s) {
             s.choose(ctl::siteChoice, 2);
             compute(s);
         },
         {false}},
        {"UndoneCompute",
         [](DesignSession& s) {
             s.choose(ctl::siteChoice, 2);
             compute(s);
             s.undo();
         },
         {true}},
        {"RedoneCompute",
         [](DesignSession& s) {
             s.choose(ctl::siteChoice, 2);
             compute(s);
             s.undo();
             s.redo();
         },
         {false}},
        {"OtherRoomsKeepTheirMark",
         [](DesignSession& s) {
             s.choose(ctl::siteChoice, 2);
             s.copyRoom();
             s.addRoom();
             s.type(field("storeWidth"), "9");
         },
         {true, true, true}},
        {"ComputeAllClearsEveryRoom",
         [](DesignSession& s) {
             s.choose(ctl::siteChoice, 2);
             s.addRoom();
             s.type(field("storeWidth"), "9");
             s.computeAllRooms();
         },
         {false, false}},
        {"KeptAcrossSaveAndOpen",
         [](DesignSession& s) {
             s.addRoom();
             s.choose(ctl::siteChoice, 2);
             const std::string bytes = s.saveToBytes();
             s.newDesign();
             ASSERT_FALSE(s.openBytes(bytes).has_value());
         },
         {false, true}},
    };
    return cases;
}

class StaleResults : public testing::TestWithParam<StaleCase> {};

TEST_P(StaleResults, MarkEachRoomWhoseInputsChangedSinceCompute) {
    RecordingPresenter presenter;
    DesignSession session(presenter);
    session.start();
    GetParam().verbs(session);
    EXPECT_EQ(staleMarks(session), GetParam().stale);
    const ProjectSummary summary = summarizeProject(session.project());
    const bool anyStale =
        std::find(GetParam().stale.begin(), GetParam().stale.end(), true) != GetParam().stale.end();
    EXPECT_EQ(summary.total.stale, anyStale);
}

INSTANTIATE_TEST_SUITE_P(Verbs, StaleResults, testing::ValuesIn(staleCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A file written before results were marked says nothing of them: no room is stale.
TEST(StaleResults, FileThatDoesNotSayMarksNoRoom) {
    RecordingPresenter presenter;
    DesignSession session(presenter);
    session.start();
    session.choose(ctl::siteChoice, 2);
    std::string bytes = session.saveToBytes();
    const auto key = bytes.find("\"computedInputs\"");
    ASSERT_NE(key, std::string::npos);
    bytes.erase(key, bytes.find('\n', key) - key);
    bytes.erase(bytes.rfind(',', key), 1); // the comma before the removed member
    ASSERT_FALSE(session.openBytes(bytes).has_value());
    EXPECT_EQ(staleMarks(session), std::vector<bool>{false});
}

} // namespace
} // namespace gelvant
