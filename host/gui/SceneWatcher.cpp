#include "host/gui/SceneWatcher.h"

#include "host/scene/MessageHub.h"

#include <QMetaObject>

namespace vex::host::gui {

SceneWatcher::SceneWatcher(Listener sceneChanged, Listener timeChanged)
    : m_sceneChanged(std::move(sceneChanged)), m_timeChanged(std::move(timeChanged)) {
    MessageHub& hub = MessageHub::get();
    m_callbacks.push_back(hub.addNodeAddedCallback("dependNode", &SceneWatcher::onNode, this));
    m_callbacks.push_back(hub.addNodeRemovedCallback("dependNode", &SceneWatcher::onNode, this));
    m_callbacks.push_back(hub.addParentAddedCallback({}, &SceneWatcher::onParent, this));
    m_callbacks.push_back(hub.addParentRemovedCallback({}, &SceneWatcher::onParent, this));
    m_callbacks.push_back(hub.addCommandCallback(&SceneWatcher::onCommand, this));
    for (const char* event : {"Undo", "Redo", "NewSceneOpened", "SceneOpened"})
        m_callbacks.push_back(hub.addEventCallback(event, &SceneWatcher::onEvent, this));
    m_callbacks.push_back(hub.addEventCallback("timeChanged", &SceneWatcher::onTime, this));
}

SceneWatcher::~SceneWatcher() {
    for (MCallbackId id : m_callbacks) MessageHub::get().remove(id);
}

void SceneWatcher::note(bool scene, bool time) {
    m_sceneDirty = m_sceneDirty || scene;
    m_timeDirty = m_timeDirty || time;
    if (m_posted) return;
    m_posted = true;
    QMetaObject::invokeMethod(
        &m_context, [this] { flush(); }, Qt::QueuedConnection);
}

void SceneWatcher::flush() {
    m_posted = false;
    const bool scene = m_sceneDirty, time = m_timeDirty;
    m_sceneDirty = m_timeDirty = false;
    if (time && m_timeChanged) m_timeChanged();
    if (scene && m_sceneChanged) m_sceneChanged();
}

void SceneWatcher::onNode(MObject&, void* self) {
    static_cast<SceneWatcher*>(self)->note(true, false);
}

void SceneWatcher::onParent(MDagPath&, MDagPath&, void* self) {
    static_cast<SceneWatcher*>(self)->note(true, false);
}

void SceneWatcher::onCommand(const MString&, void* self) {
    static_cast<SceneWatcher*>(self)->note(true, false);
}

void SceneWatcher::onEvent(void* self) {
    // Undo, redo and a new scene may move the time as well as change the nodes.
    static_cast<SceneWatcher*>(self)->note(true, true);
}

void SceneWatcher::onTime(void* self) {
    static_cast<SceneWatcher*>(self)->note(false, true);
}

} // namespace vex::host::gui
