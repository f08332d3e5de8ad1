#include "host/gui/SceneWatcher.h"

#include "host/scene/MessageHub.h"

#include <QMetaObject>

namespace vex::host::gui {

SceneWatcher::SceneWatcher(Listener sceneChanged, Listener timeChanged)
    : sceneChanged_(std::move(sceneChanged)), timeChanged_(std::move(timeChanged)) {
    MessageHub& hub = MessageHub::get();
    callbacks_.push_back(hub.addNodeAddedCallback("dependNode", &SceneWatcher::onNode, this));
    callbacks_.push_back(hub.addNodeRemovedCallback("dependNode", &SceneWatcher::onNode, this));
    callbacks_.push_back(hub.addParentAddedCallback({}, &SceneWatcher::onParent, this));
    callbacks_.push_back(hub.addParentRemovedCallback({}, &SceneWatcher::onParent, this));
    callbacks_.push_back(hub.addCommandCallback(&SceneWatcher::onCommand, this));
    for (const char* event : {"Undo", "Redo", "NewSceneOpened", "SceneOpened"})
        callbacks_.push_back(hub.addEventCallback(event, &SceneWatcher::onEvent, this));
    callbacks_.push_back(hub.addEventCallback("timeChanged", &SceneWatcher::onTime, this));
}

SceneWatcher::~SceneWatcher() {
    for (MCallbackId id : callbacks_) MessageHub::get().remove(id);
}

void SceneWatcher::note(bool scene, bool time) {
    sceneDirty_ = sceneDirty_ || scene;
    timeDirty_ = timeDirty_ || time;
    if (posted_) return;
    posted_ = true;
    QMetaObject::invokeMethod(
        &context_, [this] { flush(); }, Qt::QueuedConnection);
}

void SceneWatcher::flush() {
    posted_ = false;
    const bool scene = sceneDirty_, time = timeDirty_;
    sceneDirty_ = timeDirty_ = false;
    if (time && timeChanged_) timeChanged_();
    if (scene && sceneChanged_) sceneChanged_();
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
