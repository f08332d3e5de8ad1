#pragma once

#include <QObject>
#include <maya/MMessage.h>

#include <functional>
#include <vector>

namespace vex::host::gui {

/// Listens to the host's messages for the widgets: node added and removed, parent added and removed,
/// every executed command (rename, select, setAttr, playbackOptions...), undo, redo, a new or opened
/// scene and time changes. The messages arrive in the middle of the host's work, so the watcher only
/// notes them and tells the widgets once control is back in the event loop, one call per kind for
/// any number of messages.
class SceneWatcher {
public:
    using Listener = std::function<void()>;

    /// Installs the host callbacks; `sceneChanged` hears that nodes, names, parents, the selection or
    /// values may have changed, `timeChanged` that the current time moved (either may be empty). The
    /// callbacks are removed again when the watcher is destroyed.
    SceneWatcher(Listener sceneChanged, Listener timeChanged);
    ~SceneWatcher();
    SceneWatcher(const SceneWatcher&) = delete;
    SceneWatcher& operator=(const SceneWatcher&) = delete;

    /// Tells the listeners of the pending changes now instead of waiting for the event loop.
    void Flush();

private:
    /// Notes a change and asks the event loop to deliver it.
    void Note(bool scene, bool time);

    static void OnNode(MObject& node, void* self);
    static void OnParent(MDagPath& child, MDagPath& parent, void* self);
    static void OnCommand(const MString& text, void* self);
    static void onEvent(void* self);
    static void OnTime(void* self);

    Listener sceneChanged_;
    Listener timeChanged_;
    QObject context_; // the queued delivery goes with the watcher
    std::vector<MCallbackId> callbacks_;
    bool sceneDirty_ = false;
    bool timeDirty_ = false;
    bool posted_ = false;
};

} // namespace vex::host::gui
