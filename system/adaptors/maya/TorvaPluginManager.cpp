#include "system/adaptors/maya/TorvaPluginManager.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/DataPaths.h"
#include "system/adaptors/maya/CDagModifierRestoreObj.h"
#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/Hotkeys.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/SceneStorage.h"
#include "system/adaptors/maya/UndoManagement.h"

#include <maya/MAnimControl.h>
#include <maya/MCommandMessage.h>
#include <maya/MConditionMessage.h>
#include <maya/MDGMessage.h>
#include <maya/MDagModifier.h>
#include <maya/MDagPath.h>
#include <maya/MEventMessage.h>
#include <maya/MGlobal.h>
#include <maya/MMessage.h>
#include <maya/MSceneMessage.h>
#include <maya/MTime.h>

#include <algorithm>

namespace vex::orb::adaptor::maya {

std::unique_ptr<TorvaPluginManager> TorvaPluginManager::instance_;

namespace {

MayaAdaptorInterface& Adaptor() {
    return MayaAdaptorInterface::Instance();
}

TorvaPluginManager& Self(void* clientData) {
    return *static_cast<TorvaPluginManager*>(clientData);
}

bool CoreRecording() {
    core::CoreImplementation* running = core::FindCore();
    return running != nullptr && running->IsRecording();
}

// The registered node of a host node: its shape's or its transform's.
CMayaNode* RegisteredNodeOf(const MObject& node) {
    MDagPath path;
    if (!node.hasFn(MFn::kDagNode) || !MDagPath::getAPathTo(node, path)) return nullptr;
    return Adaptor().FindRegisteredNode(path);
}

} // namespace

TorvaPluginManager& TorvaPluginManager::Instance() {
    if (!instance_) instance_.reset(new TorvaPluginManager());
    return *instance_;
}

void TorvaPluginManager::DestroyInstance() {
    if (!instance_) return;
    instance_->RemoveCallbacks();
    instance_.reset();
}

TorvaPluginManager::TorvaPluginManager() {
    Hotkeys::Apply(Hotkeys::kStart);
}

TorvaPluginManager::~TorvaPluginManager() {
    RemoveCallbacks();
}

MStatus TorvaPluginManager::InstallCallbacks() {
    MStatus status;
    const auto keep = [&](MCallbackId id) {
        if (status) callbackIds_.append(id);
        return static_cast<bool>(status);
    };
    const std::pair<MSceneMessage::Message, MMessage::MBasicFunction> scene[] = {
        {MSceneMessage::kBeforeNew, &BeforeNew},
        {MSceneMessage::kAfterNew, &AfterNew},
        {MSceneMessage::kBeforeOpen, &BeforeOpen},
        {MSceneMessage::kBeforeSave, &BeforeSave},
        {MSceneMessage::kAfterSave, &AfterSave},
        {MSceneMessage::kAfterOpen, &AfterRead},
        {MSceneMessage::kAfterImport, &AfterRead},
        {MSceneMessage::kAfterReference, &AfterRead},
        {MSceneMessage::kAfterImportReference, &AfterRead},
        {MSceneMessage::kAfterUnloadReference, &AfterUnloadReference},
        {MSceneMessage::kMayaExiting, &Exiting},
    };
    for (const auto& [message, handler] : scene)
        if (!keep(MSceneMessage::addCallback(message, handler, this, &status))) return status;
    if (!keep(MDGMessage::addNodeRemovedCallback(&NodeRemoved, "dependNode", this, &status))) return status;
    if (!keep(MDGMessage::addNodeAddedCallback(&NodeAdded, "dependNode", this, &status))) return status;
    if (!keep(MConditionMessage::addConditionCallback("playingBack", &PlayingBack, this, &status)))
        return status;
    if (!keep(MCommandMessage::addCommandCallback(&CommandRan, this, &status))) return status;
    InstallTimeCallback();
    return MS::kSuccess;
}

void TorvaPluginManager::RemoveCallbacks() {
    if (callbackIds_.length() > 0) MMessage::removeCallbacks(callbackIds_);
    if (timeCallbackIds_.length() > 0) MMessage::removeCallbacks(timeCallbackIds_);
    callbackIds_.clear();
    timeCallbackIds_.clear();
}

void TorvaPluginManager::InstallTimeCallback() {
    MStatus status;
    const MCallbackId id = MEventMessage::addEventCallback("timeChanged", &TimeChanged, this, &status);
    if (status) timeCallbackIds_.append(id);
}

// --- The scene cycle ---

void TorvaPluginManager::Reset() {
    MayaAdaptorInterface& adaptor = Adaptor();
    core::MakeDirectories(core::JoinDataPath(core::GetDataRoot(), "/data/" + adaptor.getHostFolderName()));
    // The scene is about to be replaced: the instances go, not the host's nodes one by one.
    inDeletion_ = true;
    if (core::CoreImplementation* running = core::FindCore()) running->DeleteAllInstances();
    inDeletion_ = false;
    deletedNodes_.clear();
    deletedOwners_.clear();
    adaptor.clearUndo();
}

void TorvaPluginManager::BeforeNew(void* clientData) {
    Self(clientData).newSceneFlag_ = true;
    Self(clientData).Reset();
}

void TorvaPluginManager::AfterNew(void* clientData) {
    Self(clientData).newSceneFlag_ = false;
}

void TorvaPluginManager::BeforeOpen(void* clientData) {
    Self(clientData).Reset();
}

void TorvaPluginManager::BeforeSave(void* clientData) {
    TorvaPluginManager& self = Self(clientData);
    self.suppressNodeEvents_ = true;
    SceneStorage::WriteState(Adaptor());
    self.suppressNodeEvents_ = false;
}

void TorvaPluginManager::AfterSave(void* clientData) {
    TorvaPluginManager& self = Self(clientData);
    self.suppressNodeEvents_ = true;
    SceneStorage::DeleteStorageNodes();
    self.suppressNodeEvents_ = false;
}

void TorvaPluginManager::AfterRead(void* clientData) {
    TorvaPluginManager& self = Self(clientData);
    self.suppressNodeEvents_ = true;
    SceneStorage::Restore(Adaptor());
    self.suppressNodeEvents_ = false;
    // What the file brought is where the undo history starts.
    Adaptor().clearUndo();
}

void TorvaPluginManager::AfterUnloadReference(void* clientData) {
    (void)clientData;
}

void TorvaPluginManager::Exiting(void* clientData) {
    (void)clientData;
    // Everything the core holds (windows, input drivers, device threads) goes now, in order, rather
    // than in the library's static destruction after the application is gone.
    core::ShutdownCore();
}

// --- The user's deletions ---

void TorvaPluginManager::NodeRemoved(MObject& node, void* clientData) {
    Self(clientData).OnNodeRemoved(node);
}

void TorvaPluginManager::NodeAdded(MObject& node, void* clientData) {
    Self(clientData).OnNodeAdded(node);
}

void TorvaPluginManager::OnNodeRemoved(MObject& node) {
    // A new scene empties the old one: those removals are the host's, not the user's.
    if (suppressNodeEvents_ || inDeletion_ || newSceneFlag_ || CoreRecording() || MGlobal::isUndoing() ||
        UndoManagement::Instance().isReplaying())
        return;
    CMayaNode* removed = RegisteredNodeOf(node);
    core::NodeOwner* owner = removed != nullptr ? removed->owner : nullptr;
    if (owner == nullptr ||
        std::find(deletedOwners_.begin(), deletedOwners_.end(), owner) != deletedOwners_.end())
        return;
    DeletedRecord record{owner, {}};
    for (CMayaNode* other : Adaptor().GetNodes())
        if (other->owner == owner && other->IsAlive()) record.nodes.emplace_back(other->GetPath().node());
    deletedOwners_.push_back(owner);
    deletedNodes_.push_back(std::move(record));
    // A redo of the user's deletion replays the instance's deletion with Maya's own redo.
    if (MGlobal::isRedoing()) return;
    MayaAdaptorInterface& adaptor = Adaptor();
    adaptor.beginUndoGroup("Delete: " + owner->getDisplayName());
    inDeletion_ = true;
    owner->DeleteByUser();
    inDeletion_ = false;
    adaptor.endUndoGroup();
}

void TorvaPluginManager::OnNodeAdded(MObject& node) {
    if (!MGlobal::isUndoing() || UndoManagement::Instance().isReplaying() || CoreRecording()) return;
    for (auto record = deletedNodes_.begin(); record != deletedNodes_.end(); ++record) {
        const bool member = std::any_of(record->nodes.begin(), record->nodes.end(),
                                        [&](const MObjectHandle& handle) { return handle == node; });
        if (!member) continue;
        std::erase(deletedOwners_, record->owner);
        deletedNodes_.erase(record);
        return;
    }
}

// --- Playback, time and commands ---

void TorvaPluginManager::PlayingBack(bool state, void* clientData) {
    Self(clientData).OnPlaying(state);
}

void TorvaPluginManager::OnPlaying(bool playing) {
    if (playing) {
        if (timeCallbackIds_.length() > 0) MMessage::removeCallbacks(timeCallbackIds_);
        timeCallbackIds_.clear();
    } else if (timeCallbackIds_.length() == 0) {
        InstallTimeCallback();
    }
}

void TorvaPluginManager::TimeChanged(void* clientData) {
    (void)clientData;
    if (core::CoreImplementation* running = core::FindCore())
        running->TimeChanged(MAnimControl::currentTime().as(MTime::kSeconds));
}

void TorvaPluginManager::CommandRan(const MString& command, void* clientData) {
    Self(clientData).OnCommand(command);
}

void TorvaPluginManager::OnCommand(const MString& command) {
    if (MAnimControl::isPlaying()) return;
    const std::string text = command.asChar();
    if (text.find("delete;") == std::string::npos) return;
    MayaAdaptorInterface& adaptor = Adaptor();
    const std::vector<MDagPath> pending = adaptor.TakePendingPaths();
    if (pending.empty()) return;
    adaptor.beginUndoGroup("AfterDelete");
    inDeletion_ = true;
    for (const MDagPath& transform : pending) {
        if (!transform.isValid()) continue;
        auto* deletion = new MDagModifier();
        deletion->deleteNode(transform.node());
        if (deletion->doIt())
            adaptor.addUndoUnit(new CDagModifierRestoreObj(deletion));
        else
            delete deletion;
    }
    inDeletion_ = false;
    adaptor.endUndoGroup();
}

} // namespace vex::orb::adaptor::maya
