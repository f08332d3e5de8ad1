#include "system/adaptors/memory/MemoryScene.h"

#include <algorithm>

namespace vex::orb::adaptor::memory {

ObjectId MemoryScene::Create(const std::string& name, ShapeKind shape, ObjectId parent,
                             const std::string& shapeName) {
    if (parent != kWorld && !Find(parent)) parent = kWorld;
    auto object = std::make_unique<HostObject>();
    object->name = UniqueName(name, kWorld);
    object->shape = shape;
    object->parent = parent;
    objects_.push_back(std::move(object));
    const auto id = static_cast<ObjectId>(objects_.size());
    if (shape != ShapeKind::kNone) {
        // The new transform's own name is already taken, so the shape cannot get it too.
        objects_.back()->shapeName = UniqueName(shapeName.empty() ? name + "Shape" : shapeName, kWorld);
    }
    ChildList(parent).push_back(id);
    return id;
}

HostObject* MemoryScene::Find(ObjectId id) {
    return id == kWorld || id > objects_.size() ? nullptr : objects_[id - 1].get();
}

const HostObject* MemoryScene::Find(ObjectId id) const {
    return id == kWorld || id > objects_.size() ? nullptr : objects_[id - 1].get();
}

bool MemoryScene::IsAlive(ObjectId id) const {
    for (const HostObject* object = Find(id); object; object = Find(object->parent)) {
        if (object->deleted) return false;
        if (object->parent == kWorld) return true;
    }
    return false;
}

std::vector<ObjectId> MemoryScene::GetObjects() const {
    std::vector<ObjectId> ids(objects_.size());
    for (size_t i = 0; i < ids.size(); ++i) ids[i] = static_cast<ObjectId>(i + 1);
    return ids;
}

ObjectId MemoryScene::FindByName(const std::string& name) const {
    for (ObjectId id = 1; id <= objects_.size(); ++id) {
        if (objects_[id - 1]->name == name && IsAlive(id)) return id;
    }
    return kWorld;
}

void MemoryScene::Clear() {
    objects_.clear();
    roots_.clear();
    selection_.clear();
    messages_.clear();
}

void MemoryScene::SetDeleted(ObjectId id, bool deleted) {
    HostObject* object = Find(id);
    if (!object || object->deleted == deleted) return;
    object->deleted = deleted;
    if (deleted || !IsAlive(id)) return;
    // The names of the subtree were free while it was gone; whatever took them keeps them.
    std::vector<ObjectId> pending{id};
    while (!pending.empty()) {
        HostObject* current = Find(pending.back());
        const ObjectId currentId = pending.back();
        pending.pop_back();
        if (current->deleted) continue;
        current->name = UniqueName(current->name, currentId);
        if (!current->shapeName.empty()) current->shapeName = UniqueName(current->shapeName, currentId);
        pending.insert(pending.end(), current->children.begin(), current->children.end());
    }
}

std::string MemoryScene::Rename(ObjectId id, const std::string& name) {
    HostObject* object = Find(id);
    if (!object) return {};
    object->name = UniqueName(name, id);
    return object->name;
}

std::vector<ObjectId> MemoryScene::GetChildren(ObjectId parent) const {
    std::vector<ObjectId> live;
    if (parent != kWorld && !Find(parent)) return live;
    for (ObjectId child : ChildList(parent)) {
        if (!Find(child)->deleted) live.push_back(child);
    }
    return live;
}

bool MemoryScene::Reparent(ObjectId id, ObjectId parent, int index) {
    HostObject* object = Find(id);
    if (!object || (parent != kWorld && !Find(parent)) || IsSelfOrAncestor(id, parent)) return false;
    auto& oldList = ChildList(object->parent);
    oldList.erase(std::find(oldList.begin(), oldList.end(), id));
    auto& newList = ChildList(parent);
    const auto position = index < 0 || static_cast<size_t>(index) > newList.size()
                              ? newList.size()
                              : static_cast<size_t>(index);
    newList.insert(newList.begin() + static_cast<std::ptrdiff_t>(position), id);
    object->parent = parent;
    return true;
}

int MemoryScene::GetChildIndex(ObjectId id) const {
    const HostObject* object = Find(id);
    if (!object) return -1;
    const auto& list = ChildList(object->parent);
    return static_cast<int>(std::find(list.begin(), list.end(), id) - list.begin());
}

bool MemoryScene::IsSelfOrAncestor(ObjectId ancestor, ObjectId id) const {
    for (ObjectId current = id; current != kWorld;) {
        if (current == ancestor) return true;
        const HostObject* object = Find(current);
        if (!object) return false;
        current = object->parent;
    }
    return false;
}

util::Matrix<double> MemoryScene::GetLocalMatrix(ObjectId id, double t) const {
    const HostObject* object = Find(id);
    return object ? object->transform.Evaluate(t) : util::Matrix<double>();
}

util::Matrix<double> MemoryScene::GetWorldMatrix(ObjectId id, double t) const {
    return GetLocalMatrix(id, t) * GetParentWorldMatrix(id, t);
}

util::Matrix<double> MemoryScene::GetParentWorldMatrix(ObjectId id, double t) const {
    const HostObject* object = Find(id);
    return object && object->parent != kWorld ? GetWorldMatrix(object->parent, t) : util::Matrix<double>();
}

bool MemoryScene::IsNameTaken(const std::string& name, ObjectId except) const {
    for (ObjectId id = 1; id <= objects_.size(); ++id) {
        const HostObject* object = objects_[id - 1].get();
        if (id != except && (object->name == name || object->shapeName == name) && IsAlive(id)) return true;
    }
    return false;
}

std::string MemoryScene::UniqueName(const std::string& name, ObjectId except) const {
    if (!IsNameTaken(name, except)) return name;
    // Like the host: the name without its trailing number, then the first free number.
    std::string base = name;
    while (!base.empty() && base.back() >= '0' && base.back() <= '9') base.pop_back();
    if (base.empty()) base = name;
    for (int n = 1;; ++n) {
        std::string candidate = base + std::to_string(n);
        if (!IsNameTaken(candidate, except)) return candidate;
    }
}

std::vector<ObjectId>& MemoryScene::ChildList(ObjectId parent) {
    return parent == kWorld ? roots_ : Find(parent)->children;
}

const std::vector<ObjectId>& MemoryScene::ChildList(ObjectId parent) const {
    return parent == kWorld ? roots_ : Find(parent)->children;
}

} // namespace vex::orb::adaptor::memory
