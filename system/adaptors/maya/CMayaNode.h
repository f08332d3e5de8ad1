#pragma once

#include "core/CoreNode.h"
#include "core/NodeCommandHandler.h"
#include "core/SnapshotPool.h"
#include "system/adaptors/maya/CMayaSnapshot.h"
#include "system/adaptors/maya/CMayaSnapshot_Helper.h"
#include "system/adaptors/maya/CMayaSnapshot_Lens.h"
#include "system/adaptors/maya/CMayaSnapshot_MeshNurbs.h"
#include "system/adaptors/maya/CMayaSnapshot_MeshPoly.h"
#include "system/adaptors/maya/CMayaSnapshot_Shape.h"
#include "util/AVar_Linear.h"
#include "util/AVar_Matrix.h"

#include <maya/MDagPath.h>
#include <maya/MMatrix.h>
#include <maya/MPlug.h>
#include <maya/MString.h>
#include <maya/MTransformationMatrix.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::adaptor::maya {

class HostUnits;
class MayaAdaptorInterface;

/// A Maya scene node as the core and the tools see it: a transform with its shape (camera, mesh,
/// curve, surface) or a bare transform. Registered nodes come from createCamera/createMesh, adopt,
/// cloning and gathering; temporary wrappers from getParent/getChild. Every host edit it makes goes
/// through a modifier and is recorded in the adaptor's undo list while a group records.
///
/// While the core records, an animated node buffers what the tool writes (matrixTrack and the two
/// lens tracks) and finishRecording commits the buffer into keys, one key per sample.
class CMayaNode : public core::CoreNode, private core::NodeCommandHandler {
public:
    using CMayaSnapshot = maya::CMayaSnapshot;
    using CMayaSnapshotLens = maya::CMayaSnapshot_Lens;

    /// The transform channels that carry a node's keys, in keying order.
    static constexpr const char* kTransformChannels[9] = {"tx", "ty", "tz", "rx", "ry",
                                                          "rz", "sx", "sy", "sz"};

    /// A node for the shape (or bare transform) at `path`; made by the adaptor, which numbers it.
    CMayaNode(MayaAdaptorInterface& adaptor, const MDagPath& path, core::NodeOwner* owner,
              std::string creationName, bool temporary);
    ~CMayaNode() override;

    CMayaNode(const CMayaNode&) = delete;
    CMayaNode& operator=(const CMayaNode&) = delete;

    // --- Extension commands (10, 11, 17, 18, 31, 32, 37) ---

    int extension(int id, void* data) override { return HandleCommand(id, data); }
    std::vector<int32_t> getExtensionIds() const override { return CommandIds(); }

    // --- CNode ---

    /// The transform's and the shape's "v" := true; nothing on an invalid path.
    void show() override;
    /// The shape's "v" := false; nothing on an invalid path.
    void hide() override;
    /// The shape's "v"; false on an invalid path.
    bool isVisible() override;
    /// The selection becomes this node (added to it during a group selection), as the undo group
    /// "select object".
    bool select() override;
    bool isDetached() override { return detached_; }
    /// A temporary wrapper of the parent transform; null under the world.
    CNode* getParent() override;
    /// Child transforms (shapes are not counted).
    int getChildCount() override;
    /// A temporary wrapper of the index-th child transform, on its shape; null out of range or
    /// when that transform has no shape.
    CNode* getChild(int index) override;
    /// Destroys a temporary wrapper of this adaptor; any other node is left alone.
    void releaseNode(CNode* node) override;

    // --- CoreNode ---

    CoreNode* adopt(core::NodeOwner* newOwner, const std::string& newName) override;
    void detach() override;
    CSnapshot* getSnapshot(double t) override;
    /// Only for a polygon helper the system created.
    CSnapshot_Helper* getHelperSnapshot() override;
    /// For a polygon mesh or a NURBS surface.
    CSnapshot_Mesh* getMeshSnapshot(double t) override;
    CSnapshot_Lens* getLensSnapshot(double t) override;
    /// For a NURBS curve.
    CSnapshot_Shape* getShapeSnapshot(double t) override;
    bool isSameNode(CoreNode* other) override;
    /// MEL "parent" through a recorded modifier, as the undo group "SetParent #"; only when the
    /// parent changes and both paths are valid.
    bool setParent(CoreNode* parent) override;
    /// For an animated, updated node: the keys at or after t plus one frame go from the transform
    /// and lens curves, as one anim-curve change.
    void clearKeysAfter(double t) override;
    /// The transform becomes `newName` + "Transform", recorded.
    void rename(const std::string& newName) override;
    /// The shortest unique path name.
    void getName(util::ReturnValue<std::string>& out) override;
    /// Recorded as one unit that performs the deletion while undo records; else done at once.
    void deleteNode(bool keepHostNode) override;
    CoreNode* getOwningNode() override;

    // --- The host side ---

    /// The shape's path (the transform's for a bare transform).
    const MDagPath& GetPath() const { return path_; }
    /// The transform's path (found once: a shape never leaves its transform).
    const MDagPath& GetTransformPath() const { return transform_; }
    /// Whether the transform's parent is the world (only such nodes are unit- and axis-converted).
    bool IsWorldParented() const;
    /// The adaptor's unit conversion.
    const HostUnits& GetUnits() const;
    MayaAdaptorInterface& GetAdaptor() const { return adaptor_; }
    bool IsTemporary() const { return temporary_; }
    /// The second update flag: setCurrentTime re-applies the buffered matrix (cleared by command 18).
    bool IsUpdated() const { return updated_; }
    uint64_t GetSerial() const { return serial_; }
    /// The transform's and shape's host objects exist.
    bool IsAlive() const;

    /// The local matrix in core terms at `t`: the buffer's while buffering from before `t`, else
    /// the transform's channels evaluated at `t`.
    util::Matrix<double> ReadLocalMatrix(double t) const;
    /// Writes the local matrix (core terms) at `t`: into the buffer while buffering, as keys on the
    /// animated channels while the core records, else directly onto the transform.
    void WriteLocalMatrix(double t, const util::Matrix<double>& local);
    /// A lens plug ("fl" or "fd") at `t`: the buffer's while buffering, else evaluated.
    double ReadLensPlug(const char* attribute, double t) const;
    /// Writes a lens plug: into its buffer while buffering, else with MEL "setAttr" (recorded) and
    /// a key at `t` when the plug is animated.
    void WriteLensPlug(const char* attribute, double t, double value);

    /// Keys every transform channel at the current time, creating the curves it lacks.
    void KeyAtCurrentTime();
    /// Starts buffering at `t` with the transform's present matrix as the first sample.
    void BeginBuffering(double t);
    /// Commits the buffered samples into keys and stops buffering.
    void CommitBuffer();
    /// Re-applies the buffered matrix at `t` to the transform (the viewport follows the take).
    void BringUpToDate(double t);
    /// Drops the node's pending-deletion mark and puts it back on the node list.
    void Restore();

private:
    friend class MayaAdaptorInterface;
    friend class CMayaNodeDeleteRestore;

    // NodeCommandHandler.
    core::CoreNode& CommandNode() override { return *this; }
    core::AdaptorInterface& CommandAdaptor() override;
    core::GroupSelection& CommandSelection() override;
    void ClearUpdate() override { updated_ = false; }
    bool CloneHierarchy(core::CoreNode::CloneRequest& request) override;
    // Sets the "v" of the node at `path`, recorded.
    static void SetVisibility(const MDagPath& path, bool visible);
    using Channels = std::array<double, 9>;
    using ChannelSample = std::pair<double, Channels>;
    // The core matrix of host channels tx … sz under rotate order `order`.
    util::Matrix<double> FromChannels(const Channels& channels, int order) const;
    // Puts one sample of the channels at `t` into the buffer.
    void Buffer(double t, const Channels& channels, int order);
    // How far a read's time may lie from a sample it means.
    static constexpr double kSampleSlack = 1e-6;
    // The buffered value at `t` (a sample within kSampleSlack of `t` exactly).
    template <class Track>
    static auto Sampled(const Track& track, double t);
    // Whether a lens plug name is "fl" (else it is "fd", the focus distance).
    static bool IsFocalLength(const char* attribute);
    // Whether a read at `t` is answered by `track` (buffering, and the tool has written up to `t`).
    template <class Track>
    bool IsBuffered(const Track& track, double t) const;
    // Sets the keys of the transform channels that have curves, from a host local matrix.
    void KeyChannels(double t, const MMatrix& hostLocal);
    // The plug of the transform (or the shape) by attribute name.
    MPlug TransformPlug(const char* attribute) const;
    // The plugs of the nine transform channels (0 … 8) and of the rotate order (9), looked up once.
    const MPlug& ChannelPlug(int index) const;
    MPlug ShapePlug(const char* attribute) const;

    MayaAdaptorInterface& adaptor_;
    MDagPath path_;
    MDagPath transform_;
    uint64_t serial_;
    bool temporary_;

    util::AVar_Matrix matrixTrack_;
    std::vector<ChannelSample> channelSamples_; // the buffered samples as the keys will hold them
    util::AVar_Linear<double> focalTrack_;
    util::AVar_Linear<double> focusTrack_;
    // The transform's own values when the buffer began and as the take last set them.
    MTransformationMatrix transformBefore_;
    MTransformationMatrix transformApplied_;
    bool buffering_ = false;
    double bufferStart_ = 0.0;
    bool updated_ = true;
    bool detached_ = false;

    mutable MPlug channelPlugs_[10];
    mutable bool channelPlugsFound_ = false;

    core::SnapshotPool<CMayaSnapshot> transformSnapshots_;
    core::SnapshotPool<CMayaSnapshot_Lens> lensSnapshots_;
    core::SnapshotPool<CMayaSnapshot_Helper> helperSnapshots_;
    core::SnapshotPool<CMayaSnapshot_MeshPoly> polySnapshots_;
    core::SnapshotPool<CMayaSnapshot_MeshNurbs> surfaceSnapshots_;
    core::SnapshotPool<CMayaSnapshot_Shape> shapeSnapshots_;
};

} // namespace vex::orb::adaptor::maya
