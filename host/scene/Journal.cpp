#include "host/scene/Journal.h"

#include "host/scene/Scene.h"

namespace vex::host {

void Journal::Append(const Journal& other) {
    changes_.insert(changes_.end(), other.changes_.begin(), other.changes_.end());
}

void Journal::undo(Scene& scene) const {
    for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) scene.Replay(*it, true);
}

void Journal::redo(Scene& scene) const {
    for (const auto& change : changes_) scene.Replay(change, false);
}

} // namespace vex::host
