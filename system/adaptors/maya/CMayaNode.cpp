#include "system/adaptors/maya/CMayaNode.h"

#include "system/adaptors/maya/CBoolAttributeRestoreObj.h"
#include "system/adaptors/maya/CCreateNodeRestoreObj.h"
#include "system/adaptors/maya/CDGModifierRestoreObj.h"
#include "system/adaptors/maya/CDagModifierRestoreObj.h"
#include "system/adaptors/maya/CMatrixRestoreObj.h"
#include "system/adaptors/maya/CMayaNodeDeleteRestore.h"
#include "system/adaptors/maya/CMayaSelectionRestoreObj.h"
#include "system/adaptors/maya/HostMatrix.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/MayaMeshShape.h"
#include "system/adaptors/maya/MayaNames.h"
#include "system/adaptors/maya/UndoManagement.h"
#include "util/NumberText.h"

#include <maya/MAnimControl.h>
#include <maya/MAnimUtil.h>
#include <maya/MDGContext.h>
#include <maya/MDGModifier.h>
#include <maya/MDagModifier.h>
#include <maya/MDistance.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MItDag.h>
#include <maya/MObjectArray.h>
#include <maya/MSelectionList.h>
#include <maya/MTime.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vex::orb::adaptor::maya {

namespace {

MTime Seconds(double t) {
    return MTime(t, MTime::kSeconds);
}

// The anim curve driving `plug`; the null object when there is none.
MObject CurveOf(const MPlug& plug) {
    MObjectArray animation;
    if (plug.isNull() || !MAnimUtil::findAnimation(plug, animation) || animation.length() == 0)
        return MObject::kNullObj;
    return animation[0];
}

// The anim curve driving `plug`, made now (recorded) when the plug has none; the null object when
// the plug cannot be animated.
MObject AnimateWithCurve(const MPlug& plug) {
    const MObject existing = CurveOf(plug);
    if (!existing.isNull()) return existing;
    auto* modifier = new MDGModifier();
    const MObject created = MFnAnimCurve().create(plug, modifier);
    modifier->doIt();
    UndoManagement::Instance().Record(new CDGModifierRestoreObj(modifier));
    return created;
}

// The lens channels cleared together with the transform channels.
constexpr const char* kLensChannels[2] = {"fl", "fd"};

} // namespace

CMayaNode::CMayaNode(MayaAdaptorInterface& adaptor, const MDagPath& path, core::NodeOwner* nodeOwner,
                     std::string creationName, bool temporary)
    : CoreNode(std::move(creationName), nodeOwner), adaptor_(adaptor), path_(path), transform_(path),
      temporary_(temporary) {
    if (!transform_.hasFn(MFn::kTransform)) transform_.pop();
    serial_ = adaptor_.Track(this);
}

CMayaNode::~CMayaNode() {
    adaptor_.Forget(this);
}

// --- Extension commands ---

core::AdaptorInterface& CMayaNode::CommandAdaptor() {
    return adaptor_;
}

core::GroupSelection& CMayaNode::CommandSelection() {
    return adaptor_.groupSelection_;
}

bool CMayaNode::CloneHierarchy(CloneRequest& request) {
    if (!IsAlive()) return false;
    adaptor_.beginUndoGroup("clone");
    // "duplicate -un -st" copies the transform with its shapes, children and upstream graph (the anim
    // curves), under the same parent; the copies take the originals' names with "_clone".
    const MDagPath transform = GetTransformPath();
    auto* modifier = new MDagModifier();
    modifier->commandToExecute("duplicate -un -st " + transform.fullPathName());
    modifier->doIt();
    UndoManagement::Instance().Record(new CDagModifierRestoreObj(modifier));

    MSelectionList duplicated;
    MGlobal::getActiveSelectionList(duplicated);
    MDagPath top;
    if (duplicated.length() == 0 || !duplicated.getDagPath(0, top)) {
        adaptor_.endUndoGroup();
        return false;
    }
    // Walk the original and the copy side by side, depth first, so that each copy finds the node
    // object of its original.
    std::vector<CMayaNode*> nodes;
    MItDag original;
    original.reset(transform, MItDag::kDepthFirst, MFn::kTransform);
    MItDag copy;
    copy.reset(top, MItDag::kDepthFirst, MFn::kTransform);
    for (; !original.isDone() && !copy.isDone(); original.next(), copy.next()) {
        MDagPath source;
        MDagPath target;
        original.getPath(source);
        copy.getPath(target);
        auto* rename = new MDGModifier();
        rename->renameNode(target.node(), MFnDagNode(source).name() + "_clone");
        unsigned int shapes = 0;
        MDagPath targetShape(target);
        if (target.numberOfShapesDirectlyBelow(shapes) && shapes > 0) {
            targetShape.extendToShapeDirectlyBelow(0);
            MDagPath sourceShape(source);
            sourceShape.extendToShapeDirectlyBelow(0);
            rename->renameNode(targetShape.node(), MFnDagNode(sourceShape).name() + "_clone");
        }
        rename->doIt();
        UndoManagement::Instance().Record(new CDGModifierRestoreObj(rename));
        const CMayaNode* holder = adaptor_.FindRegisteredNode(source);
        auto* node = new CMayaNode(
            adaptor_, targetShape, request.owner,
            holder ? holder->GetCreationName() : std::string(MFnDagNode(target).name().asChar()), false);
        node->animated = holder ? holder->animated : animated;
        adaptor_.Register(node);
        UndoManagement::Instance().Record(new CCreateNodeRestoreObj(adaptor_, *node));
        nodes.push_back(node);
    }
    adaptor_.endUndoGroup();
    request.clone = nodes.empty() ? nullptr : nodes.front();
    return !nodes.empty();
}

// --- CNode ---

MPlug CMayaNode::TransformPlug(const char* attribute) const {
    return MFnDagNode(GetTransformPath()).findPlug(attribute);
}

const MPlug& CMayaNode::ChannelPlug(int index) const {
    if (!channelPlugsFound_) {
        const MFnDagNode transform(GetTransformPath());
        for (int i = 0; i < 9; ++i) channelPlugs_[i] = transform.findPlug(kTransformChannels[i]);
        channelPlugs_[9] = transform.findPlug("ro");
        channelPlugsFound_ = true;
    }
    return channelPlugs_[index];
}

MPlug CMayaNode::ShapePlug(const char* attribute) const {
    return MFnDagNode(path_).findPlug(attribute);
}

void CMayaNode::show() {
    if (!path_.isValid()) return;
    SetVisibility(GetTransformPath(), true);
    SetVisibility(path_, true);
}

void CMayaNode::hide() {
    if (!path_.isValid()) return;
    SetVisibility(path_, false);
}

void CMayaNode::SetVisibility(const MDagPath& path, bool visible) {
    MPlug plug = MFnDagNode(path).findPlug("v");
    const bool before = plug.asBool();
    if (before == visible) return;
    plug.setValue(visible);
    UndoManagement::Instance().Record(new CBoolAttributeRestoreObj(path, "v", before, visible));
}

bool CMayaNode::isVisible() {
    return path_.isValid() && ShapePlug("v").asBool();
}

bool CMayaNode::select() {
    if (!path_.isValid()) return false;
    adaptor_.beginUndoGroup("select object");
    MSelectionList previous;
    MGlobal::getActiveSelectionList(previous);
    const MGlobal::ListAdjustment mode =
        adaptor_.groupSelection_.IsOpen() ? MGlobal::kAddToList : MGlobal::kReplaceList;
    const MDagPath transform = GetTransformPath();
    MGlobal::select(transform, MObject::kNullObj, mode);
    adaptor_.addUndoUnit(new CMayaSelectionRestoreObj(previous, transform, mode));
    adaptor_.endUndoGroup();
    return true;
}

CNode* CMayaNode::getParent() {
    if (!path_.isValid() || IsWorldParented()) return nullptr;
    MDagPath parent = GetTransformPath();
    parent.pop();
    const std::string name = MFnDagNode(parent).name().asChar();
    // Like a child, a parent with a shape is reached at its shape, so its mesh snapshot is the shape's.
    unsigned int shapes = 0;
    if (parent.numberOfShapesDirectlyBelow(shapes) && shapes > 0) parent.extendToShapeDirectlyBelow(0);
    return new CMayaNode(adaptor_, parent, nullptr, name, true);
}

int CMayaNode::getChildCount() {
    if (!path_.isValid()) return 0;
    const MDagPath transform = GetTransformPath();
    unsigned int shapes = 0;
    transform.numberOfShapesDirectlyBelow(shapes);
    return static_cast<int>(MFnDagNode(transform).childCount() - shapes);
}

CNode* CMayaNode::getChild(int index) {
    if (!path_.isValid() || index < 0) return nullptr;
    const MDagPath transform = GetTransformPath();
    MFnDagNode fn(transform);
    int seen = 0;
    for (unsigned int i = 0; i < fn.childCount(); ++i) {
        const MObject child = fn.child(i);
        if (!child.hasFn(MFn::kTransform)) continue;
        if (seen++ != index) continue;
        MDagPath path(transform);
        path.push(child);
        unsigned int shapes = 0;
        if (!path.numberOfShapesDirectlyBelow(shapes) || shapes == 0) return nullptr;
        path.extendToShapeDirectlyBelow(0);
        return new CMayaNode(adaptor_, path, nullptr, MFnDagNode(child).name().asChar(), true);
    }
    return nullptr;
}

void CMayaNode::releaseNode(CNode* node) {
    auto* wrapper = dynamic_cast<CMayaNode*>(node);
    if (wrapper && wrapper->temporary_ && &wrapper->adaptor_ == &adaptor_) delete wrapper;
}

// --- CoreNode ---

core::CoreNode* CMayaNode::adopt(core::NodeOwner* newOwner, const std::string& newName) {
    if (!detached_ || adaptor_.FindRegisteredNode(path_) != nullptr) return nullptr;
    auto* node = new CMayaNode(adaptor_, path_, newOwner, newName, false);
    adaptor_.Register(node);
    return node;
}

void CMayaNode::detach() {
    if (detached_) return;
    detached_ = true;
    adaptor_.Unregister(this);
    owner = nullptr;
    ownerData = 0;
}

void CMayaNode::Restore() {
    channelPlugsFound_ = false; // the host node came back; look its plugs up afresh
    detached_ = false;
    adaptor_.Register(this);
}

CSnapshot* CMayaNode::getSnapshot(double t) {
    if (!path_.isValid()) return nullptr;
    return transformSnapshots_.Acquire(this, t, [this] { return std::make_unique<CMayaSnapshot>(*this); });
}

CSnapshot_Lens* CMayaNode::getLensSnapshot(double t) {
    if (!path_.isValid() || !path_.hasFn(MFn::kCamera)) return nullptr;
    return lensSnapshots_.Acquire(this, t, [this] { return std::make_unique<CMayaSnapshot_Lens>(*this); });
}

CSnapshot_Helper* CMayaNode::getHelperSnapshot() {
    if (!path_.isValid() || !path_.hasFn(MFn::kMesh) || !MayaMeshShape(path_).IsSystemHelper())
        return nullptr;
    return helperSnapshots_.Acquire(this, adaptor_.getCurrentTime(),
                                    [this] { return std::make_unique<CMayaSnapshot_Helper>(*this); });
}

CSnapshot_Mesh* CMayaNode::getMeshSnapshot(double t) {
    if (!path_.isValid()) return nullptr;
    if (path_.hasFn(MFn::kMesh))
        return polySnapshots_.Acquire(this, t,
                                      [this] { return std::make_unique<CMayaSnapshot_MeshPoly>(*this); });
    if (path_.hasFn(MFn::kNurbsSurface))
        return surfaceSnapshots_.Acquire(this, t,
                                         [this] { return std::make_unique<CMayaSnapshot_MeshNurbs>(*this); });
    return nullptr;
}

CSnapshot_Shape* CMayaNode::getShapeSnapshot(double t) {
    if (!path_.isValid() || !path_.hasFn(MFn::kNurbsCurve)) return nullptr;
    return shapeSnapshots_.Acquire(this, t, [this] { return std::make_unique<CMayaSnapshot_Shape>(*this); });
}

bool CMayaNode::isSameNode(CoreNode* other) {
    auto* node = dynamic_cast<CMayaNode*>(other);
    return node != nullptr && node->path_ == path_;
}

bool CMayaNode::setParent(CoreNode* parent) {
    auto* newParent = dynamic_cast<CMayaNode*>(parent);
    if (!path_.isValid() || (newParent != nullptr && !newParent->path_.isValid())) return false;
    const MDagPath transform = GetTransformPath();
    const MObject current = MFnDagNode(transform).parent(0);
    const bool toWorld = newParent == nullptr;
    if (toWorld ? IsWorldParented() : current == newParent->GetTransformPath().node()) return true;
    adaptor_.beginUndoGroup("SetParent #");
    const MString command = toWorld ? "parent -world " + transform.fullPathName() + ";"
                                    : "parent " + transform.fullPathName() + " " +
                                          newParent->GetTransformPath().fullPathName() + ";";
    const MStatus status = adaptor_.RunRecorded(command);
    adaptor_.endUndoGroup();
    return status == MS::kSuccess;
}

void CMayaNode::clearKeysAfter(double t) {
    if (!animated || !updated_ || !path_.isValid()) return;
    const double frame = adaptor_.getFrameDuration();
    const MTime from = Seconds(t + (std::isfinite(frame) ? frame : 0.0));
    UndoManagement& undo = UndoManagement::Instance();
    undo.beginCurveChange();
    auto clear = [&](const MPlug& plug) {
        const MObject curve = CurveOf(plug);
        if (curve.isNull()) return;
        MFnAnimCurve fn(curve);
        for (unsigned int i = fn.numKeys(); i-- > 0;) {
            if (fn.time(i) < from) break;
            fn.remove(i, undo.getCurveChange());
        }
    };
    for (int i = 0; i < 9; ++i) clear(ChannelPlug(i));
    if (path_.hasFn(MFn::kCamera))
        for (const char* channel : kLensChannels) clear(ShapePlug(channel));
    undo.endCurveChange();
    // Buffered samples from then on go too: the re-simulation writes them again.
    if (buffering_) {
        const double cut = from.as(MTime::kSeconds);
        matrixTrack_.TruncateFrom(cut);
        std::erase_if(channelSamples_, [cut](const ChannelSample& sample) { return sample.first >= cut; });
        focalTrack_.TruncateFrom(cut);
        focusTrack_.TruncateFrom(cut);
    }
}

void CMayaNode::rename(const std::string& newName) {
    if (!path_.isValid()) return;
    auto* modifier = new MDGModifier();
    modifier->renameNode(GetTransformPath().node(), MString(MayaNames::Legal(newName + "Transform").c_str()));
    modifier->doIt();
    UndoManagement::Instance().Record(new CDGModifierRestoreObj(modifier));
}

void CMayaNode::getName(util::ReturnValue<std::string>& out) {
    out.set(path_.isValid() ? std::string(GetTransformPath().partialPathName().asChar()) : std::string());
}

void CMayaNode::deleteNode(bool keepHostNode) {
    const bool deleteHost = !keepHostNode && path_.isValid();
    if (adaptor_.isUndoRecording()) {
        auto* unit = new CMayaNodeDeleteRestore(adaptor_, *this, !deleteHost);
        unit->redo();
        adaptor_.addUndoUnit(unit);
        return;
    }
    adaptor_.Unregister(this);
    if (deleteHost) {
        MDagModifier modifier;
        modifier.deleteNode(GetTransformPath().node());
        modifier.doIt();
    }
    delete this;
}

core::CoreNode* CMayaNode::getOwningNode() {
    if (!path_.isValid()) return nullptr;
    // The transform first: a registered node answers to its shape's and its transform's path.
    for (MDagPath up = GetTransformPath(); up.length() > 0; up.pop()) {
        if (CMayaNode* holder = adaptor_.FindRegisteredNode(up)) return holder;
    }
    return nullptr;
}

// --- The host side ---

bool CMayaNode::IsWorldParented() const {
    // A transform right below the world has a path of one node.
    return transform_.length() <= 1;
}

const HostUnits& CMayaNode::GetUnits() const {
    return adaptor_.GetUnits();
}

bool CMayaNode::IsAlive() const {
    return path_.isValid();
}

template <class Track>
bool CMayaNode::IsBuffered(const Track& track, double t) const {
    // Past the last sample the tool has not written the time yet: the channels answer, as they do for
    // a node the tool only reads (a keyed target it follows). A time computed as "t - frame" lands a
    // few ulps off the sample it means, so the last sample answers up to kSampleSlack after it.
    return buffering_ && t >= bufferStart_ && track.GetKeyCount() > 0 &&
           t <= track.GetKey(track.GetKeyCount() - 1).time + kSampleSlack;
}

template <class Track>
auto CMayaNode::Sampled(const Track& track, double t) {
    // A time a few ulps off a sample means that sample (the curves' keys answer it exactly too);
    // anything else is interpolated.
    const int32_t nearest = track.findIndex(t);
    const auto& key = track.GetKey(nearest);
    return std::abs(key.time - t) <= kSampleSlack ? key.value : track.get(t);
}

util::Matrix<double> CMayaNode::ReadLocalMatrix(double t) const {
    if (IsBuffered(matrixTrack_, t)) return Sampled(matrixTrack_, t);
    Channels channels;
    const MDGContext context(Seconds(t));
    for (int i = 0; i < 9; ++i) channels[static_cast<size_t>(i)] = ChannelPlug(i).asDouble(context);
    return FromChannels(channels, ChannelPlug(9).asInt(context));
}

util::Matrix<double> CMayaNode::FromChannels(const Channels& channels, int order) const {
    return GetUnits().FromHost(HostMatrix::Compose(channels.data(), order), IsWorldParented());
}

void CMayaNode::Buffer(double t, const Channels& channels, int order) {
    // The buffer holds the channels the keys will hold, and the matrix they read back as, so a
    // read during the take answers exactly what a read of the keys answers afterwards (and a
    // re-simulation from a later frame sees what the take saw).
    matrixTrack_.set(t, FromChannels(channels, order));
    const auto at =
        std::lower_bound(channelSamples_.begin(), channelSamples_.end(), t,
                         [](const ChannelSample& sample, double time) { return sample.first < time; });
    if (at != channelSamples_.end() && at->first == t) {
        at->second = channels;
    } else {
        channelSamples_.insert(at, {t, channels});
    }
}

void CMayaNode::WriteLocalMatrix(double t, const util::Matrix<double>& local) {
    if (!path_.isValid()) return;
    const bool recording = animated && adaptor_.IsCoreRecording();
    const MMatrix host = HostMatrix::ToMMatrix(GetUnits().ToHost(local, IsWorldParented()));
    if (recording && buffering_ && t >= bufferStart_) {
        const int order = ChannelPlug(9).asInt();
        Channels channels;
        HostMatrix::Decompose(host, order, channels.data());
        Buffer(t, channels, order);
        return;
    }
    if (recording) KeyChannels(t, host);
    MFnTransform(GetTransformPath()).set(MTransformationMatrix(host));
}

void CMayaNode::KeyChannels(double t, const MMatrix& hostLocal) {
    double channels[9];
    HostMatrix::Decompose(hostLocal, ChannelPlug(9).asInt(), channels);
    MAnimCurveChange* change = UndoManagement::Instance().getCurveChange();
    for (int i = 0; i < 9; ++i) {
        const MObject curve = CurveOf(ChannelPlug(i));
        if (curve.isNull()) continue;
        MFnAnimCurve(curve).addKey(Seconds(t), channels[i], MFnAnimCurve::kTangentLinear,
                                   MFnAnimCurve::kTangentLinear, change);
    }
}

void CMayaNode::KeyAtCurrentTime() {
    const MTime now = MAnimControl::currentTime();
    MAnimCurveChange* change = UndoManagement::Instance().getCurveChange();
    for (const char* channel : kTransformChannels) {
        const MPlug plug = TransformPlug(channel);
        const double value = plug.asDouble(); // before a new curve starts driving the plug
        const MObject curve = AnimateWithCurve(plug);
        if (curve.isNull()) continue;
        MFnAnimCurve(curve).addKey(now, value, MFnAnimCurve::kTangentLinear, MFnAnimCurve::kTangentLinear,
                                   change);
    }
}

void CMayaNode::BeginBuffering(double t) {
    matrixTrack_.clear();
    channelSamples_.clear();
    focalTrack_.clear();
    focusTrack_.clear();
    Channels first;
    const MDGContext context(Seconds(t));
    for (int i = 0; i < 9; ++i) first[static_cast<size_t>(i)] = ChannelPlug(i).asDouble(context);
    transformBefore_ = MFnTransform(GetTransformPath()).transformation();
    transformApplied_ = transformBefore_;
    bufferStart_ = t;
    buffering_ = true;
    Buffer(t, first, ChannelPlug(9).asInt(context));
}

void CMayaNode::CommitBuffer() {
    if (!buffering_) return;
    buffering_ = false;
    MAnimCurveChange* change = UndoManagement::Instance().getCurveChange();
    // Channel by channel, each curve found once: the samples become one key each, in time order.
    for (int i = 0; i < 9; ++i) {
        const MObject curve = CurveOf(ChannelPlug(i));
        if (curve.isNull()) continue;
        MFnAnimCurve fn(curve);
        for (const ChannelSample& sample : channelSamples_)
            fn.addKey(Seconds(sample.first), sample.second[static_cast<size_t>(i)],
                      MFnAnimCurve::kTangentLinear, MFnAnimCurve::kTangentLinear, change);
    }
    auto commitLens = [&](const char* attribute, const util::AVar_Linear<double>& track) {
        if (track.GetKeyCount() == 0) return;
        const MPlug plug = ShapePlug(attribute);
        const MObject curve = AnimateWithCurve(plug);
        if (curve.isNull()) return;
        MFnAnimCurve fn(curve);
        for (const auto& sample : track.GetKeys())
            fn.addKey(Seconds(sample.time), sample.value, MFnAnimCurve::kTangentLinear,
                      MFnAnimCurve::kTangentLinear, change);
    };
    commitLens("fl", focalTrack_);
    commitLens("fd", focusTrack_);
    // The take moved the transform's own values too (the viewport followed it); undo puts them back.
    UndoManagement::Instance().Record(
        new CMatrixRestoreObj(GetTransformPath(), transformBefore_, transformApplied_));
    matrixTrack_.clear();
    channelSamples_.clear();
    focalTrack_.clear();
    focusTrack_.clear();
}

void CMayaNode::BringUpToDate(double t) {
    // Only what the tool wrote is re-applied; a node it only reads follows its own keys.
    if (!IsBuffered(matrixTrack_, t) || !path_.isValid()) return;
    const MMatrix host = HostMatrix::ToMMatrix(GetUnits().ToHost(matrixTrack_.get(t), IsWorldParented()));
    transformApplied_ = MTransformationMatrix(host);
    MFnTransform(GetTransformPath()).set(transformApplied_);
}

bool CMayaNode::IsFocalLength(const char* attribute) {
    return std::strcmp(attribute, "fl") == 0;
}

double CMayaNode::ReadLensPlug(const char* attribute, double t) const {
    const util::AVar_Linear<double>& track = IsFocalLength(attribute) ? focalTrack_ : focusTrack_;
    if (IsBuffered(track, t)) return Sampled(track, t);
    return ShapePlug(attribute).asDouble(MDGContext(Seconds(t)));
}

void CMayaNode::WriteLensPlug(const char* attribute, double t, double value) {
    if (!path_.isValid()) return;
    const bool recording = animated && adaptor_.IsCoreRecording();
    if (recording && buffering_ && t >= bufferStart_) {
        (IsFocalLength(attribute) ? focalTrack_ : focusTrack_).set(t, value);
        return;
    }
    const MPlug plug = ShapePlug(attribute);
    const MObject curve = CurveOf(plug);
    if (!curve.isNull()) {
        MFnAnimCurve(curve).addKey(Seconds(t), value, MFnAnimCurve::kTangentLinear,
                                   MFnAnimCurve::kTangentLinear, UndoManagement::Instance().getCurveChange());
        return;
    }
    // MEL takes a distance in the UI unit; the plug and its keys hold the internal one.
    const double melValue = IsFocalLength(attribute) ? value : MDistance::internalToUI(value);
    adaptor_.RunRecorded(MString(("setAttr " + std::string(path_.partialPathName().asChar()) + "." +
                                  attribute + " " + util::FormatGeneral(melValue, 17))
                                     .c_str()));
}

} // namespace vex::orb::adaptor::maya
