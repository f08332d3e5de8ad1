#pragma once

#include "core/NodeOwner.h"

#include <maya/MCallbackIdArray.h>
#include <maya/MObject.h>
#include <maya/MObjectHandle.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <memory>
#include <string>
#include <vector>

namespace vex::orb::adaptor::maya {

/// The plug-in's side of Maya's messages while it is loaded: the scene cycle (new, open, import,
/// reference, save) kept in step with the core, the user's deletion of a tool's node and its undo,
/// the time the user moves to while nothing plays, and the deletion of tool transforms that lost
/// their node. One object per process, made on first use and destroyed at unload.
class TorvaPluginManager {
public:
    /// The manager, made on first use (which also binds the start hotkey).
    static TorvaPluginManager& Instance();
    /// Removes every callback and destroys the manager; nothing when there is none.
    static void DestroyInstance();

    /// Installs the scene, node, playback, command and time callbacks, in that order; the first
    /// failure answers its status (the callbacks installed so far stay listed for removal).
    MStatus InstallCallbacks();
    /// Removes every installed callback.
    void RemoveCallbacks();

    /// Number of the user's node deletions waiting for an undo, and of owners being deleted.
    size_t DeletedNodeRecords() const { return deletedNodes_.size(); }
    size_t DeletedOwners() const { return deletedOwners_.size(); }

    TorvaPluginManager(const TorvaPluginManager&) = delete;
    TorvaPluginManager& operator=(const TorvaPluginManager&) = delete;
    ~TorvaPluginManager();

private:
    TorvaPluginManager();

    // The host nodes of one owner the user deleted, kept until an undo brings them back.
    struct DeletedRecord {
        core::NodeOwner* owner; // compared only: the owner may be gone
        std::vector<MObjectHandle> nodes;
    };

    // Empties the core and the adaptor's bookkeeping for a scene that is about to be replaced.
    void Reset();
    void OnNodeRemoved(MObject& node);
    void OnNodeAdded(MObject& node);
    void OnPlaying(bool playing);
    void InstallTimeCallback();
    void OnCommand(const MString& command);

    static void BeforeNew(void* clientData);
    static void AfterNew(void* clientData);
    static void BeforeOpen(void* clientData);
    static void BeforeSave(void* clientData);
    static void AfterSave(void* clientData);
    static void AfterRead(void* clientData);
    static void AfterUnloadReference(void* clientData);
    /// The host is quitting: the core shuts down while the host's widget application still runs.
    static void Exiting(void* clientData);
    static void NodeRemoved(MObject& node, void* clientData);
    static void NodeAdded(MObject& node, void* clientData);
    static void PlayingBack(bool state, void* clientData);
    static void CommandRan(const MString& command, void* clientData);
    static void TimeChanged(void* clientData);

    static std::unique_ptr<TorvaPluginManager> instance_;

    MCallbackIdArray callbackIds_;
    MCallbackIdArray timeCallbackIds_;
    std::vector<DeletedRecord> deletedNodes_;
    std::vector<core::NodeOwner*> deletedOwners_;
    bool suppressNodeEvents_ = false;
    bool inDeletion_ = false;
    bool newSceneFlag_ = false;
};

} // namespace vex::orb::adaptor::maya
