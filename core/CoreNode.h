#pragma once

#include "interface/CNode.h"
#include "interface/CSnapshot.h"
#include "interface/CSnapshot_Helper.h"
#include "interface/CSnapshot_Lens.h"
#include "interface/CSnapshot_Mesh.h"
#include "interface/CSnapshot_Shape.h"
#include "util/ReturnValue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vex::orb::core {

class NodeOwner;

/// The core's view of a host scene node: the tool-facing node plus ownership, recording flags, tags
/// and the snapshot factories. Host adaptors derive their node class from it.
class CoreNode : public CNode {
public:
    /// Extension commands understood by extension()/handle().
    enum Command : int {
        kBeginGroupSelect = 10,
        kEndGroupSelect = 11,
        kClearAnimated = 17,
        kClearUpdate = 18,
        kIsSameNode = 31,
        kSetLabel = 32,
        kCloneHierarchy = 37,
    };

    /// What every snapshot binds: a node at one time, and whether it is handed out.
    struct SnapshotState {
        CoreNode* node = nullptr;
        NodeOwner* owner = nullptr;
        bool inUse = false;
        double time = 0.0;
    };
    /// A transform snapshot. A matrix that is not all numbers is not written: it is reported as the
    /// fault of the step that wrote it (StepFault), so a take stops instead of keying garbage.
    class Snapshot : public CSnapshot, public SnapshotState {
    public:
        void setMatrix(const util::Matrix<double>& local) final;
        void setWorldMatrix(const util::Matrix<double>& world) final;

    protected:
        /// The host's writes of a checked matrix.
        virtual void WriteMatrix(const util::Matrix<double>& local) = 0;
        virtual void WriteWorldMatrix(const util::Matrix<double>& world) = 0;
    };
    /// A lens snapshot, checked as Snapshot is.
    class Snapshot_Lens : public CSnapshot_Lens, public SnapshotState {
    public:
        void setFieldOfView(double degrees) final;
        void setFocusDistance(double distance) final;

    protected:
        virtual void WriteFieldOfView(double degrees) = 0;
        virtual void WriteFocusDistance(double distance) = 0;
    };
    class Snapshot_Shape : public CSnapshot_Shape, public SnapshotState {};
    class Snapshot_Helper : public CSnapshot_Helper, public SnapshotState {};
    class Snapshot_Mesh : public CSnapshot_Mesh, public SnapshotState {};

    /// The data of command kCloneHierarchy: the owner the copies are made for, and the copy of this
    /// node handed back (null when nothing was copied).
    struct CloneRequest {
        NodeOwner* owner = nullptr;
        CoreNode* clone = nullptr;
    };

    /// The out-record of the optional data queries; hosts without such data leave count 0.
    struct OptionalData {
        int32_t count = 0;
    };

    /// Appends a free string to the node's tags.
    virtual void addTag(const std::string& tag) { tags.push_back(tag); }
    /// Hands the node's tags to `out`.
    virtual void getTags(util::ReturnValue<std::vector<std::string>>& out) { out.set(tags); }
    /// Destroys this node object.
    virtual void release() { delete this; }
    /// For a detached node whose host object no registered node holds: a new registered node for
    /// the same host object under `newOwner` and `newName`; otherwise null.
    virtual CoreNode* adopt(NodeOwner* newOwner, const std::string& newName) = 0;
    /// Marks the node detached, takes it off the adaptor's node list and clears its owner; the
    /// host node stays.
    virtual void detach() = 0;
    /// The transform at time `t`.
    virtual CSnapshot* getSnapshot(double t) = 0;
    /// The helper look, only for polygon helpers the system created; else null.
    virtual CSnapshot_Helper* getHelperSnapshot() = 0;
    /// The collision view of a polygon or surface shape at `t`; else null.
    virtual CSnapshot_Mesh* getMeshSnapshot(double t) = 0;
    /// The lens at `t`, only for cameras; else null.
    virtual CSnapshot_Lens* getLensSnapshot(double t) = 0;
    /// The curve at `t`, only for curve shapes; else null.
    virtual CSnapshot_Shape* getShapeSnapshot(double t) = 0;
    /// Optional data queries; a host with nothing to report clears the count (null is allowed).
    virtual void QueryOptionalData1(OptionalData* out) { ClearOptional(out); }
    virtual void QueryOptionalData2(OptionalData* out) { ClearOptional(out); }
    virtual void QueryOptionalData3(OptionalData* out) { ClearOptional(out); }
    virtual void QueryOptionalData4(OptionalData* out) { ClearOptional(out); }
    virtual void QueryOptionalData5(OptionalData* out) { ClearOptional(out); }
    /// True when both objects denote the same host node.
    virtual bool isSameNode(CoreNode* other) = 0;
    /// Re-parents the transform (null: the world), keeping its world transform, as one undo step.
    virtual bool setParent(CoreNode* parent) = 0;
    /// Removes the keys at or after `t` plus one frame from the node's animated channels.
    virtual void clearKeysAfter(double t) = 0;
    /// Renames the transform to `newName` + "Transform", recorded for undo.
    virtual void rename(const std::string& newName) = 0;
    /// The host's name for the node.
    virtual void getName(util::ReturnValue<std::string>& out) = 0;
    /// Deletes the host node (or only this object when `keepHostNode`), undoably while undo records.
    virtual void deleteNode(bool keepHostNode) = 0;
    /// The registered node this node belongs to, else its parent.
    virtual CoreNode* getOwningNode() = 0;

    /// The owning tool instance; null once detached.
    NodeOwner* owner = nullptr;
    /// A second word given at creation; cleared with the owner.
    uint64_t ownerData = 0;
    /// The tool drives this node's transform and it is recorded into keys.
    bool animated = true;
    /// Free strings the core attaches to the node.
    std::vector<std::string> tags;

protected:
    CoreNode(std::string creationName, NodeOwner* nodeOwner, uint64_t data = 0)
        : CNode(std::move(creationName)), owner(nodeOwner), ownerData(data) {}

private:
    static void ClearOptional(OptionalData* out) {
        if (out) out->count = 0;
    }
};

/// The shape of the out-objects that receive node lists and newly created nodes.
using NodeList = util::ReturnValue<std::vector<CoreNode*>>;
using NodeListener = util::ReturnValue<CoreNode*>;

} // namespace vex::orb::core
