#pragma once

namespace vex::orb::core {

class AdaptorInterface;

/// The group selection every host adaptor keeps (node commands 10 and 11): while it is open,
/// selecting a node adds it to the selection, and the selections are one undo group.
class GroupSelection {
public:
    explicit GroupSelection(AdaptorInterface& adaptor) : adaptor_(adaptor) {}

    /// Opens the group selection once; opens the undo group "NODE_BEGIN_GROUP_SELECT" unless one
    /// already records.
    void Begin();
    /// Back to replacing the selection; closes the undo group Begin opened.
    void End();
    /// Whether selections add to the selection now.
    bool IsOpen() const { return open_; }

private:
    AdaptorInterface& adaptor_;
    bool open_ = false;
    bool openedUndo_ = false;
};

} // namespace vex::orb::core
