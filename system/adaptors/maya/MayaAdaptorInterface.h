#pragma once

#include "core/AdaptorInterface.h"
#include "core/GroupSelection.h"
#include "core/NodeRegistry.h"
#include "core/UndoGroupStack.h"
#include "system/adaptors/maya/HostUnits.h"
#include "util/Singleton.h"

#include <maya/MDagPath.h>
#include <maya/MMessage.h>
#include <maya/MString.h>

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::adaptor::maya {

class CMayaNode;

/// The system's adaptor inside Maya: every host service the core and the tools use, carried out
/// with the Maya API. Lengths cross in metres and Y up (converted for world-parented nodes by the
/// adaptor's HostUnits), times in seconds. Every host edit is recorded in the adaptor's undo list
/// (UndoManagement), which enters one Maya undo entry per group.
///
/// The one object is built on first use; building it starts the core on it, destroying it shuts
/// the core down and destroys every node object it still holds.
class MayaAdaptorInterface : public core::AdaptorInterface,
                             public util::Singleton<MayaAdaptorInterface>,
                             private core::UndoGroupStack::Host {
public:
    /// The transforms whose parent-removed callback is installed, with the callback. The paths are
    /// kept in creation order (a DAG path has no order of its own).
    using CallbackMap = std::vector<std::pair<MDagPath, MCallbackId>>;

    ~MayaAdaptorInterface() override;

    // --- AdaptorInterface ---

    int getInterfaceVersion() override { return kInterfaceVersion; }
    std::string getDisplayName() override { return "Maya 2014 Adaptor"; }
    std::string getHostFolderName() override { return "adaptor_maya2014"; }
    std::string getHostName() override { return "Maya"; }
    std::string getHostVersion() override { return "2014"; }
    /// "Maya_2014", "Maya", "".
    void getHostNameVariants(util::ReturnValue<std::vector<std::string>>& out) override;
    /// Maya's application shell.
    NativeWindow getMainWindow() override;
    core::CoreNode* createCamera(core::NodeOwner* owner, const std::string& name, core::CoreNode* parent,
                                 core::NodeListener* listener) override;
    core::CoreNode* createMesh(core::NodeOwner* owner, const std::string& name, core::CoreNode* parent,
                               const util::CMesh& mesh, core::NodeListener* listener) override;
    core::CoreNode* findNode(core::NodeOwner* owner, const std::string& name) override;
    /// Writes a "VXB_tag" string attribute (XML: the owner's display name and the node's creation
    /// name) on the shape of every registered node of `owner`.
    void storeNodeTags(core::NodeOwner* owner) override;
    /// Reading the tags back after a scene opens comes with the plug-in's scene handlers; until
    /// they call it there is nothing to gather.
    /// Makes the instances the scene's tags describe again and removes the tags (see SceneGather).
    void gatherScene() override;
    void getAllNodes(core::NodeList& out) override;
    void getNodesOf(core::NodeOwner* owner, core::NodeList& out) override;
    /// One entry per "node" child of `listing`: a new detached node on a scene node whose "VXB_tag"
    /// names this instance and object and that no registered node holds, else null.
    void findTaggedNodes(const std::string& instanceName, const util::xml::Element& listing,
                         core::NodeList& out) override;
    /// Imports the file into the namespace "Zz_MERGE_zZ", strips the namespace from the names, hands
    /// out a detached node per imported transform, and records the import as "AfterMergeFromFile".
    void mergeScene(const std::string& path, core::NodeList& out) override;
    void beginUndoGroup(const std::string& label) override { undoGroups_.Begin(label); }
    /// Maya's own units go into the list as they are; core units are wrapped (CUndoWrapper).
    bool addUndoUnit(CUndo* unit) override;
    bool endUndoGroup() override { return undoGroups_.End(); }
    bool cancelUndoGroup() override { return undoGroups_.Cancel(); }
    bool isUndoRecording() override;
    /// MEL "undo", not displayed, undoable.
    bool undo() override;
    /// MEL "redo", not displayed, undoable.
    bool redo() override;
    double getCurrentTime() override;
    void setCurrentTime(double t) override;
    TimeRange getPlaybackRange() override;
    void setPlaybackRange(TimeRange range) override;
    double getFramesPerSecond() override;
    /// M3dView::active3dView().refresh(all views, not forced).
    void refreshViews() override;
    void prepareRecording(const std::vector<core::NodeOwner*>& owners) override;
    /// The run hot keys come with the plug-in's hotkey routine; until then nothing is installed.
    /// Binds "+", "-" and Space to the slow-motion and stop commands for the take. Answers 0.
    int installRunHotkeys() override;
    void finishRecording() override;
    int clearUndo() override;
    /// An empty element: Maya has no host settings.
    void getHostSettings(util::ReturnValue<util::xml::Element>& out) override;
    void setHostSettings(const util::xml::Element& settings) override { (void)settings; }
    /// MEL confirmDialog with one "Ok" button.
    bool showMessage(const std::string& message, const std::string& title) override;

    // --- The host side ---

    /// Metre scale and axis conversion fixed when the adaptor was made.
    const HostUnits& GetUnits() const { return units_; }
    /// Whether the core records (or re-simulates) right now; the running core's answer by default.
    void SetCoreRecordingQuery(std::function<bool()> query) { coreRecording_ = std::move(query); }
    bool IsCoreRecording() const { return coreRecording_ && coreRecording_(); }
    bool IsCoreResimulating() const;
    /// The registered nodes, in creation order.
    const std::vector<CMayaNode*>& GetNodes() const { return nodes_.Registered(); }
    /// The registered node whose shape or transform is `path`; null when none is.
    CMayaNode* FindRegisteredNode(const MDagPath& path) const;
    /// The node object numbered `serial`, if it still exists (undo units hold numbers, not pointers).
    CMayaNode* FindLive(uint64_t serial) const { return nodes_.FindLive(serial); }
    /// The transforms a parent-removed callback queued for deletion.
    const std::vector<MDagPath>& GetPendingPaths() const { return pendingPaths_; }
    /// Selects the owner's transforms (added to one another, as one undo group), or takes them out of
    /// the selection.
    void SelectNodesOf(core::NodeOwner* owner, bool select);
    /// Hands out the queued transforms and empties the queue.
    std::vector<MDagPath> TakePendingPaths() { return std::exchange(pendingPaths_, {}); }
    /// Runs MEL `command` through a new modifier and records it (CDagModifierRestoreObj).
    MStatus RunRecorded(const MString& command);
    /// Runs MEL `command` through a modifier, unrecorded (a message box is no edit).
    static MStatus Run(const MString& command);

private:
    friend class util::Singleton<MayaAdaptorInterface>;
    friend class CMayaNode;
    friend class CCreateNodeRestoreObj;
    friend class CMayaNodeDeleteRestore;
    friend class CInstallCallbackRestore;

    MayaAdaptorInterface();

    // UndoGroupStack::Host over the adaptor's undo list.
    bool IsUndoAvailable() override;
    void BeginHostGroup(const std::string& label) override;
    void AddHostUnit(CUndo* unit, const std::string& label) override;
    void CommitHostGroup(const std::string& label) override;
    void DiscardHostGroup() override;

    // Creates a node of `type` under `parent` and names it `name` (made legal), each a recorded
    // modifier step; the null object on failure.
    MObject CreateNamed(const char* type, const MObject& parent, const std::string& name);
    // A new detached node object for a scene node found by its tag; the caller takes it over.
    CMayaNode* MakeDetached(const MDagPath& path, const std::string& objectName);
    // Creates "transform" under `parent` (null: the world), names it, installs its callback; answers
    // the transform, or the null object on failure.
    MObject CreateTransform(core::NodeOwner* owner, const std::string& name, core::CoreNode* parent);
    // Builds, registers and hands out the node of a new shape and records its creation.
    CMayaNode* RegisterCreated(const MDagPath& shape, core::NodeOwner* owner, const std::string& name,
                               core::NodeListener* listener);
    // Installs the parent-removed callback on a created transform, as the group "InstallCallbackPath".
    void InstallParentCallback(const MDagPath& transform);
    static void OnParentRemoved(MDagPath& child, MDagPath& parent, void* clientData);

    uint64_t Track(CMayaNode* node) { return nodes_.Track(node); }
    void Forget(CMayaNode* node);
    void Register(CMayaNode* node) { nodes_.Register(node); }
    void Unregister(CMayaNode* node) { nodes_.Unregister(node); }
    bool IsRegistered(const CMayaNode* node) const { return nodes_.IsRegistered(node); }

    HostUnits units_;
    core::UndoGroupStack undoGroups_{*this};
    std::function<bool()> coreRecording_;
    core::NodeRegistry<CMayaNode> nodes_;
    CallbackMap parentCallbacks_;
    std::vector<MDagPath> pendingPaths_;
    std::list<MDagPath> ownPaths_;
    core::GroupSelection groupSelection_{*this};
    bool storingTags_ = false; // a tag write is under way (the owner's description asks again)
};

} // namespace vex::orb::adaptor::maya
