#include "SceneEvents.h"

namespace vex::host {

int& SceneEvents::depth() {
    static int muted = 0;
    return muted;
}

void SceneEvents::nodeAdded(const NodePtr&) {
    if (depth() > 0) return;
}

void SceneEvents::nodeRemoved(const NodePtr&) {
    if (depth() > 0) return;
}

void SceneEvents::parentAdded(const NodePtr&, const NodePtr&) {
    if (depth() > 0) return;
}

void SceneEvents::parentRemoved(const NodePtr&, const NodePtr&) {
    if (depth() > 0) return;
}

} // namespace vex::host
