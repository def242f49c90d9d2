#pragma once

#include "project/project.h"

#include <cstddef>
#include <cstdint>
#include <deque>

namespace gelvant {

// One whole user action: the project before it and after it. Forms are
// shared between steps, so a step costs little more than the room list.
struct UndoStep {
    Project before;
    Project after;
};

// The steps a designer can go back and forth through, and which point of
// them was last saved, so that undoing back to the saved design counts as
// unchanged.
class UndoHistory {
public:
    // More than the 200 steps a designer is promised.
    static constexpr std::size_t kCapacity = 500;

    // A new step after undo drops the steps that could have been redone.
    void push(UndoStep step);
    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    // The project as it was before the step undone / after the step redone.
    const Project& undo();
    const Project& redo();

    // The step just done, while nothing has been undone since: a typing
    // run grows it instead of adding steps.
    UndoStep* lastStep();
    void dropLastStep();

    void clear();
    void markSaved() { savedPosition_ = position_; }
    bool atSaved() const { return savedPosition_ == position_; }
    // The saved design can no longer be reached by undo or redo.
    void forgetSaved() { savedPosition_ = kNowhere; }
    bool lastStepIsSaved() const { return savedPosition_ == position_ && position_ > 0; }

    std::size_t size() const { return steps_.size(); }
    // Steps recorded since the history began, merged runs counting once.
    std::uint64_t stepsRecorded() const { return recorded_; }
    std::size_t position() const { return position_; }

private:
    static constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

    std::deque<UndoStep> steps_;
    std::size_t position_ = 0; // steps before it are done, from it on undone
    std::size_t savedPosition_ = 0;
    std::uint64_t recorded_ = 0;
};

} // namespace gelvant
