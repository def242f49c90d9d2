#include "document/undo_history.h"

namespace gelvant {

void UndoHistory::push(UndoStep step) {
    if (savedPosition_ != kNowhere && savedPosition_ > position_) {
        savedPosition_ = kNowhere; // the saved design was among the dropped steps
    }
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
    steps_.push_back(std::move(step));
    ++position_;
    ++recorded_;
    if (steps_.size() > kCapacity) {
        steps_.pop_front();
        --position_;
        if (savedPosition_ != kNowhere) {
            savedPosition_ = savedPosition_ == 0 ? kNowhere : savedPosition_ - 1;
        }
    }
}

const Project& UndoHistory::undo() {
    --position_;
    return steps_[position_].before;
}

const Project& UndoHistory::redo() {
    ++position_;
    return steps_[position_ - 1].after;
}

UndoStep* UndoHistory::lastStep() {
    if (position_ == 0 || position_ != steps_.size()) {
        return nullptr;
    }
    return &steps_.back();
}

void UndoHistory::dropLastStep() {
    if (lastStepIsSaved()) {
        savedPosition_ = kNowhere;
    }
    steps_.pop_back();
    --position_;
}

void UndoHistory::clear() {
    steps_.clear();
    position_ = 0;
    savedPosition_ = 0;
}

} // namespace gelvant
