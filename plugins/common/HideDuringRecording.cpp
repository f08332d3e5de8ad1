#include "plugins/common/HideDuringRecording.h"

#include "interface/CNode.h"

namespace vex::orb::addon {

void HideDuringRecording::hide(std::initializer_list<SceneNode*> nodes) {
    hide(std::vector<SceneNode*>(nodes));
}

void HideDuringRecording::hide(const std::vector<SceneNode*>& nodes) {
    restore();
    for (SceneNode* n : nodes) {
        if (n == nullptr || n->node == nullptr) continue;
        hidden_.push_back({n, n->node->isVisible()});
        n->hide();
    }
}

void HideDuringRecording::restore() {
    for (const Entry& e : hidden_) {
        if (e.wasVisible) e.node->show();
    }
    hidden_.clear();
}

void SetVisible(SceneNode& node, bool visible) {
    if (visible)
        node.show();
    else
        node.hide();
}

} // namespace vex::orb::addon
