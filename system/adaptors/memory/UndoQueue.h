#pragma once

#include "interface/CUndo.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vex::orb::adaptor::memory {

/// The in-memory host's undo queue: a list of committed steps, each a labelled list of units, and a
/// cursor between the steps that are done and those that were undone (the redo tail). A group is
/// collected aside and becomes one step when committed.
class UndoQueue {
public:
    UndoQueue() = default;
    UndoQueue(const UndoQueue&) = delete;
    UndoQueue& operator=(const UndoQueue&) = delete;

    /// Starts collecting a group (a group still being collected is thrown away first, its units kept
    /// applied).
    void BeginGroup(const std::string& label);
    /// Takes `unit` into the group being collected; released at once when no group is collected.
    void Add(CUndo* unit, const std::string& label);
    /// Makes the collected group one step under `label` and drops the redo tail. A group without
    /// units leaves the queue as it is: there is nothing to undo.
    void Commit(const std::string& label);
    /// Throws the collected group away, undoing its units from the last to the first.
    void Discard();

    /// Undoes the last done step (its units from the last to the first); nothing when none is left.
    void Undo();
    /// Redoes the first undone step (its units in order); nothing when none is left.
    void Redo();
    /// Releases every step; the group being collected stays.
    void Clear();
    /// Releases every step and the group being collected, without undoing anything.
    void ReleaseAll();

    /// True while units are being undone or redone: the edits they make are not recorded again.
    bool IsReplaying() const { return replaying_; }
    /// The labels of the steps that can be undone, oldest first.
    std::vector<std::string> GetUndoLabels() const;
    /// The number of steps that can be redone.
    size_t GetRedoCount() const { return steps_.size() - done_; }
    /// The number of units in the group being collected.
    size_t GetPendingUnitCount() const { return pending_ ? pending_->units.size() : 0; }

private:
    struct Release {
        void operator()(CUndo* unit) const { unit->release(); }
    };
    using Unit = std::unique_ptr<CUndo, Release>;

    struct Entry {
        Unit unit;
        std::string label;
    };
    struct Step {
        std::string label;
        std::vector<Entry> units;
    };

    void ReplayUndo(Step& step);

    std::optional<Step> pending_;
    std::vector<Step> steps_;
    size_t done_ = 0;
    bool replaying_ = false;
};

} // namespace vex::orb::adaptor::memory
