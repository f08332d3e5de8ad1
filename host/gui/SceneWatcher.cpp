#include "host/gui/SceneWatcher.h"

#include "host/scene/MessageHub.h"

#include <QMetaObject>

namespace vex::host::gui {

SceneWatcher::SceneWatcher(Listener sceneChanged, Listener timeChanged)
    : sceneChanged_(std::move(sceneChanged)), timeChanged_(std::move(timeChanged)) {
    MessageHub& hub = MessageHub::get();
    callbacks_.push_back(hub.addNodeAddedCallback("dependNode", &SceneWatcher::OnNode, this));
    callbacks_.push_back(hub.addNodeRemovedCallback("dependNode", &SceneWatcher::OnNode, this));
    callbacks_.push_back(hub.AddParentAddedCallback({}, &SceneWatcher::OnParent, this));
    callbacks_.push_back(hub.addParentRemovedCallback({}, &SceneWatcher::OnParent, this));
    callbacks_.push_back(hub.addCommandCallback(&SceneWatcher::OnCommand, this));
    for (const char* event : {"Undo", "Redo", "NewSceneOpened", "SceneOpened"})
        callbacks_.push_back(hub.AddEventCallback(event, &SceneWatcher::onEvent, this));
    callbacks_.push_back(hub.AddEventCallback("timeChanged", &SceneWatcher::OnTime, this));
}

SceneWatcher::~SceneWatcher() {
    for (MCallbackId id : callbacks_) MessageHub::get().remove(id);
}

void SceneWatcher::Note(bool scene, bool time) {
    sceneDirty_ = sceneDirty_ || scene;
    timeDirty_ = timeDirty_ || time;
    if (posted_) return;
    posted_ = true;
    QMetaObject::invokeMethod(
        &context_, [this] { Flush(); }, Qt::QueuedConnection);
}

void SceneWatcher::Flush() {
    posted_ = false;
    const bool scene = sceneDirty_, time = timeDirty_;
    sceneDirty_ = timeDirty_ = false;
    if (time && timeChanged_) timeChanged_();
    if (scene && sceneChanged_) sceneChanged_();
}

void SceneWatcher::OnNode(MObject&, void* self) {
    static_cast<SceneWatcher*>(self)->Note(true, false);
}

void SceneWatcher::OnParent(MDagPath&, MDagPath&, void* self) {
    static_cast<SceneWatcher*>(self)->Note(true, false);
}

void SceneWatcher::OnCommand(const MString&, void* self) {
    static_cast<SceneWatcher*>(self)->Note(true, false);
}

void SceneWatcher::onEvent(void* self) {
    // Undo, redo and a new scene may move the time as well as change the nodes.
    static_cast<SceneWatcher*>(self)->Note(true, true);
}

void SceneWatcher::OnTime(void* self) {
    static_cast<SceneWatcher*>(self)->Note(false, true);
}

} // namespace vex::host::gui
