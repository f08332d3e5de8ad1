#pragma once

#include "core/AdaptorInterface.h"
#include "core/GroupSelection.h"
#include "core/NodeRegistry.h"
#include "core/UndoGroupStack.h"
#include "system/adaptors/memory/MemoryScene.h"
#include "system/adaptors/memory/UndoQueue.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::adaptor::memory {

class MemoryNode;

/// A complete host kept in memory: the system's adaptor over a MemoryScene, with a real undo queue
/// behind the shared undo-group nesting. The core, the tools and their tests run on it as on any host.
///
/// Node objects: registered nodes belong to the adaptor until deleteNode; detached nodes and the
/// temporary wrappers of getParent/getChild belong to the caller (release/releaseNode). Whatever
/// is left when the adaptor goes is destroyed with it.
class MemoryAdaptor : public core::AdaptorInterface, private core::UndoGroupStack::Host {
public:
    /// `framesPerSecond` is the host's time unit (0: a unit without a known rate). Like every host
    /// adaptor it starts the core on itself once it is built; tests of the adaptor alone pass
    /// `startCore` false.
    explicit MemoryAdaptor(double framesPerSecond = 24.0, int interfaceVersion = kInterfaceVersion,
                           bool startCore = true);
    /// Shuts the core down first when it runs on this adaptor.
    ~MemoryAdaptor() override;

    MemoryAdaptor(const MemoryAdaptor&) = delete;
    MemoryAdaptor& operator=(const MemoryAdaptor&) = delete;

    // --- AdaptorInterface ---

    int getInterfaceVersion() override { return interfaceVersion_; }
    std::string getDisplayName() override { return "Memory Adaptor"; }
    std::string getHostFolderName() override { return "adaptor_memory"; }
    std::string getHostName() override { return "Memory"; }
    std::string getHostVersion() override { return "1"; }
    /// The memory host has no window of its own.
    NativeWindow getMainWindow() override { return nullptr; }
    core::CoreNode* createCamera(core::NodeOwner* owner, const std::string& name, core::CoreNode* parent,
                                 core::NodeListener* listener) override;
    core::CoreNode* createMesh(core::NodeOwner* owner, const std::string& name, core::CoreNode* parent,
                               const util::CMesh& mesh, core::NodeListener* listener) override;
    core::CoreNode* findNode(core::NodeOwner* owner, const std::string& name) override;
    /// Writes a "VXB_tag" attribute (XML: the owner's display name and the node's creation name) on
    /// the host object of every registered node of `owner`.
    void storeNodeTags(core::NodeOwner* owner) override;
    /// The memory scene is never read from a file, so there are no tags to gather: does nothing.
    void gatherScene() override {}
    void getAllNodes(core::NodeList& out) override;
    void getNodesOf(core::NodeOwner* owner, core::NodeList& out) override;
    /// One entry per "node" child of `listing` (its "name" child's text, or its "name" attribute):
    /// a new detached node object for a live host object tagged with that instance and object name
    /// that no registered node holds, or null. The caller takes a found node over with adopt(), then
    /// release()s the detached one.
    void findTaggedNodes(const std::string& instanceName, const util::xml::Element& listing,
                         core::NodeList& out) override;
    /// Merges a pre-rigged model file: this host keeps its scenes in memory, so the model's scene is
    /// the nodes its descriptions list. Every "node" entry of each "VXB_Plugin"'s "nodeinfo" becomes a
    /// world-parented transform (attribute "shape" "camera" gives it a camera) named and tagged as
    /// the instance of that name would have made it, recorded as one undo unit. Hands out a detached
    /// node object per new node (the caller releases them); an unreadable file merges nothing.
    void mergeScene(const std::string& path, core::NodeList& out) override;
    /// Nested groups join the outermost, which alone becomes an undo step.
    void beginUndoGroup(const std::string& label) override {
        if (undoGroups_.Depth() == 0) keyedInGroup_.clear();
        undoGroups_.Begin(label);
    }
    /// Refused (the unit released, true) while the queue is replaying an undo or redo.
    bool addUndoUnit(CUndo* unit) override;
    bool endUndoGroup() override {
        const bool ended = undoGroups_.End();
        if (undoGroups_.Depth() == 0) keyedInGroup_.clear();
        return ended;
    }
    bool cancelUndoGroup() override { return undoGroups_.Cancel(); }
    bool isUndoRecording() override { return undoGroups_.IsRecording() && !undoQueue_.IsReplaying(); }
    bool undo() override;
    bool redo() override;
    double getCurrentTime() override { return scene_.GetCurrentTime(); }
    void setCurrentTime(double t) override;
    TimeRange getPlaybackRange() override { return scene_.GetPlaybackRange(); }
    void setPlaybackRange(TimeRange range) override { scene_.SetPlaybackRange(range); }
    double getFramesPerSecond() override { return scene_.GetFramesPerSecond(); }
    /// Counts the redraws (GetRefreshCount).
    void refreshViews() override { ++refreshCount_; }
    /// A run (a take or a re-simulation) starts: remembers the start time (restored by undo), keys
    /// every animated node of `owners` at it, and records until finishRecording.
    void prepareRecording(const std::vector<core::NodeOwner*>& owners) override;
    int installRunHotkeys() override;
    /// The run ended. Keys hold whole matrices here, so there are no Euler curves to filter; counts
    /// the call.
    void finishRecording() override;
    int clearUndo() override;
    /// An empty element named "hostsettings": the memory host has no settings.
    void getHostSettings(util::ReturnValue<util::xml::Element>& out) override;
    /// Nothing to take over.
    void setHostSettings(const util::xml::Element& settings) override { (void)settings; }
    /// Records the message box (GetScene().GetMessages()); answers true as the user pressed "Ok".
    bool showMessage(const std::string& message, const std::string& title) override;

    // --- The host side: what a test or a hosting program drives and inspects ---

    MemoryScene& GetScene() { return scene_; }
    /// Starts a new, empty scene, as the host's File > New does: the undo queue is emptied (and with
    /// it the node objects only its steps held), then the scene is cleared. Refused (false) while node
    /// objects of the system are still alive then, since they hold objects of the scene: the
    /// instances must be deleted first. A refusal leaves the scene as it was, its undo queue empty.
    bool NewScene();
    void SetInterfaceVersion(int version) { interfaceVersion_ = version; }
    /// Whether a run goes on: from prepareRecording to finishRecording. Then new helpers are keyed
    /// where they appear, what the tools write is keyed, and setCurrentTime brings the updated nodes
    /// up to date and redraws (the core tells the host a run starts, not which kind: the views
    /// follow the time in a take as in a re-simulation).
    bool IsRecording() const { return recording_; }
    /// Sets that state without a run, for a test that drives tools without the core's loop.
    void SetRecording(bool recording) { recording_ = recording; }
    /// Switches the host's undo recording (on by default); groups opened while off are not recorded.
    void SetUndoEnabled(bool enabled) { undoEnabled_ = enabled; }
    /// Records an edit of the host already made as an undo unit, when a group is recording.
    void RecordEdit(std::function<void()> undoEdit, std::function<void()> redoEdit);
    /// Whether a key written now into the keyed channel `channel` (its place within the object) of
    /// object `id` is the first since the outermost recording group began, and so needs an undo
    /// unit: the keys a take writes into one channel are undone as one unit holding the channel as
    /// it was, not as one unit per key. False while no group records.
    bool TakeFirstKeyOfGroup(ObjectId id, std::size_t channel);
    /// Labels of the steps that can be undone, oldest first.
    std::vector<std::string> GetUndoLabels() const { return undoQueue_.GetUndoLabels(); }
    size_t GetRedoCount() const { return undoQueue_.GetRedoCount(); }
    /// Units collected so far by the group being recorded (0 when none is open).
    size_t GetPendingUnitCount() const { return undoQueue_.GetPendingUnitCount(); }
    /// The registered node holding host object `id`; null when none does.
    MemoryNode* FindRegisteredNode(ObjectId id) const;
    int GetRefreshCount() const { return refreshCount_; }
    int GetPrepareRecordingCount() const { return prepareRecordingCount_; }
    /// The time of the last prepareRecording.
    double GetRecordingStartTime() const { return recordingStartTime_; }
    int GetFinishRecordingCount() const { return finishRecordingCount_; }
    bool AreRunHotkeysInstalled() const { return runHotkeysInstalled_; }

private:
    friend class MemoryNode;
    friend class NodePresenceUndo;

    static constexpr size_t kNotRegistered = core::NodeRegistry<MemoryNode>::kNotListed;

    // Writes the identification of `object` as node `objectName` of instance `instanceName`.
    void TagObject(ObjectId object, const std::string& instanceName, const std::string& objectName);
    // Adds the nodes listed by `description` and by the descriptions nested in it to the scene.
    void MergeListedNodes(const util::xml::Element& description, std::vector<ObjectId>& objects,
                          std::vector<core::CoreNode*>& nodes);

    // UndoGroupStack::Host over the undo queue.
    bool IsUndoAvailable() override { return undoEnabled_ && !undoQueue_.IsReplaying(); }
    void BeginHostGroup(const std::string& label) override { undoQueue_.BeginGroup(label); }
    void AddHostUnit(CUndo* unit, const std::string& label) override { undoQueue_.Add(unit, label); }
    void CommitHostGroup(const std::string& label) override { undoQueue_.Commit(label); }
    void DiscardHostGroup() override { undoQueue_.Discard(); }

    core::CoreNode* CreateNode(core::NodeOwner* owner, const std::string& name, core::CoreNode* parent,
                               ShapeKind shape, const util::CMesh* mesh, core::NodeListener* listener);
    /// Keys the node's current local matrix at the current time.
    void KeyAtCurrentTime(MemoryNode& node);

    // Bookkeeping of node objects, by serial number so that undo units never hold a dangling pointer.
    uint64_t Track(MemoryNode* node) { return nodes_.Track(node); }
    void Forget(MemoryNode* node);
    MemoryNode* FindLive(uint64_t serial) const { return nodes_.FindLive(serial); }
    /// Puts the node in the node list at `index` (clamped; kNotRegistered: last).
    void Register(MemoryNode* node, size_t index = kNotRegistered) { nodes_.Register(node, index); }
    /// Takes the node off the node list; answers where it was (kNotRegistered: it was not there).
    size_t Unregister(MemoryNode* node) { return nodes_.Unregister(node); }
    bool IsRegistered(const MemoryNode* node) const { return nodes_.IsRegistered(node); }

    MemoryScene scene_;
    UndoQueue undoQueue_;
    core::UndoGroupStack undoGroups_{*this};
    int interfaceVersion_;
    bool undoEnabled_ = true;
    bool recording_ = false;
    // The keyed channels that have an undo unit in the group recording now.
    std::set<std::pair<ObjectId, std::size_t>> keyedInGroup_;

    core::NodeRegistry<MemoryNode> nodes_;

    // Group selection (node commands 10 and 11).
    core::GroupSelection groupSelection_{*this};

    int refreshCount_ = 0;
    int prepareRecordingCount_ = 0;
    double recordingStartTime_ = 0.0;
    int finishRecordingCount_ = 0;
    bool runHotkeysInstalled_ = false;
};

} // namespace vex::orb::adaptor::memory
