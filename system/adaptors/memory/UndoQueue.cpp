#include "system/adaptors/memory/UndoQueue.h"

#include <cstddef>
#include <utility>

namespace vex::orb::adaptor::memory {

void UndoQueue::BeginGroup(const std::string& label) {
    pending_ = Step{label, {}};
}

void UndoQueue::Add(CUndo* unit, const std::string& label) {
    Unit owned(unit);
    if (!owned || !pending_) return;
    pending_->units.push_back({std::move(owned), label});
}

void UndoQueue::Commit(const std::string& label) {
    if (!pending_) return;
    Step step = std::move(*pending_);
    pending_.reset();
    if (step.units.empty()) return;
    step.label = label;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(std::move(step));
    done_ = steps_.size();
}

void UndoQueue::Discard() {
    if (!pending_) return;
    Step step = std::move(*pending_);
    pending_.reset();
    ReplayUndo(step);
}

void UndoQueue::Undo() {
    if (done_ == 0 || replaying_) return;
    --done_;
    ReplayUndo(steps_[done_]);
}

void UndoQueue::Redo() {
    if (done_ == steps_.size() || replaying_) return;
    replaying_ = true;
    for (auto& entry : steps_[done_].units) entry.unit->redo();
    replaying_ = false;
    ++done_;
}

void UndoQueue::Clear() {
    steps_.clear();
    done_ = 0;
}

void UndoQueue::ReleaseAll() {
    pending_.reset();
    Clear();
}

std::vector<std::string> UndoQueue::GetUndoLabels() const {
    std::vector<std::string> labels;
    for (size_t i = 0; i < done_; ++i) labels.push_back(steps_[i].label);
    return labels;
}

void UndoQueue::ReplayUndo(Step& step) {
    replaying_ = true;
    for (auto it = step.units.rbegin(); it != step.units.rend(); ++it) it->unit->undo();
    replaying_ = false;
}

} // namespace vex::orb::adaptor::memory
