#pragma once

#include "interface/CUndo.h"

#include <string>
#include <vector>

namespace vex::orb::core {

/// The nesting of undo groups that every host adaptor shares: a stack of labels, and the flags
/// opened and cancelled. Only the outermost group reaches the host, under its own label.
class UndoGroupStack {
public:
    /// What the stack needs of the host's undo queue.
    class Host {
    public:
        /// Whether the host records undo at all right now.
        virtual bool IsUndoAvailable() = 0;
        /// Starts collecting a group that will be committed or discarded as a whole.
        virtual void BeginHostGroup(const std::string& label) = 0;
        /// Takes `unit` into the group being collected, under the label on top of the stack.
        virtual void AddHostUnit(CUndo* unit, const std::string& label) = 0;
        /// Commits the collected group as one undo step named `label`.
        virtual void CommitHostGroup(const std::string& label) = 0;
        /// Throws the collected group away, undoing what it had applied.
        virtual void DiscardHostGroup() = 0;

    protected:
        ~Host() = default;
    };

    explicit UndoGroupStack(Host& host) : host_(host) {}

    /// Opens a group; the outermost asks the host whether undo is recorded.
    void Begin(const std::string& label);
    /// Hands `unit` to the host when recording (false); otherwise releases it (true).
    bool Add(CUndo* unit);
    /// Closes the innermost group; the outermost commits or, when cancelled, discards. Always true.
    bool End();
    /// Marks the whole group cancelled, then End().
    bool Cancel();
    /// True while a group is open and the host records undo.
    bool IsRecording() const { return !labels_.empty() && opened_; }
    /// Depth of nesting (0: no group open).
    size_t Depth() const { return labels_.size(); }

private:
    Host& host_;
    std::vector<std::string> labels_;
    bool opened_ = false;
    bool cancelled_ = false;
};

} // namespace vex::orb::core
