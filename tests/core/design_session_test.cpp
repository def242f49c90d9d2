// The design session driven as a view drives it, without a window or a
// script: a designer's day from start-up to a saved and reopened project,
// each verb told to the listeners exactly once with what it changed.

#include "form/controls.h"
#include "form/field_dictionary.h"
#include "session/design_session.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace gelvant {
namespace {

std::size_t field(std::string_view name) {
    return *fieldIndexByName(name);
}

// A session whose listener keeps every word it is told.
struct Watched {
    RecordingPresenter presenter;
    DesignSession session{presenter};
    std::vector<SessionChanges> told;
    SessionListenerId listener =
        session.listen([this](const SessionChanges& changes) { told.push_back(changes); });

    // Carries out one verb and returns what the listeners were told; the
    // test fails unless they were told exactly once.
    SessionChanges verb(const std::function<void(DesignSession&)>& verb) {
        told.clear();
        verb(session);
        EXPECT_EQ(told.size(), 1U) << "listeners told " << told.size() << " times";
        return told.empty() ? SessionChanges{} : told.back();
    }
    std::string box(std::string_view name) const {
        return std::string(session.form().editText(field(name)));
    }
    std::vector<std::string> roomNames() const {
        std::vector<std::string> names;
        for (const Room& room : session.project().rooms) {
            names.push_back(room.name);
        }
        return names;
    }
};

SessionChanges formOnly() {
    SessionChanges changes;
    changes.form = true;
    return changes;
}

TEST(DesignSession, CarriesADesignersDayAndTellsEachVerbOnce) {
    Watched w;
    const SessionChanges opened = w.verb([](DesignSession& s) { s.start(); });
    EXPECT_TRUE(opened.replaced && opened.form && opened.rooms);
    ASSERT_EQ(w.presenter.messages.size(), 1U); // the welcome box
    EXPECT_EQ(w.presenter.messages[0].caption, caption::welcome);
    EXPECT_FALSE(w.session.isModified());
    EXPECT_FALSE(w.session.canUndo());

    // Keys typed into one box are one step; its rule runs at each.
    SessionChanges typed = w.verb([](DesignSession& s) { s.type(field("storeLength"), "8"); });
    EXPECT_TRUE(typed.form && typed.history && !typed.rooms);
    EXPECT_EQ(w.box("innerVolume"), "212");
    typed = w.verb([](DesignSession& s) { s.type(field("storeLength"), "81"); });
    SessionChanges roomChanged = formOnly();
    roomChanged.summary = true;
    EXPECT_EQ(typed, roomChanged); // the run's step grew: undo and the mark stand as they were
    EXPECT_EQ(w.verb([](DesignSession& s) { EXPECT_FALSE(s.type(kFieldCount, "1")); }), formOnly());
    EXPECT_EQ(w.session.history().position(), 1U);
    w.session.leaveBox();
    w.verb([](DesignSession& s) { s.type(field("storeLength"), "8"); });
    EXPECT_EQ(w.session.history().position(), 2U);

    w.verb([&](DesignSession& s) { EXPECT_TRUE(s.choose(ctl::siteChoice, 5)); });
    const int outside = static_cast<int>(w.session.form().itemCount(ctl::siteChoice));
    EXPECT_EQ(w.verb([&](DesignSession& s) { EXPECT_FALSE(s.choose(ctl::siteChoice, outside)); }),
              formOnly());
    EXPECT_EQ(w.session.form().currentIndex(ctl::siteChoice), 5);

    const std::string loadBefore = w.box("totalCoolingLoadW");
    w.verb([](DesignSession& s) { s.click(ctl::computeButton); });
    const std::string computedLoad = w.box("totalCoolingLoadW");
    EXPECT_NE(computedLoad, loadBefore);
    const auto computedForm = w.session.project().currentRoom().form;

    // A room added and copied: each a step, the copy after its original.
    const SessionChanges added = w.verb([](DesignSession& s) { s.addRoom(); });
    EXPECT_TRUE(added.rooms && added.form && !added.replaced);
    w.verb([](DesignSession& s) { s.copyRoom(); });
    EXPECT_EQ(w.roomNames(), (std::vector<std::string>{"库房1", "库房2", "库房2 副本"}));
    EXPECT_EQ(w.session.project().current, 2U);

    // Undo walks back across the rooms, the form of the room shown with it.
    w.verb([](DesignSession& s) { EXPECT_TRUE(s.undo()); });
    w.verb([](DesignSession& s) { EXPECT_TRUE(s.undo()); });
    EXPECT_EQ(w.roomNames(), std::vector<std::string>{"库房1"});
    EXPECT_EQ(w.box("totalCoolingLoadW"), computedLoad);
    const SessionChanges redone = w.verb([](DesignSession& s) { EXPECT_TRUE(s.redo()); });
    EXPECT_TRUE(redone.rooms && redone.form);
    EXPECT_EQ(w.roomNames(), (std::vector<std::string>{"库房1", "库房2"}));
    // Going to another room changes no room: the summary stays as it is.
    const SessionChanges switched = w.verb([](DesignSession& s) { EXPECT_TRUE(s.selectRoom(0)); });
    EXPECT_TRUE(switched.currentRoom && switched.form && !switched.rooms && !switched.summary);
    EXPECT_EQ(w.session.project().currentRoom().form, computedForm);

    // Saved as bytes: unchanged from then on; opened again, the same design.
    const std::string bytes = w.session.saveToBytes();
    EXPECT_FALSE(w.session.isModified());
    w.verb([](DesignSession& s) { s.renameRoom("冷藏间"); });
    EXPECT_TRUE(w.session.isModified());
    const SessionChanges reopened =
        w.verb([&](DesignSession& s) { EXPECT_FALSE(s.openBytes(bytes)); });
    EXPECT_TRUE(reopened.replaced && reopened.history);
    EXPECT_EQ(w.roomNames(), (std::vector<std::string>{"库房1", "库房2"}));
    EXPECT_FALSE(w.session.canUndo());
    EXPECT_FALSE(w.session.isModified());
    EXPECT_EQ(w.box("totalCoolingLoadW"), computedLoad);

    // And through a file.
    const testing_support::ScratchDir scratch;
    w.verb([&](DesignSession& s) { EXPECT_FALSE(s.save(scratch.path / "day.gelvant")); });
    EXPECT_FALSE(w.session.isModified());
    w.verb([](DesignSession& s) { s.newDesign(); });
    EXPECT_EQ(w.roomNames(), std::vector<std::string>{"库房1"});
    w.verb([&](DesignSession& s) { EXPECT_FALSE(s.open(scratch.path / "day.gelvant")); });
    EXPECT_EQ(w.roomNames(), (std::vector<std::string>{"库房1", "库房2"}));
}

TEST(DesignSession, RoomNamesAreTrimmedAndBlankNamesRefused) {
    const struct {
        const char* typed;
        const char* kept; // nullptr: refused, the name stays
    } cases[] = {
        {"冻结间", "冻结间"},
        {"  冻结间\t", "冻结间"},
        {"\u3000冻结间\u3000", "冻结间"}, // the full-width space of Chinese input
        {"\u00A0冷 藏 间\n", "冷 藏 间"}, // blanks inside a name stay
        {"", nullptr},
        {" \t\u3000 ", nullptr},
    };
    for (const auto& c : cases) {
        Watched w;
        w.session.start();
        const bool renamed = w.session.renameRoom(c.typed);
        EXPECT_EQ(renamed, c.kept != nullptr) << c.typed;
        EXPECT_EQ(w.session.project().currentRoom().name, c.kept != nullptr ? c.kept : "库房1")
            << c.typed;
        EXPECT_EQ(w.session.canUndo(), c.kept != nullptr) << c.typed;
        // A new room given only blanks gets the next free name.
        w.session.addRoom(c.kept != nullptr ? c.typed : " ");
        EXPECT_EQ(w.session.project().currentRoom().name, c.kept != nullptr ? c.kept : "库房2")
            << c.typed;
    }
}

TEST(DesignSession, RefusalsChangeNothingAndAreToldOnce) {
    Watched w;
    w.session.start();
    const Project before = w.session.project();
    const std::vector<std::function<void(DesignSession&)>> refused = {
        [](DesignSession& s) { EXPECT_FALSE(s.deleteRoom()); }, // the last room stays
        [](DesignSession& s) { EXPECT_FALSE(s.moveRoom(RoomMove::Up)); },
        [](DesignSession& s) { EXPECT_FALSE(s.moveRoom(RoomMove::Down)); },
        [](DesignSession& s) { EXPECT_FALSE(s.selectRoom(1)); },
        [](DesignSession& s) { EXPECT_FALSE(s.undo()); },
        [](DesignSession& s) { EXPECT_FALSE(s.redo()); },
        [](DesignSession& s) { EXPECT_TRUE(s.openBytes("{\"format\": 1")); },
        [](DesignSession& s) { EXPECT_TRUE(s.open("/nonexistent/design.gelvant")); },
    };
    for (const auto& verb : refused) {
        EXPECT_FALSE(w.verb(verb).any());
    }
    EXPECT_FALSE(w.session.canDeleteRoom());
    EXPECT_EQ(w.session.project().rooms.size(), 1U);
    EXPECT_EQ(w.session.project().currentRoom().form, before.currentRoom().form);
    EXPECT_FALSE(w.session.isModified());
}

TEST(DesignSession, ARefusedBoxIsNamedAndAStoppedListenerHearsNoMore) {
    Watched w;
    w.session.start();
    const std::string before = w.box("roomTemp");
    const SessionChanges typed = w.verb([](DesignSession& s) { s.type(field("roomTemp"), "-"); });
    EXPECT_TRUE(typed.refusedBox && typed.form);
    EXPECT_EQ(w.presenter.messages.back(), (Message{"Gelvant", "请输入一个数字。"}));
    EXPECT_EQ(w.session.form().focusedControl(), kFields[field("roomTemp")].controlId);
    EXPECT_EQ(w.box("roomTemp"), before);
    EXPECT_FALSE(w.verb([](DesignSession& s) { s.click(ctl::computeButton); }).refusedBox);

    w.session.stopListening(w.listener);
    w.told.clear();
    w.session.addRoom();
    EXPECT_TRUE(w.told.empty());
}

} // namespace
} // namespace gelvant
