#pragma once

#include "interface/SceneNode.h"

#include <initializer_list>
#include <vector>

namespace vex::orb::addon {

/// Hides a tool's helper nodes while a take is recorded and brings back the visibility each had.
class HideDuringRecording {
public:
    /// Remembers whether each node of `nodes` (not owned; they must outlive this object) is visible
    /// and hides them all; a node without a host node is skipped.
    void hide(std::initializer_list<SceneNode*> nodes);
    /// As above, for a list made at run time.
    void hide(const std::vector<SceneNode*>& nodes);
    /// Shows again the nodes that were visible when hide() ran, and forgets them.
    void restore();
    /// True while hide() has nodes remembered.
    bool Active() const { return !hidden_.empty(); }

private:
    struct Entry {
        SceneNode* node;
        bool wasVisible;
    };
    std::vector<Entry> hidden_;
};

/// Shows `node` when `visible`, hides it otherwise.
void SetVisible(SceneNode& node, bool visible);

} // namespace vex::orb::addon
