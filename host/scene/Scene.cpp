#include "host/scene/Scene.h"

#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/SceneEvents.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

namespace vex::host {

/// The recorded forms of the scene's changes. Each undoes and redoes through the scene's raw steps,
/// which fire the same node messages as the original change.
class SceneChanges {
public:
    struct Insert : Change {
        NodePtr node, parent;
        int childIndex = -1, listIndex = -1;
        void undo(Scene& scene) override { scene.detach(node, childIndex, listIndex); }
        void redo(Scene& scene) override { scene.Attach(node, parent, childIndex, listIndex); }
    };

    struct Remove : Insert {
        void undo(Scene& scene) override { Insert::redo(scene); }
        void redo(Scene& scene) override { Insert::undo(scene); }
    };

    struct Rename : Change {
        NodePtr node;
        std::string before, after;
        void undo(Scene& scene) override { scene.rename(node, before); }
        void redo(Scene& scene) override { scene.rename(node, after); }
    };

    struct Reparent : Change {
        NodePtr node, before, after;
        int beforeIndex = -1, afterIndex = -1;
        void undo(Scene& scene) override { scene.Move(node, before, beforeIndex); }
        void redo(Scene& scene) override { scene.Move(node, after, afterIndex); }
    };

    struct SetValue : Change {
        NodePtr node;
        AttributePtr attribute;
        std::optional<Value> before, after;
        void undo(Scene& scene) override { scene.store(node, *attribute, before ? &*before : nullptr); }
        void redo(Scene& scene) override { scene.store(node, *attribute, after ? &*after : nullptr); }
    };

    struct Connect : Change {
        NodePtr source, destination;
        AttributePtr sourceAttribute, destinationAttribute;
        void undo(Scene& scene) override {
            scene.Unlink(source, sourceAttribute, destination, destinationAttribute);
        }
        void redo(Scene& scene) override {
            scene.AddLink(source, sourceAttribute, destination, destinationAttribute);
        }
    };

    struct Disconnect : Connect {
        void undo(Scene& scene) override { Connect::redo(scene); }
        void redo(Scene& scene) override { Connect::undo(scene); }
    };

    struct AddAttribute : Change {
        NodePtr node;
        AttributePtr attribute;
        int index = -1;
        std::vector<std::pair<const AttributeDefinition*, Value>> values;
        void undo(Scene&) override {
            auto& list = node->dynamic_;
            list.erase(std::remove(list.begin(), list.end(), attribute), list.end());
        }
        void redo(Scene&) override {
            auto& list = node->dynamic_;
            if (std::find(list.begin(), list.end(), attribute) != list.end()) return;
            list.insert(list.begin() + std::min<std::size_t>(index, list.size()), attribute);
            for (const auto& [definition, value] : values) node->values_[definition] = value;
        }
    };

    struct RemoveAttribute : AddAttribute {
        void undo(Scene& scene) override { AddAttribute::redo(scene); }
        void redo(Scene& scene) override {
            AddAttribute::undo(scene);
            for (const auto& [definition, value] : values) node->values_.erase(definition);
        }
    };

    struct Member : Change {
        NodePtr set, member;
        int index = -1;
        void undo(Scene&) override {
            auto& list = set->members_;
            list.erase(std::remove_if(list.begin(), list.end(),
                                      [this](const auto& w) { return w.lock() == member; }),
                       list.end());
        }
        void redo(Scene&) override {
            if (set->IsMember(*member)) return;
            auto& list = set->members_;
            list.insert(list.begin() + std::min<std::size_t>(index, list.size()), member);
        }
    };

    struct RemoveMember : Member {
        void undo(Scene& scene) override { Member::redo(scene); }
        void redo(Scene& scene) override { Member::undo(scene); }
    };
};

namespace {

bool ValidName(const std::string& name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '|' || c == '.' || std::isspace(static_cast<unsigned char>(c));
    });
}

bool Numeric(AttributeKind kind) {
    return kind == AttributeKind::kBool || kind == AttributeKind::kInt || kind == AttributeKind::kDouble;
}

bool Compatible(const AttributeDefinition& source, const AttributeDefinition& destination) {
    if (source.kind() == destination.kind()) return true;
    return Numeric(source.kind()) && Numeric(destination.kind());
}

} // namespace

Scene& Scene::Instance() {
    static Scene scene;
    return scene;
}

Scene::Scene() {
    Reset();
}

void Scene::Record(std::shared_ptr<Change> change) {
    if (!journals_.empty()) journals_.back()->Add(std::move(change));
}

void Scene::BeginJournal() {
    journals_.push_back(std::make_shared<Journal>());
}

std::shared_ptr<Journal> Scene::EndJournal() {
    if (journals_.empty()) return std::make_shared<Journal>();
    auto journal = journals_.back();
    journals_.pop_back();
    if (!journals_.empty()) journals_.back()->Append(*journal);
    return journal;
}

namespace {

/// A change played backwards: recorded when a journal's undo runs inside another open journal.
class Inverted : public Change {
public:
    explicit Inverted(std::shared_ptr<Change> change) : change_(std::move(change)) {}
    void undo(Scene& scene) override { change_->redo(scene); }
    void redo(Scene& scene) override { change_->undo(scene); }

private:
    std::shared_ptr<Change> change_;
};

} // namespace

void Scene::Replay(const std::shared_ptr<Change>& change, bool undo) {
    if (undo) {
        change->undo(*this);
        Record(std::make_shared<Inverted>(change));
    } else {
        change->redo(*this);
        Record(change);
    }
}

// ---- raw steps: no recording, but names stay unique and messages fire. Each does nothing when its
// work is already done, so a change taken back twice (by two owners of one record) stays harmless. ----

std::string Scene::UniqueName(const std::string& wanted, const Node* self) const {
    auto taken = [&](const std::string& name) {
        auto it = nameCount_.find(name);
        int count = it == nameCount_.end() ? 0 : it->second;
        if (self && self->IsAlive() && self->name() == name) --count;
        return count > 0;
    };
    if (!taken(wanted)) return wanted;
    // As the host does: drop a trailing number and append the lowest number that is free.
    std::string stem = wanted;
    while (!stem.empty() && std::isdigit(static_cast<unsigned char>(stem.back()))) stem.pop_back();
    for (int number = 1;; ++number)
        if (auto name = stem + std::to_string(number); !taken(name)) return name;
}

void Scene::Attach(const NodePtr& node, const NodePtr& parent, int childIndex, int listIndex) {
    if (node->alive_) return;
    node->name_ = UniqueName(node->name_, nullptr);
    ++nameCount_[node->name_];
    node->alive_ = true;
    node->inserted_ = true;
    if (listIndex < 0 || listIndex > static_cast<int>(nodes_.size()))
        listIndex = static_cast<int>(nodes_.size());
    nodes_.insert(nodes_.begin() + listIndex, node);
    if (node->IsDag()) {
        const NodePtr& up = parent ? parent : world_;
        auto& children = up->children_;
        if (childIndex < 0 || childIndex > static_cast<int>(children.size()))
            childIndex = static_cast<int>(children.size());
        children.insert(children.begin() + childIndex, node);
        node->parent_ = up;
        SceneEvents::NodeAdded(node);
        SceneEvents::ParentAdded(node, up);
    } else {
        SceneEvents::NodeAdded(node);
    }
}

void Scene::detach(const NodePtr& node, int& childIndex, int& listIndex) {
    if (!node->alive_) return;
    // Listeners may edit the scene from the removal messages, but not remove this node a second time.
    node->leaving_ = true;
    if (node->IsDag()) {
        if (auto up = node->parent()) {
            SceneEvents::ParentRemoved(node, up);
            childIndex = up->ChildIndex(*node);
            up->children_.erase(up->children_.begin() + childIndex);
        }
        node->parent_.reset();
    }
    SceneEvents::NodeRemoved(node);
    auto it = std::find(nodes_.begin(), nodes_.end(), node);
    listIndex = static_cast<int>(it - nodes_.begin());
    if (it != nodes_.end()) nodes_.erase(it);
    if (--nameCount_[node->name_] <= 0) nameCount_.erase(node->name_);
    node->alive_ = false;
    node->leaving_ = false;
}

void Scene::Move(const NodePtr& node, const NodePtr& parent, int childIndex) {
    if (!node->alive_ || !parent || (node->parent() == parent && childIndex < 0)) return;
    if (auto up = node->parent()) {
        SceneEvents::ParentRemoved(node, up);
        up->children_.erase(up->children_.begin() + up->ChildIndex(*node));
    }
    auto& children = parent->children_;
    if (childIndex < 0 || childIndex > static_cast<int>(children.size()))
        childIndex = static_cast<int>(children.size());
    children.insert(children.begin() + childIndex, node);
    node->parent_ = parent;
    SceneEvents::ParentAdded(node, parent);
}

void Scene::rename(const NodePtr& node, const std::string& name) {
    auto actual = UniqueName(name, node.get());
    const std::string previous = node->name_;
    if (node->alive_) {
        if (--nameCount_[node->name_] <= 0) nameCount_.erase(node->name_);
        ++nameCount_[actual];
    }
    node->name_ = actual;
    if (node->alive_ && previous != actual) SceneEvents::Renamed(node, previous);
}

void Scene::store(const NodePtr& node, const AttributeDefinition& attribute, const Value* value) {
    if (value)
        node->values_[&attribute] = *value;
    else
        node->values_.erase(&attribute);
    if (node->alive_) SceneEvents::AttributeSet(node, attribute);
}

void Scene::AddLink(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                    const AttributePtr& destinationAttribute) {
    if (const Link* present = destination->Input(*destinationAttribute))
        if (present->other.lock() == source && present->otherAttribute == sourceAttribute) return;
    source->outputs_.push_back({sourceAttribute, destination, destinationAttribute});
    destination->inputs_.push_back({destinationAttribute, source, sourceAttribute});
    if (source->alive_ && destination->alive_)
        SceneEvents::Connection(source, sourceAttribute, destination, destinationAttribute, true);
}

void Scene::Unlink(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                   const AttributePtr& destinationAttribute) {
    auto drop = [](std::vector<Link>& links, const AttributePtr& own, const NodePtr& other,
                   const AttributePtr& otherAttribute) {
        auto it = std::find_if(links.begin(), links.end(), [&](const Link& link) {
            return link.attribute == own && link.other.lock() == other &&
                   link.otherAttribute == otherAttribute;
        });
        if (it != links.end()) links.erase(it);
    };
    drop(source->outputs_, sourceAttribute, destination, destinationAttribute);
    drop(destination->inputs_, destinationAttribute, source, sourceAttribute);
    if (source->alive_ && destination->alive_)
        SceneEvents::Connection(source, sourceAttribute, destination, destinationAttribute, false);
}

// ---- recorded operations ----

NodePtr Scene::MakeNode(const std::string& typeName, const std::string& name) const {
    auto type = NodeTypeRegistry::Instance().Find(typeName);
    if (!type || type->IsAbstract()) return nullptr;
    auto node = std::make_shared<Node>(type);
    node->name_ = UniqueName(ValidName(name) ? name : type->NameStem() + "1", nullptr);
    if (type->GetOnCreate()) type->GetOnCreate()(*node);
    return node;
}

bool Scene::InsertNode(const NodePtr& node, const NodePtr& parent) {
    if (!node || node->alive_ || node == world_) return false;
    if (parent && (!node->IsDag() || (!parent->alive_ && parent != world_))) return false;
    if (parent && parent != world_ && !parent->HasFn(MFn::kTransform)) return false;
    auto change = std::make_shared<SceneChanges::Insert>();
    change->node = node;
    change->parent = node->IsDag() ? (parent ? parent : world_) : nullptr;
    Attach(node, change->parent, -1, -1);
    if (node->IsDag()) change->childIndex = change->parent->ChildIndex(*node);
    change->listIndex = static_cast<int>(std::find(nodes_.begin(), nodes_.end(), node) - nodes_.begin());
    Record(change);
    return true;
}

bool Scene::deleteNode(const NodePtr& node) {
    if (!node || !node->alive_ || node->leaving_ || node == world_) return false;
    SceneEvents::AboutToDelete(node);
    if (!node->alive_) return true; // a listener's modifier deleted it already
    std::vector<NodePtr> doomed;
    auto collect = [&doomed](auto& self, const NodePtr& n) -> void {
        for (const auto& child : n->children_) self(self, child);
        doomed.push_back(n);
    };
    collect(collect, node);
    for (const auto& n : doomed) {
        // A message listener may have removed it meanwhile.
        if (!n->alive_ || n->leaving_) continue;
        for (const auto& other : nodes_)
            if (other->IsMember(*n)) RemoveMember(other, n);
        RemoveAllLinks(n);
        auto change = std::make_shared<SceneChanges::Remove>();
        change->node = n;
        change->parent = n->parent();
        detach(n, change->childIndex, change->listIndex);
        Record(change);
    }
    return true;
}

void Scene::RemoveAllLinks(const NodePtr& node) {
    for (auto links = node->inputs_; const auto& link : links)
        disconnect(link.other.lock(), link.otherAttribute, node, link.attribute);
    for (auto links = node->outputs_; const auto& link : links)
        disconnect(node, link.attribute, link.other.lock(), link.otherAttribute);
    // Links to nodes that no longer exist at all cannot be recorded; they simply go.
    node->inputs_.clear();
    node->outputs_.clear();
}

std::string Scene::renameNode(const NodePtr& node, const std::string& name) {
    if (!node || !node->alive_ || node == world_ || !ValidName(name)) return "";
    auto change = std::make_shared<SceneChanges::Rename>();
    change->node = node;
    change->before = node->name_;
    rename(node, name);
    change->after = node->name_;
    if (change->after != change->before) Record(change);
    return node->name_;
}

bool Scene::ReparentNode(const NodePtr& node, const NodePtr& newParent, int childIndex) {
    if (!node || !node->alive_ || !node->IsDag() || node == world_) return false;
    const NodePtr& target = newParent ? newParent : world_;
    if (!target->alive_ && target != world_) return false;
    if (target != world_ && !target->HasFn(MFn::kTransform)) return false;
    if (target == world_ && node->type().IsShape()) return false;
    if (target->IsDescendantOf(*node)) return false;
    auto before = node->parent();
    if (before == target && (childIndex < 0 || childIndex == before->ChildIndex(*node))) return true;
    auto change = std::make_shared<SceneChanges::Reparent>();
    change->node = node;
    change->before = before;
    change->beforeIndex = before->ChildIndex(*node);
    change->after = target;
    change->afterIndex = childIndex;
    change->redo(*this);
    Record(change);
    return true;
}

bool Scene::setValue(const NodePtr& node, const AttributePtr& attribute, const Value& value) {
    if (!node || !node->alive_ || !attribute || !node->HasAttribute(*attribute)) return false;
    if (attribute->computed || !attribute->writable || !attribute->Accepts(value)) return false;
    if (attribute->kind() == AttributeKind::kDouble3) {
        const auto& triple = std::get<Double3>(value);
        const auto& children = attribute->Children();
        for (std::size_t i = 0; i < children.size() && i < 3; ++i)
            if (!setValue(node, children[i], triple[i])) return false;
        return true;
    }
    auto change = std::make_shared<SceneChanges::SetValue>();
    change->node = node;
    change->attribute = attribute;
    if (auto it = node->values_.find(attribute.get()); it != node->values_.end()) change->before = it->second;
    change->after = attribute->Coerce(value);
    change->redo(*this);
    Record(change);
    return true;
}

bool Scene::AddAttribute(const NodePtr& node, const AttributePtr& attribute) {
    if (!node || !node->alive_ || !attribute || attribute->parent()) return false;
    auto clash = [&node](const AttributeDefinition& a) {
        return node->FindAttribute(a.LongName()) || node->FindAttribute(a.ShortName());
    };
    if (clash(*attribute)) return false;
    for (const auto& child : attribute->Children())
        if (clash(*child)) return false;
    auto change = std::make_shared<SceneChanges::AddAttribute>();
    change->node = node;
    change->attribute = attribute;
    change->index = static_cast<int>(node->dynamic_.size());
    change->redo(*this);
    Record(change);
    return true;
}

bool Scene::removeAttribute(const NodePtr& node, const AttributePtr& attribute) {
    if (!node || !node->alive_ || !attribute) return false;
    auto& list = node->dynamic_;
    auto it = std::find(list.begin(), list.end(), attribute);
    if (it == list.end()) return false;
    auto involves = [&attribute](const AttributeDefinition& a) {
        return &a == attribute.get() || a.parent() == attribute.get();
    };
    for (auto links = node->inputs_; const auto& link : links)
        if (involves(*link.attribute))
            disconnect(link.other.lock(), link.otherAttribute, node, link.attribute);
    for (auto links = node->outputs_; const auto& link : links)
        if (involves(*link.attribute))
            disconnect(node, link.attribute, link.other.lock(), link.otherAttribute);
    auto change = std::make_shared<SceneChanges::RemoveAttribute>();
    change->node = node;
    change->attribute = attribute;
    change->index = static_cast<int>(it - list.begin());
    for (const auto& [definition, value] : node->values_)
        if (involves(*definition)) change->values.emplace_back(definition, value);
    change->redo(*this);
    Record(change);
    return true;
}

bool Scene::connect(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                    const AttributePtr& destinationAttribute) {
    if (!source || !destination || !sourceAttribute || !destinationAttribute) return false;
    if (!source->alive_ || !destination->alive_) return false;
    if (!source->HasAttribute(*sourceAttribute) || !destination->HasAttribute(*destinationAttribute))
        return false;
    if (!sourceAttribute->connectable || !destinationAttribute->connectable ||
        !destinationAttribute->writable)
        return false;
    if (!Compatible(*sourceAttribute, *destinationAttribute)) return false;
    if (source == destination && sourceAttribute == destinationAttribute) return false;
    if (destination->Input(*destinationAttribute)) return false;
    auto change = std::make_shared<SceneChanges::Connect>();
    change->source = source;
    change->sourceAttribute = sourceAttribute;
    change->destination = destination;
    change->destinationAttribute = destinationAttribute;
    change->redo(*this);
    Record(change);
    return true;
}

bool Scene::disconnect(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                       const AttributePtr& destinationAttribute) {
    if (!source || !destination || !destinationAttribute) return false;
    const Link* link = destination->Input(*destinationAttribute);
    if (!link || link->other.lock() != source || link->otherAttribute != sourceAttribute) return false;
    auto change = std::make_shared<SceneChanges::Disconnect>();
    change->source = source;
    change->sourceAttribute = sourceAttribute;
    change->destination = destination;
    change->destinationAttribute = destinationAttribute;
    change->redo(*this);
    Record(change);
    return true;
}

bool Scene::AddMember(const NodePtr& set, const NodePtr& member) {
    if (!set || !member || !set->alive_ || !member->alive_ || !set->HasFn(MFn::kSet)) return false;
    if (set->IsMember(*member)) return true;
    auto change = std::make_shared<SceneChanges::Member>();
    change->set = set;
    change->member = member;
    change->index = static_cast<int>(set->members_.size());
    change->redo(*this);
    Record(change);
    return true;
}

bool Scene::RemoveMember(const NodePtr& set, const NodePtr& member) {
    if (!set || !member) return false;
    auto& list = set->members_;
    auto it =
        std::find_if(list.begin(), list.end(), [&member](const auto& weak) { return weak.lock() == member; });
    if (it == list.end()) return false;
    auto change = std::make_shared<SceneChanges::RemoveMember>();
    change->set = set;
    change->member = member;
    change->index = static_cast<int>(it - list.begin());
    change->redo(*this);
    Record(change);
    return true;
}

// ---- reading ----

Value Scene::evaluate(const Node& node, const AttributeDefinition& attribute) const {
    return evaluate(node, attribute, time_, 0);
}

Value Scene::evaluate(const Node& node, const AttributeDefinition& attribute, double time) const {
    return evaluate(node, attribute, time, 0);
}

Value Scene::evaluate(const Node& node, const AttributeDefinition& attribute, double time, int depth) const {
    // A cycle of connections reads the default instead of recursing for ever.
    if (depth > 64) return attribute.DefaultValue();
    if (const Link* link = node.Input(attribute)) {
        if (auto source = link->other.lock(); source && source->IsAlive())
            return attribute.Coerce(evaluate(*source, *link->otherAttribute, time, depth + 1));
    }
    if (const AttributeDefinition* parent = attribute.parent()) {
        if (const Link* link = node.Input(*parent)) {
            auto source = link->other.lock();
            const auto& children = link->otherAttribute->Children();
            int index = attribute.ChildIndex();
            if (source && source->IsAlive() && index >= 0 && index < static_cast<int>(children.size()))
                return attribute.Coerce(evaluate(*source, *children[index], time, depth + 1));
        }
    }
    if (attribute.kind() == AttributeKind::kDouble3) {
        Double3 value{};
        const auto& children = attribute.Children();
        for (std::size_t i = 0; i < children.size() && i < 3; ++i)
            value[i] = ToDouble(evaluate(node, *children[i], time, depth + 1));
        return value;
    }
    Value computed;
    if (node.type().RunCompute(*this, node, attribute, time, computed)) return computed;
    return node.StoredValue(attribute);
}

NodePtr Scene::findNode(const std::string& nameOrPath) const {
    if (nameOrPath.find('|') == std::string::npos) {
        for (const auto& node : nodes_)
            if (node->name_ == nameOrPath) return node;
        return nullptr;
    }
    // A path matches a node whose full path ends with it (a leading "|" anchors it at the world).
    const bool anchored = nameOrPath.front() == '|';
    for (const auto& node : nodes_) {
        if (!node->IsDag()) continue;
        auto full = node->FullPathName();
        if (anchored
                ? full == nameOrPath
                : full.size() > nameOrPath.size() &&
                      full.compare(full.size() - nameOrPath.size(), nameOrPath.size(), nameOrPath) == 0 &&
                      full[full.size() - nameOrPath.size() - 1] == '|')
            return node;
    }
    return nullptr;
}

std::string Scene::partialPathName(const Node& node) const {
    if (!node.IsDag()) return node.name_;
    auto full = node.FullPathName();
    if (full.empty()) return "";
    auto it = nameCount_.find(node.name_);
    if (it != nameCount_.end() && it->second <= 1) return node.name_;
    // Several nodes share the name: widen the path upwards until it names this node alone.
    for (auto pos = full.rfind('|'); pos != std::string::npos && pos > 0; pos = full.rfind('|', pos - 1)) {
        auto candidate = full.substr(pos + 1);
        int matches = 0;
        for (const auto& other : nodes_) {
            auto otherFull = other->IsDag() ? other->FullPathName() : std::string();
            if (otherFull.size() > candidate.size() &&
                otherFull.compare(otherFull.size() - candidate.size(), candidate.size(), candidate) == 0 &&
                otherFull[otherFull.size() - candidate.size() - 1] == '|')
                ++matches;
        }
        if (matches == 1) return candidate;
    }
    return full;
}

std::vector<NodePtr> Scene::Selection() const {
    std::vector<NodePtr> live;
    for (const auto& weak : selection_)
        if (auto node = weak.lock(); node && node->IsAlive()) live.push_back(node);
    return live;
}

void Scene::SetSelection(const std::vector<NodePtr>& nodes) {
    selection_.assign(nodes.begin(), nodes.end());
}

// ---- new scene and dump ----

NodePtr Scene::CreateDefault(const std::string& type, const std::string& name, const NodePtr& parent) {
    auto node = MakeNode(type, name);
    Attach(node, parent, -1, -1);
    return node;
}

void Scene::Reset() {
    for (const auto& node : nodes_) {
        node->inputs_.clear();
        node->outputs_.clear();
        node->members_.clear();
        node->children_.clear();
        node->parent_.reset();
        node->alive_ = false;
    }
    nodes_.clear();
    nameCount_.clear();
    selection_.clear();
    time_ = 0.0;
    yUp_ = true;
    auto saved = std::move(journals_);
    journals_.clear();
    if (!world_) {
        world_ = std::make_shared<Node>(NodeTypeRegistry::Instance().Find("world"));
        world_->name_ = "world";
        world_->alive_ = true;
    }
    world_->children_.clear();
    SceneEvents::Mute mute;
    for (const char* name : {"persp", "top", "front", "side"}) {
        auto transform = CreateDefault("transform", name, world_);
        auto shape = CreateDefault("camera", std::string(name) + "Shape", transform);
        if (std::string(name) != "persp") {
            // The orthographic start-up cameras are hidden, as in a new host scene.
            const Value hidden = false, orthographic = true;
            store(transform, *transform->FindAttribute("v"), &hidden);
            store(shape, *shape->FindAttribute("orthographic"), &orthographic);
        }
    }
    auto lambert = CreateDefault("lambert", "lambert1", nullptr);
    auto group = CreateDefault("shadingEngine", "initialShadingGroup", nullptr);
    AddLink(lambert, lambert->FindAttribute("outColor"), group, group->FindAttribute("surfaceShader"));
    journals_ = std::move(saved);
}

std::string Scene::Dump() const {
    std::ostringstream out;
    out << "time " << time_ << " up " << (yUp_ ? "y" : "z") << "\n";
    auto describe = [&](const Node& node) {
        out << (node.IsDag() ? node.FullPathName() : node.name_) << " : " << node.type().name() << " #"
            << node.Serial() << "\n";
        for (const auto& attribute : node.Attributes()) {
            std::vector<AttributePtr> leaves = attribute->Children();
            if (leaves.empty()) leaves.push_back(attribute);
            if (node.IsDynamic(*attribute))
                out << "  +" << attribute->LongName() << "/" << attribute->ShortName() << " kind "
                    << static_cast<int>(attribute->kind()) << (attribute->storable ? " storable" : "")
                    << (attribute->hidden ? " hidden" : "") << (attribute->keyable ? " keyable" : "") << "\n";
            for (const auto& leaf : leaves)
                if (auto it = node.values_.find(leaf.get()); it != node.values_.end())
                    out << "  " << leaf->LongName() << " = " << ToText(it->second) << "\n";
        }
        for (const auto& link : node.outputs_)
            if (auto other = link.other.lock())
                out << "  " << link.attribute->LongName() << " -> " << other->name_ << "."
                    << link.otherAttribute->LongName() << "\n";
        for (const auto& member : node.Members()) out << "  member " << member->name_ << "\n";
    };
    auto walk = [&](auto& self, const Node& node) -> void {
        for (const auto& child : node.children_) {
            describe(*child);
            self(self, *child);
        }
    };
    walk(walk, *world_);
    for (const auto& node : nodes_)
        if (!node->IsDag()) describe(*node);
    out << "order";
    for (const auto& node : nodes_) out << " " << node->name_;
    out << "\nselection";
    for (const auto& node : Selection()) out << " " << node->name_;
    out << "\n";
    return out.str();
}

} // namespace vex::host
