#include "system/adaptors/maya/MayaAdaptorInterface.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/CurrentAdaptor.h"
#include "core/NodeOwner.h"
#include "system/adaptors/maya/CCreateNodeRestoreObj.h"
#include "system/adaptors/maya/CDagModifierRestoreObj.h"
#include "system/adaptors/maya/CDagModifierReverseRestoreObj.h"
#include "system/adaptors/maya/CInstallCallbackRestore.h"
#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/CTimesliderRestoreObj.h"
#include "system/adaptors/maya/CUndoWrapper.h"
#include "system/adaptors/maya/HelperMesh.h"
#include "system/adaptors/maya/HostMatrix.h"
#include "system/adaptors/maya/Hotkeys.h"
#include "system/adaptors/maya/MayaMeshShape.h"
#include "system/adaptors/maya/MayaNames.h"
#include "system/adaptors/maya/MelText.h"
#include "system/adaptors/maya/NodeTags.h"
#include "system/adaptors/maya/SceneGather.h"
#include "system/adaptors/maya/SceneMerge.h"
#include "system/adaptors/maya/UndoManagement.h"

#include <maya/M3dView.h>
#include <maya/MAnimControl.h>
#include <maya/MDagMessage.h>
#include <maya/MDagModifier.h>
#include <maya/MFnCamera.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>
#include <maya/MTime.h>
#include <maya/MTransformationMatrix.h>

#include <algorithm>
#include <cstdint>

namespace vex::orb::adaptor::maya {

namespace {

MTime Seconds(double t) {
    return MTime(t, MTime::kSeconds);
}

// The transform of a node given as a parent, or the world.
MObject ParentObject(core::CoreNode* parent) {
    auto* node = dynamic_cast<CMayaNode*>(parent);
    if (node == nullptr || !node->IsAlive()) return MObject::kNullObj;
    return node->GetTransformPath().node();
}

std::string OwnerName(core::NodeOwner* owner) {
    return owner ? owner->getDisplayName() : std::string();
}

} // namespace

MayaAdaptorInterface::MayaAdaptorInterface() : units_(HostUnits::MetreInUIUnits()) {
    core::StartCore(this);
    if (core::GetCurrentAdaptor() != this) return; // the core refused this adaptor
    coreRecording_ = [] {
        core::CoreImplementation* running = core::FindCore();
        return running != nullptr && running->IsRecording();
    };
}

MayaAdaptorInterface::~MayaAdaptorInterface() {
    if (core::GetCurrentAdaptor() == this) core::ShutdownCore();
    // Units first: they destroy the node objects only they still hold.
    if (UndoManagement::Exists()) UndoManagement::Instance().clear();
    for (const auto& [path, id] : parentCallbacks_) MMessage::removeCallback(id);
    nodes_.DestroyAll();
}

void MayaAdaptorInterface::getHostNameVariants(util::ReturnValue<std::vector<std::string>>& out) {
    out.set({"Maya_2014", "Maya", ""});
}

core::AdaptorInterface::NativeWindow MayaAdaptorInterface::getMainWindow() {
    // The X11 window id travels in the core's opaque handle; the core finds the window by it.
    return reinterpret_cast<NativeWindow>(static_cast<std::uintptr_t>(M3dView::applicationShell()));
}

// --- Creating nodes ---

MObject MayaAdaptorInterface::CreateNamed(const char* type, const MObject& parent, const std::string& name) {
    auto* create = new MDagModifier();
    const MObject node = create->createNode(type, parent);
    if (node.isNull() || !create->doIt()) {
        delete create;
        return MObject::kNullObj;
    }
    UndoManagement::Instance().Record(new CDagModifierRestoreObj(create));
    auto* rename = new MDagModifier();
    rename->renameNode(node, MString(MayaNames::Legal(name).c_str()));
    rename->doIt();
    UndoManagement::Instance().Record(new CDagModifierRestoreObj(rename));
    return node;
}

MObject MayaAdaptorInterface::CreateTransform(core::NodeOwner* owner, const std::string& name,
                                              core::CoreNode* parent) {
    const MObject parentObject = ParentObject(parent);
    const MObject transform =
        CreateNamed("transform", parentObject, OwnerName(owner) + "_" + name + "Transform");
    if (transform.isNull()) return MObject::kNullObj;
    MDagPath path;
    MDagPath::getAPathTo(transform, path);
    // A new node starts where the core's identity is: at the world that is the conversion itself
    // (the scale of one metre and the turn to the scene's up axis).
    if (parentObject.isNull())
        MFnTransform(path).set(
            MTransformationMatrix(HostMatrix::ToMMatrix(units_.ToHost(util::Matrix<double>(), true))));
    InstallParentCallback(path);
    return transform;
}

void MayaAdaptorInterface::InstallParentCallback(const MDagPath& transform) {
    beginUndoGroup("InstallCallbackPath");
    auto* unit = new CInstallCallbackRestore(*this);
    MDagPath path(transform);
    MStatus status;
    const MCallbackId id = MDagMessage::addParentRemovedCallback(path, &OnParentRemoved, this, &status);
    if (status) parentCallbacks_.emplace_back(transform, id);
    UndoManagement::Instance().Record(unit);
    ownPaths_.push_back(transform);
    endUndoGroup();
}

void MayaAdaptorInterface::OnParentRemoved(MDagPath& child, MDagPath& parent, void* clientData) {
    (void)parent;
    auto* adaptor = static_cast<MayaAdaptorInterface*>(clientData);
    // An undo or redo of the system's own steps removes and restores nodes; that is no user edit.
    if (UndoManagement::Instance().isReplaying()) return;
    adaptor->pendingPaths_.push_back(child);
}

CMayaNode* MayaAdaptorInterface::RegisterCreated(const MDagPath& shape, core::NodeOwner* owner,
                                                 const std::string& name, core::NodeListener* listener) {
    auto* node = new CMayaNode(*this, shape, owner, name, false);
    Register(node);
    if (listener) listener->set(node);
    return node;
}

core::CoreNode* MayaAdaptorInterface::createCamera(core::NodeOwner* owner, const std::string& name,
                                                   core::CoreNode* parent, core::NodeListener* listener) {
    const MObject transform = CreateTransform(owner, name, parent);
    if (transform.isNull()) return nullptr;

    const MObject camera = CreateNamed("camera", transform, OwnerName(owner) + "_" + name);
    if (camera.isNull()) return nullptr;

    // Rotation curves are synchronised Euler curves.
    MFnDagNode(transform).findPlug("roi").setValue(2);

    MDagPath shape;
    MDagPath::getAPathTo(camera, shape);
    CMayaNode* node = RegisterCreated(shape, owner, name, listener);
    MFnCamera lens(shape);
    lens.setNearClippingPlane(lens.nearClippingPlane() / 10.0);
    UndoManagement::Instance().Record(new CCreateNodeRestoreObj(*this, *node));
    return node;
}

core::CoreNode* MayaAdaptorInterface::createMesh(core::NodeOwner* owner, const std::string& name,
                                                 core::CoreNode* parent, const util::CMesh& mesh,
                                                 core::NodeListener* listener) {
    const MObject transform = CreateTransform(owner, name, parent);
    if (transform.isNull()) return nullptr;
    // The points stay in core units: a world-parented transform carries the unit and axis conversion
    // for everything below it (converting the points as well would apply it twice).
    MDagPath shape;
    if (!HelperMesh::Create(mesh, transform, util::Matrix<double>(),
                            MayaNames::Legal(OwnerName(owner) + "_" + name), shape))
        return nullptr;
    CMayaNode* node = RegisterCreated(shape, owner, name, listener);
    UndoManagement::Instance().Record(new CCreateNodeRestoreObj(*this, *node));
    MayaMeshShape(shape).AssignNewMaterial();
    // A helper that appears during a recording starts its animation where it appears.
    if (IsCoreRecording()) {
        UndoManagement::Instance().beginCurveChange();
        node->KeyAtCurrentTime();
        UndoManagement::Instance().endCurveChange();
    }
    return node;
}

// --- The node list ---

core::CoreNode* MayaAdaptorInterface::findNode(core::NodeOwner* owner, const std::string& name) {
    for (CMayaNode* node : nodes_.Registered()) {
        if (node->owner == owner && node->GetCreationName() == name) return node;
    }
    return nullptr;
}

void MayaAdaptorInterface::getAllNodes(core::NodeList& out) {
    out.set(std::vector<core::CoreNode*>(nodes_.Registered().begin(), nodes_.Registered().end()));
}

void MayaAdaptorInterface::getNodesOf(core::NodeOwner* owner, core::NodeList& out) {
    std::vector<core::CoreNode*> found;
    for (CMayaNode* node : nodes_.Registered()) {
        if (node->owner == owner) found.push_back(node);
    }
    out.set(found);
}

CMayaNode* MayaAdaptorInterface::FindRegisteredNode(const MDagPath& path) const {
    for (CMayaNode* node : nodes_.Registered()) {
        if (node->GetPath() == path || node->GetTransformPath() == path) return node;
    }
    return nullptr;
}

void MayaAdaptorInterface::Forget(CMayaNode* node) {
    nodes_.Forget(node, node->GetSerial());
}

// --- Persistent identification ---

void MayaAdaptorInterface::storeNodeTags(core::NodeOwner* owner) {
    if (!owner) return;
    // The owner's description, written for the first node's tag, asks for the plain tags again.
    const bool withMasters = !storingTags_;
    storingTags_ = true;
    util::xml::Element masters(util::xml::Element::Kind::Tag, "masternodes");
    bool first = true;
    for (CMayaNode* node : std::vector<CMayaNode*>(nodes_.Registered())) {
        if (node->owner != owner || !node->IsAlive() || node->isDetached()) continue;
        if (first && withMasters) owner->WriteMasterNodes(masters);
        NodeTags::Write(node->GetPath().node(), owner->getDisplayName(), node->GetCreationName(),
                        first && withMasters ? &masters : nullptr);
        first = false;
    }
    if (withMasters) storingTags_ = false;
}

void MayaAdaptorInterface::SelectNodesOf(core::NodeOwner* owner, bool select) {
    std::vector<CMayaNode*> nodes;
    for (CMayaNode* node : nodes_.Registered())
        if (node->owner == owner && node->IsAlive() && !node->isDetached()) nodes.push_back(node);
    if (!select) {
        for (CMayaNode* node : nodes) MGlobal::unselect(node->GetTransformPath().node());
        return;
    }
    if (nodes.empty()) return;
    nodes.front()->select();
    groupSelection_.Begin();
    for (size_t i = 1; i < nodes.size(); ++i) nodes[i]->select();
    groupSelection_.End();
}

void MayaAdaptorInterface::gatherScene() {
    SceneGather::Gather(*this);
}

void MayaAdaptorInterface::findTaggedNodes(const std::string& instanceName, const util::xml::Element& listing,
                                           core::NodeList& out) {
    std::vector<core::CoreNode*> found;
    const auto taken = [this](const MDagPath& path) { return FindRegisteredNode(path) != nullptr; };
    for (const NodeTags::Match& match : NodeTags::Find(instanceName, listing, taken))
        found.push_back(match.path.isValid() ? MakeDetached(match.path, match.objectName) : nullptr);
    out.set(found);
}

CMayaNode* MayaAdaptorInterface::MakeDetached(const MDagPath& path, const std::string& objectName) {
    auto* node = new CMayaNode(*this, path, nullptr, objectName, false);
    node->detached_ = true;
    return node;
}

void MayaAdaptorInterface::mergeScene(const std::string& path, core::NodeList& out) {
    std::vector<core::CoreNode*> found;
    const std::vector<MDagPath> transforms = SceneMerge::Import(SceneMerge::SceneFileOf(path));
    std::string deletion = "delete";
    for (const MDagPath& transform : transforms) {
        deletion += " " + std::string(transform.fullPathName().asChar());
        MDagPath shape(transform);
        unsigned int shapes = 0;
        if (shape.numberOfShapesDirectlyBelow(shapes) && shapes > 0) shape.extendToShapeDirectlyBelow(0);
        const std::string objectName = NodeTags::ObjectName(shape.node());
        if (objectName.empty() || FindRegisteredNode(shape) != nullptr) continue;
        found.push_back(MakeDetached(shape, objectName));
    }
    if (!transforms.empty()) {
        // The import itself is no modifier step: the unit's reverse modifier deletes what came in.
        beginUndoGroup("AfterMergeFromFile");
        auto* reverse = new MDagModifier();
        reverse->commandToExecute(MString((deletion + ";").c_str()));
        addUndoUnit(new CDagModifierReverseRestoreObj(reverse));
        endUndoGroup();
    }
    out.set(found);
}

// --- Undo ---

bool MayaAdaptorInterface::IsUndoAvailable() {
    // Maya records nothing new while it undoes or redoes, nor while the list replays.
    return !MGlobal::isUndoing() && !MGlobal::isRedoing() && !UndoManagement::Instance().isReplaying();
}

void MayaAdaptorInterface::BeginHostGroup(const std::string& label) {
    UndoManagement::Instance().beginGroup(label);
}

void MayaAdaptorInterface::AddHostUnit(CUndo* unit, const std::string& label) {
    auto* own = dynamic_cast<UndoManagement::UndoUnit*>(unit);
    UndoManagement::Instance().Record(own != nullptr ? own : new CUndoWrapper(unit, label));
}

void MayaAdaptorInterface::CommitHostGroup(const std::string& label) {
    UndoManagement::Instance().endGroup(label);
}

void MayaAdaptorInterface::DiscardHostGroup() {
    UndoManagement::Instance().cancelGroup();
}

bool MayaAdaptorInterface::addUndoUnit(CUndo* unit) {
    if (!isUndoRecording()) {
        if (unit) unit->release();
        return true;
    }
    return undoGroups_.Add(unit);
}

bool MayaAdaptorInterface::isUndoRecording() {
    return undoGroups_.IsRecording() && !UndoManagement::Instance().isReplaying();
}

bool MayaAdaptorInterface::undo() {
    MGlobal::executeCommand("undo", false, true);
    return true;
}

bool MayaAdaptorInterface::redo() {
    MGlobal::executeCommand("redo", false, true);
    return true;
}

int MayaAdaptorInterface::clearUndo() {
    UndoManagement::Instance().clear();
    return 0;
}

MStatus MayaAdaptorInterface::RunRecorded(const MString& command) {
    auto* modifier = new MDagModifier();
    modifier->commandToExecute(command);
    const MStatus status = modifier->doIt();
    UndoManagement::Instance().Record(new CDagModifierRestoreObj(modifier));
    return status;
}

MStatus MayaAdaptorInterface::Run(const MString& command) {
    MDagModifier modifier;
    modifier.commandToExecute(command);
    return modifier.doIt();
}

// --- Time ---

double MayaAdaptorInterface::getCurrentTime() {
    return MAnimControl::currentTime().as(MTime::kSeconds);
}

void MayaAdaptorInterface::setCurrentTime(double t) {
    MAnimControl::setCurrentTime(Seconds(t));
    if (!IsCoreRecording()) return;
    for (CMayaNode* node : nodes_.Registered()) {
        if (node->IsUpdated()) node->BringUpToDate(t);
    }
    if (IsCoreResimulating()) refreshViews();
}

bool MayaAdaptorInterface::IsCoreResimulating() const {
    core::CoreImplementation* running = core::FindCore();
    return running != nullptr && running->IsResimulating();
}

core::AdaptorInterface::TimeRange MayaAdaptorInterface::getPlaybackRange() {
    return {MAnimControl::minTime().as(MTime::kSeconds), MAnimControl::maxTime().as(MTime::kSeconds)};
}

void MayaAdaptorInterface::setPlaybackRange(TimeRange range) {
    MAnimControl::setMinTime(Seconds(range.first));
    MAnimControl::setMaxTime(Seconds(range.second));
}

double MayaAdaptorInterface::getFramesPerSecond() {
    return HostUnits::FramesPerSecond(MTime::uiUnit());
}

void MayaAdaptorInterface::refreshViews() {
    M3dView::active3dView().refresh(true, false);
}

// --- Recording ---

void MayaAdaptorInterface::prepareRecording(const std::vector<core::NodeOwner*>& owners) {
    UndoManagement& undo = UndoManagement::Instance();
    undo.Record(new CTimesliderRestoreObj(MAnimControl::currentTime(), MAnimControl::currentTime()));
    undo.beginCurveChange();
    // Nodes whose instance has gone are left over from an edit the user undid past; they go now.
    for (CMayaNode* node : std::vector<CMayaNode*>(nodes_.Registered())) {
        if (node->owner == nullptr) node->deleteNode(false);
    }
    for (CMayaNode* node : std::vector<CMayaNode*>(nodes_.Registered())) {
        if (node->animated && node->IsAlive()) node->KeyAtCurrentTime();
    }
    undo.endCurveChange();
    installRunHotkeys();
    const double now = getCurrentTime();
    for (CMayaNode* node : nodes_.Registered()) {
        const bool listed = std::find(owners.begin(), owners.end(), node->owner) != owners.end();
        if (listed && node->animated && node->IsAlive()) node->BeginBuffering(now);
    }
}

int MayaAdaptorInterface::installRunHotkeys() {
    Hotkeys::Apply(Hotkeys::kRun);
    return 0;
}

void MayaAdaptorInterface::finishRecording() {
    UndoManagement& undo = UndoManagement::Instance();
    for (CMayaNode* node : std::vector<CMayaNode*>(nodes_.Registered())) {
        if (!node->animated || node->isDetached() || !node->IsAlive()) continue;
        undo.beginCurveChange();
        node->CommitBuffer();
        undo.endCurveChange();
        const MString filter = MelText::FilterCurve(node->GetTransformPath());
        if (filter.length() > 0) RunRecorded(filter);
    }
    Hotkeys::Apply(Hotkeys::kRestoreRun);
}

// --- Settings and messages ---

void MayaAdaptorInterface::getHostSettings(util::ReturnValue<util::xml::Element>& out) {
    out.set(util::xml::Element(util::xml::Element::Kind::Tag, "hostsettings"));
}

bool MayaAdaptorInterface::showMessage(const std::string& message, const std::string& title) {
    Run(MelText::ConfirmDialog(title, message));
    return true;
}

} // namespace vex::orb::adaptor::maya
