#include "core/UndoGroupStack.h"

namespace vex::orb::core {

void UndoGroupStack::Begin(const std::string& label) {
    if (labels_.empty()) {
        opened_ = host_.IsUndoAvailable();
        if (opened_) host_.BeginHostGroup(label);
    }
    labels_.push_back(label);
}

bool UndoGroupStack::Add(CUndo* unit) {
    if (!unit) return true;
    if (IsRecording()) {
        host_.AddHostUnit(unit, labels_.back());
        return false;
    }
    unit->release();
    return true;
}

bool UndoGroupStack::End() {
    if (labels_.empty()) return true;
    std::string label = std::move(labels_.back());
    labels_.pop_back();
    if (labels_.empty() && opened_) {
        if (cancelled_) {
            host_.DiscardHostGroup();
        } else {
            host_.CommitHostGroup(label);
        }
        opened_ = false;
    }
    // A cancel ends with the group it cancelled, also when the host was not recording it.
    if (labels_.empty()) cancelled_ = false;
    return true;
}

bool UndoGroupStack::Cancel() {
    // With no group open there is nothing to cancel; a later group must not inherit the mark.
    if (!labels_.empty()) cancelled_ = true;
    return End();
}

} // namespace vex::orb::core
