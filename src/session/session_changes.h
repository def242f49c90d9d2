#pragma once

#include <cstdint>
#include <functional>

namespace gelvant {

// What one verb of a design session changed, so that a view shows again
// only what it must.
struct SessionChanges {
    bool form = false;        // the current room's form: boxes, lists, texts, visibility
    bool rooms = false;       // the room list: names, order, equipment, use, p
    bool currentRoom = false; // another room is the current one
    bool projectInfo = false; // the project's name, company, designer, date, notes
    bool plant = false;       // the project's machine-load choices: system and coefficients
    // The design's library: the items of the lists of sites, products,
    // insulation materials and goods kinds (the form counts as changed too).
    bool library = false;
    bool history = false;  // what undo and redo can do, or the unsaved-changes mark
    bool replaced = false; // a whole design replaced: start-up, new, open
    // What the project summary shows may differ: a room's form or its place
    // in the list, the plant's choices, the unit loads are shown in, the
    // library, a replaced design.
    bool summary = false;
    // A box's text was refused: the box has the focus, its text selected.
    bool refusedBox = false;

    bool any() const {
        return form || rooms || currentRoom || projectInfo || plant || library || history ||
               replaced || summary || refusedBox;
    }
    friend bool operator==(const SessionChanges&, const SessionChanges&) = default;
};

using SessionListener = std::function<void(const SessionChanges&)>;
using SessionListenerId = std::uint64_t;

} // namespace gelvant
