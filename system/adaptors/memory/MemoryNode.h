#pragma once

#include "core/CoreNode.h"
#include "core/NodeCommandHandler.h"
#include "core/SnapshotPool.h"
#include "system/adaptors/memory/HelperSnapshot.h"
#include "system/adaptors/memory/HostObject.h"
#include "system/adaptors/memory/LensSnapshot.h"
#include "system/adaptors/memory/MemoryScene.h"
#include "system/adaptors/memory/MeshSnapshot.h"
#include "system/adaptors/memory/ShapeSnapshot.h"
#include "system/adaptors/memory/TransformSnapshot.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vex::orb::adaptor::memory {

class MemoryAdaptor;

/// A node of the memory host: one host object (transform and shape) as the core and the tools see it.
/// Registered nodes come from createCamera/createMesh, adopt and cloning; temporary wrappers from
/// getParent/getChild. Every edit of the host it makes is recorded for undo while a group records.
class MemoryNode : public core::CoreNode, private core::NodeCommandHandler {
public:
    /// A node for host object `object`; made by the adaptor, which numbers it.
    MemoryNode(MemoryAdaptor& adaptor, ObjectId object, core::NodeOwner* owner, std::string creationName,
               bool temporary);
    ~MemoryNode() override;

    MemoryNode(const MemoryNode&) = delete;
    MemoryNode& operator=(const MemoryNode&) = delete;

    // --- Extension commands (10, 11, 17, 18, 31, 32, 37) ---

    int extension(int id, void* data) override { return HandleCommand(id, data); }
    std::vector<int32_t> getExtensionIds() const override { return CommandIds(); }

    // --- CNode ---

    /// Makes the transform and the shape visible; nothing for a host object that is gone.
    void show() override;
    /// Makes the shape invisible; nothing for a host object that is gone.
    void hide() override;
    bool isVisible() override;
    /// The host selection becomes this object (added to it during a group selection), as the undo
    /// group "select object". False for a host object that is gone.
    bool select() override;
    bool isDetached() override { return detached_; }
    CNode* getParent() override;
    int getChildCount() override;
    CNode* getChild(int index) override;
    /// Destroys a temporary wrapper of this adaptor; any other node is left alone.
    void releaseNode(CNode* node) override;

    // --- CoreNode ---

    CoreNode* adopt(core::NodeOwner* newOwner, const std::string& newName) override;
    void detach() override;
    /// Snapshot getters answer null for a host object that is gone or has the wrong shape.
    CSnapshot* getSnapshot(double t) override;
    /// Taken at the host's current time.
    CSnapshot_Helper* getHelperSnapshot() override;
    CSnapshot_Mesh* getMeshSnapshot(double t) override;
    CSnapshot_Lens* getLensSnapshot(double t) override;
    CSnapshot_Shape* getShapeSnapshot(double t) override;
    bool isSameNode(CoreNode* other) override;
    /// As the undo step "SetParent #". Every key (and the static matrix, at the current time) is
    /// changed so that the world transform stays. False when a host object is gone or `parent` is
    /// this node or below it.
    bool setParent(CoreNode* parent) override;
    /// Only for an animated node still updated; the transform and lens keys at or after t plus one
    /// frame go, as the undo step "ClearKeysAfter".
    void clearKeysAfter(double t) override;
    void rename(const std::string& newName) override;
    void getName(util::ReturnValue<std::string>& out) override;
    /// Removes the node from the node list, deletes the host object unless `keepHostNode` and
    /// destroys this object; while undo records, all of it through an undo unit that can bring it back.
    void deleteNode(bool keepHostNode) override;
    CoreNode* getOwningNode() override;

    // --- The host side ---

    ObjectId GetObject() const { return object_; }
    bool IsTemporary() const { return temporary_; }
    /// The second update flag: setCurrentTime brings the node up to date (cleared by command 18).
    bool IsUpdated() const { return updated_; }
    /// The time setCurrentTime last brought the node up to date at; NaN when it never did.
    double GetUpdatedTime() const { return updatedTime_; }
    /// The host object exists and is not deleted.
    bool IsAlive() const;
    MemoryAdaptor& GetAdaptor() { return adaptor_; }
    MemoryScene& GetScene();
    const MemoryScene& GetScene() const;
    uint64_t GetSerial() const { return serial_; }

    /// Brings the node up to date at time `t` (the memory scene evaluates on demand, so this only
    /// notes the time).
    void BringUpToDate(double t) { updatedTime_ = t; }
    /// Writes the local matrix at `t`: a key while the core records and the node is animated, else
    /// the static matrix (which keys, where the object has any, override when read).
    void WriteLocalMatrix(double t, const util::Matrix<double>& local);
    /// Writes a lens channel at `t` (see LensSnapshot).
    void WriteLensChannel(KeyedValue<double> HostObject::*channel, double t, double value);

private:
    friend class MemoryAdaptor;

    // NodeCommandHandler.
    core::CoreNode& CommandNode() override { return *this; }
    core::AdaptorInterface& CommandAdaptor() override;
    core::GroupSelection& CommandSelection() override;
    void ClearUpdate() override { updated_ = false; }
    bool CloneHierarchy(core::CoreNode::CloneRequest& request) override;
    /// The transform keys and static matrix re-expressed below `newParent`, keeping the world transform.
    KeyedValue<util::Matrix<double>> KeepWorldTransform(ObjectId newParent) const;

    MemoryAdaptor& adaptor_;
    ObjectId object_;
    uint64_t serial_;
    bool temporary_;
    bool detached_ = false;
    bool updated_ = true;
    double updatedTime_;

    core::SnapshotPool<TransformSnapshot> transformSnapshots_;
    core::SnapshotPool<LensSnapshot> lensSnapshots_;
    core::SnapshotPool<ShapeSnapshot> shapeSnapshots_;
    core::SnapshotPool<HelperSnapshot> helperSnapshots_;
    core::SnapshotPool<MeshSnapshot> meshSnapshots_;
};

} // namespace vex::orb::adaptor::memory
