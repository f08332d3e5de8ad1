#include "system/adaptors/memory/MemoryNode.h"

#include "system/adaptors/memory/HostEdits.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "system/adaptors/memory/NodePresenceUndo.h"

#include <algorithm>
#include <limits>
#include <map>
#include <memory>
#include <utility>

namespace vex::orb::adaptor::memory {

MemoryNode::MemoryNode(MemoryAdaptor& adaptor, ObjectId object, core::NodeOwner* owner,
                       std::string creationName, bool temporary)
    : CoreNode(std::move(creationName), owner), adaptor_(adaptor), object_(object),
      serial_(adaptor.Track(this)), temporary_(temporary),
      updatedTime_(std::numeric_limits<double>::quiet_NaN()) {}

MemoryNode::~MemoryNode() {
    adaptor_.Forget(this);
}

MemoryScene& MemoryNode::GetScene() {
    return adaptor_.GetScene();
}

const MemoryScene& MemoryNode::GetScene() const {
    return adaptor_.GetScene();
}

bool MemoryNode::IsAlive() const {
    return GetScene().IsAlive(object_);
}

// --- Extension commands ---

core::AdaptorInterface& MemoryNode::CommandAdaptor() {
    return adaptor_;
}

core::GroupSelection& MemoryNode::CommandSelection() {
    return adaptor_.groupSelection_;
}

bool MemoryNode::CloneHierarchy(CloneRequest& request) {
    if (!IsAlive()) return false;
    MemoryScene& scene = GetScene();
    adaptor_.beginUndoGroup("clone");

    // Depth first, parents before children, so every copy finds its parent's copy.
    std::map<ObjectId, ObjectId> copies;
    std::vector<MemoryNode*> nodes;
    std::vector<ObjectId> pending{object_};
    while (!pending.empty()) {
        const ObjectId original = pending.back();
        pending.pop_back();
        const HostObject source = *scene.Find(original);
        const ObjectId parent = original == object_ ? source.parent : copies.at(source.parent);
        const ObjectId copy =
            scene.Create(source.name + "_clone", source.shape, parent,
                         source.shapeName.empty() ? std::string() : source.shapeName + "_clone");
        copies[original] = copy;
        HostObject& target = *scene.Find(copy);
        target.transform = source.transform;
        target.transformVisible = source.transformVisible;
        target.shapeVisible = source.shapeVisible;
        target.fieldOfView = source.fieldOfView;
        target.focusDistance = source.focusDistance;
        target.mesh = source.mesh;
        target.systemHelper = source.systemHelper;
        target.color = source.color;
        target.curvePoints = source.curvePoints;
        target.attributes = source.attributes;
        // A copied tag would claim the copy for the original's instance.
        target.attributes.erase("VXB_tag");

        const MemoryNode* holder = adaptor_.FindRegisteredNode(original);
        auto* node = new MemoryNode(adaptor_, copy, request.owner,
                                    holder ? holder->GetCreationName() : target.name, false);
        adaptor_.Register(node);
        nodes.push_back(node);

        const auto children = scene.GetChildren(original);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    adaptor_.addUndoUnit(new NodePresenceUndo(adaptor_, nodes, {copies.at(object_)}, true));
    adaptor_.endUndoGroup();
    request.clone = nodes.front();
    return true;
}

// --- CNode ---

void MemoryNode::show() {
    if (!IsAlive()) return;
    edits::SetField(adaptor_, object_, &HostObject::transformVisible, true);
    edits::SetField(adaptor_, object_, &HostObject::shapeVisible, true);
}

void MemoryNode::hide() {
    if (!IsAlive()) return;
    edits::SetField(adaptor_, object_, &HostObject::shapeVisible, false);
}

bool MemoryNode::isVisible() {
    return IsAlive() && GetScene().Find(object_)->shapeVisible;
}

bool MemoryNode::select() {
    if (!IsAlive()) return false;
    adaptor_.beginUndoGroup("select object");
    std::vector<ObjectId> selection;
    if (adaptor_.groupSelection_.IsOpen()) selection = GetScene().GetSelection();
    if (std::find(selection.begin(), selection.end(), object_) == selection.end())
        selection.push_back(object_);
    MemoryScene& scene = GetScene();
    const std::vector<ObjectId> before = scene.GetSelection();
    scene.SetSelection(selection);
    adaptor_.RecordEdit([&scene, before] { scene.SetSelection(before); },
                        [&scene, selection] { scene.SetSelection(selection); });
    adaptor_.endUndoGroup();
    return true;
}

CNode* MemoryNode::getParent() {
    const HostObject* object = GetScene().Find(object_);
    if (!object || object->parent == kWorld) return nullptr;
    const HostObject* parent = GetScene().Find(object->parent);
    return new MemoryNode(adaptor_, object->parent, nullptr, parent->name, true);
}

int MemoryNode::getChildCount() {
    return IsAlive() ? static_cast<int>(GetScene().GetChildren(object_).size()) : 0;
}

CNode* MemoryNode::getChild(int index) {
    if (!IsAlive() || index < 0) return nullptr;
    const auto children = GetScene().GetChildren(object_);
    if (static_cast<size_t>(index) >= children.size()) return nullptr;
    const ObjectId child = children[static_cast<size_t>(index)];
    return new MemoryNode(adaptor_, child, nullptr, GetScene().Find(child)->name, true);
}

void MemoryNode::releaseNode(CNode* node) {
    auto* wrapper = dynamic_cast<MemoryNode*>(node);
    if (wrapper && wrapper->temporary_ && &wrapper->adaptor_ == &adaptor_) delete wrapper;
}

// --- CoreNode ---

core::CoreNode* MemoryNode::adopt(core::NodeOwner* newOwner, const std::string& newName) {
    if (!detached_ || adaptor_.FindRegisteredNode(object_)) return nullptr;
    auto* node = new MemoryNode(adaptor_, object_, newOwner, newName, false);
    adaptor_.Register(node);
    return node;
}

void MemoryNode::detach() {
    if (detached_) return;
    detached_ = true;
    adaptor_.Unregister(this);
    owner = nullptr;
    ownerData = 0;
}

CSnapshot* MemoryNode::getSnapshot(double t) {
    if (!IsAlive()) return nullptr;
    return transformSnapshots_.Acquire(this, t,
                                       [this] { return std::make_unique<TransformSnapshot>(*this); });
}

CSnapshot_Helper* MemoryNode::getHelperSnapshot() {
    if (!IsAlive()) return nullptr;
    const HostObject* object = GetScene().Find(object_);
    if (object->shape != ShapeKind::kPolygonMesh || !object->systemHelper) return nullptr;
    return helperSnapshots_.Acquire(this, GetScene().GetCurrentTime(),
                                    [this] { return std::make_unique<HelperSnapshot>(*this); });
}

CSnapshot_Mesh* MemoryNode::getMeshSnapshot(double t) {
    if (!IsAlive()) return nullptr;
    const ShapeKind shape = GetScene().Find(object_)->shape;
    if (shape != ShapeKind::kPolygonMesh && shape != ShapeKind::kNurbsSurface) return nullptr;
    return meshSnapshots_.Acquire(this, t, [this] { return std::make_unique<MeshSnapshot>(*this); });
}

CSnapshot_Lens* MemoryNode::getLensSnapshot(double t) {
    if (!IsAlive() || GetScene().Find(object_)->shape != ShapeKind::kCamera) return nullptr;
    return lensSnapshots_.Acquire(this, t, [this] { return std::make_unique<LensSnapshot>(*this); });
}

CSnapshot_Shape* MemoryNode::getShapeSnapshot(double t) {
    if (!IsAlive() || GetScene().Find(object_)->shape != ShapeKind::kNurbsCurve) return nullptr;
    return shapeSnapshots_.Acquire(this, t, [this] { return std::make_unique<ShapeSnapshot>(*this); });
}

bool MemoryNode::isSameNode(CoreNode* other) {
    const auto* node = dynamic_cast<const MemoryNode*>(other);
    return node && &node->adaptor_ == &adaptor_ && node->object_ == object_;
}

KeyedValue<util::Matrix<double>> MemoryNode::KeepWorldTransform(ObjectId newParent) const {
    const MemoryScene& scene = GetScene();
    const auto reexpress = [&](const util::Matrix<double>& local, double t) {
        const util::Matrix<double> world = local * scene.GetParentWorldMatrix(object_, t);
        const util::Matrix<double> newParentWorld =
            newParent == kWorld ? util::Matrix<double>() : scene.GetWorldMatrix(newParent, t);
        util::Matrix<double> toNewParent;
        return util::Inverse(newParentWorld, toNewParent) ? world * toNewParent : local;
    };
    KeyedValue<util::Matrix<double>> transform = scene.Find(object_)->transform;
    transform.SetStatic(reexpress(transform.GetStatic(), scene.GetCurrentTime()));
    auto keys = transform.GetKeys();
    for (auto& key : keys) key.value = reexpress(key.value, key.time);
    transform.SetKeys(std::move(keys));
    return transform;
}

bool MemoryNode::setParent(CoreNode* parent) {
    MemoryScene& scene = GetScene();
    const auto* parentNode = dynamic_cast<const MemoryNode*>(parent);
    if (!IsAlive() || (parent && (!parentNode || !parentNode->IsAlive()))) return false;
    const ObjectId newParent = parentNode ? parentNode->object_ : kWorld;
    HostObject& object = *scene.Find(object_);
    if (object.parent == newParent) return true;
    if (scene.IsSelfOrAncestor(object_, newParent)) return false;

    adaptor_.beginUndoGroup("SetParent #");
    const ObjectId oldParent = object.parent;
    const int oldIndex = scene.GetChildIndex(object_);
    const KeyedValue<util::Matrix<double>> before = object.transform;
    const KeyedValue<util::Matrix<double>> after = KeepWorldTransform(newParent);
    scene.Reparent(object_, newParent);
    object.transform = after;
    const ObjectId id = object_;
    adaptor_.RecordEdit(
        [&scene, id, oldParent, oldIndex, before] {
            scene.Reparent(id, oldParent, oldIndex);
            scene.Find(id)->transform = before;
        },
        [&scene, id, newParent, after] {
            scene.Reparent(id, newParent);
            scene.Find(id)->transform = after;
        });
    adaptor_.endUndoGroup();
    return true;
}

void MemoryNode::clearKeysAfter(double t) {
    if (!animated || !updated_ || !IsAlive()) return;
    // The channels a recording keys.
    struct Channels {
        KeyedValue<util::Matrix<double>> transform;
        KeyedValue<double> fieldOfView;
        KeyedValue<double> focusDistance;
    };
    MemoryScene& scene = GetScene();
    const ObjectId id = object_;
    HostObject& object = *scene.Find(id);
    const Channels before{object.transform, object.fieldOfView, object.focusDistance};
    const double from = t + adaptor_.getFrameDuration();
    size_t removed = object.transform.RemoveKeysFrom(from);
    removed += object.fieldOfView.RemoveKeysFrom(from);
    removed += object.focusDistance.RemoveKeysFrom(from);
    if (removed == 0) return;

    const Channels after{object.transform, object.fieldOfView, object.focusDistance};
    const auto restore = [&scene, id](const Channels& channels) {
        HostObject& target = *scene.Find(id);
        target.transform = channels.transform;
        target.fieldOfView = channels.fieldOfView;
        target.focusDistance = channels.focusDistance;
    };
    adaptor_.beginUndoGroup("ClearKeysAfter");
    adaptor_.RecordEdit([restore, before] { restore(before); }, [restore, after] { restore(after); });
    adaptor_.endUndoGroup();
}

void MemoryNode::rename(const std::string& newName) {
    if (!IsAlive()) return;
    MemoryScene& scene = GetScene();
    const std::string before = scene.Find(object_)->name;
    const std::string after = scene.Rename(object_, newName + "Transform");
    const ObjectId id = object_;
    adaptor_.RecordEdit([&scene, id, before] { scene.Rename(id, before); },
                        [&scene, id, after] { scene.Rename(id, after); });
}

void MemoryNode::getName(util::ReturnValue<std::string>& out) {
    const HostObject* object = GetScene().Find(object_);
    out.set(object ? object->name : std::string());
}

void MemoryNode::deleteNode(bool keepHostNode) {
    std::vector<ObjectId> objects;
    if (!keepHostNode && IsAlive()) objects.push_back(object_);
    if (adaptor_.isUndoRecording()) {
        auto* unit = new NodePresenceUndo(adaptor_, {this}, std::move(objects), false);
        unit->redo();
        adaptor_.addUndoUnit(unit);
        return;
    }
    adaptor_.Unregister(this);
    for (ObjectId id : objects) GetScene().SetDeleted(id, true);
    delete this;
}

core::CoreNode* MemoryNode::getOwningNode() {
    for (ObjectId id = object_; id != kWorld;) {
        if (MemoryNode* holder = adaptor_.FindRegisteredNode(id)) return holder;
        const HostObject* object = GetScene().Find(id);
        if (!object) break;
        id = object->parent;
    }
    return nullptr;
}

// --- Writes from the snapshots ---

void MemoryNode::WriteLocalMatrix(double t, const util::Matrix<double>& local) {
    if (!IsAlive()) return;
    edits::WriteChannel(adaptor_, object_, &HostObject::transform, t, local,
                        animated && adaptor_.IsRecording());
}

void MemoryNode::WriteLensChannel(KeyedValue<double> HostObject::*channel, double t, double value) {
    if (!IsAlive()) return;
    const bool keyed = (GetScene().Find(object_)->*channel).HasKeys();
    edits::WriteChannel(adaptor_, object_, channel, t, value, keyed || (animated && adaptor_.IsRecording()));
}

} // namespace vex::orb::adaptor::memory
