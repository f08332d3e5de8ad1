#include "host/scene/Journal.h"

#include "host/scene/Scene.h"

namespace vex::host {

void Journal::append(const Journal& other) {
    m_changes.insert(m_changes.end(), other.m_changes.begin(), other.m_changes.end());
}

void Journal::undo(Scene& scene) const {
    for (auto it = m_changes.rbegin(); it != m_changes.rend(); ++it) scene.replay(*it, true);
}

void Journal::redo(Scene& scene) const {
    for (const auto& change : m_changes) scene.replay(change, false);
}

} // namespace vex::host
