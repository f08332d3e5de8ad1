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
        void redo(Scene& scene) override { scene.attach(node, parent, childIndex, listIndex); }
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
        void undo(Scene& scene) override { scene.move(node, before, beforeIndex); }
        void redo(Scene& scene) override { scene.move(node, after, afterIndex); }
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
            scene.unlink(source, sourceAttribute, destination, destinationAttribute);
        }
        void redo(Scene& scene) override {
            scene.link(source, sourceAttribute, destination, destinationAttribute);
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
            auto& list = node->m_dynamic;
            list.erase(std::remove(list.begin(), list.end(), attribute), list.end());
        }
        void redo(Scene&) override {
            auto& list = node->m_dynamic;
            if (std::find(list.begin(), list.end(), attribute) != list.end()) return;
            list.insert(list.begin() + std::min<std::size_t>(index, list.size()), attribute);
            for (const auto& [definition, value] : values) node->m_values[definition] = value;
        }
    };

    struct RemoveAttribute : AddAttribute {
        void undo(Scene& scene) override { AddAttribute::redo(scene); }
        void redo(Scene& scene) override {
            AddAttribute::undo(scene);
            for (const auto& [definition, value] : values) node->m_values.erase(definition);
        }
    };

    struct Member : Change {
        NodePtr set, member;
        int index = -1;
        void undo(Scene&) override {
            auto& list = set->m_members;
            list.erase(std::remove_if(list.begin(), list.end(),
                                      [this](const auto& w) { return w.lock() == member; }),
                       list.end());
        }
        void redo(Scene&) override {
            if (set->isMember(*member)) return;
            auto& list = set->m_members;
            list.insert(list.begin() + std::min<std::size_t>(index, list.size()), member);
        }
    };

    struct RemoveMember : Member {
        void undo(Scene& scene) override { Member::redo(scene); }
        void redo(Scene& scene) override { Member::undo(scene); }
    };
};

namespace {

bool validName(const std::string& name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '|' || c == '.' || std::isspace(static_cast<unsigned char>(c));
    });
}

bool numeric(AttributeKind kind) {
    return kind == AttributeKind::Bool || kind == AttributeKind::Int || kind == AttributeKind::Double;
}

bool compatible(const AttributeDefinition& source, const AttributeDefinition& destination) {
    if (source.kind() == destination.kind()) return true;
    return numeric(source.kind()) && numeric(destination.kind());
}

} // namespace

Scene& Scene::instance() {
    static Scene scene;
    return scene;
}

Scene::Scene() {
    reset();
}

void Scene::record(std::shared_ptr<Change> change) {
    if (!m_journals.empty()) m_journals.back()->add(std::move(change));
}

void Scene::beginJournal() {
    m_journals.push_back(std::make_shared<Journal>());
}

std::shared_ptr<Journal> Scene::endJournal() {
    if (m_journals.empty()) return std::make_shared<Journal>();
    auto journal = m_journals.back();
    m_journals.pop_back();
    if (!m_journals.empty()) m_journals.back()->append(*journal);
    return journal;
}

namespace {

/// A change played backwards: recorded when a journal's undo runs inside another open journal.
class Inverted : public Change {
public:
    explicit Inverted(std::shared_ptr<Change> change) : m_change(std::move(change)) {}
    void undo(Scene& scene) override { m_change->redo(scene); }
    void redo(Scene& scene) override { m_change->undo(scene); }

private:
    std::shared_ptr<Change> m_change;
};

} // namespace

void Scene::replay(const std::shared_ptr<Change>& change, bool undo) {
    if (undo) {
        change->undo(*this);
        record(std::make_shared<Inverted>(change));
    } else {
        change->redo(*this);
        record(change);
    }
}

// ---- raw steps: no recording, but names stay unique and messages fire. Each does nothing when its
// work is already done, so a change taken back twice (by two owners of one record) stays harmless. ----

std::string Scene::uniqueName(const std::string& wanted, const Node* self) const {
    auto taken = [&](const std::string& name) {
        auto it = m_nameCount.find(name);
        int count = it == m_nameCount.end() ? 0 : it->second;
        if (self && self->isAlive() && self->name() == name) --count;
        return count > 0;
    };
    if (!taken(wanted)) return wanted;
    // As the host does: drop a trailing number and append the lowest number that is free.
    std::string stem = wanted;
    while (!stem.empty() && std::isdigit(static_cast<unsigned char>(stem.back()))) stem.pop_back();
    for (int number = 1;; ++number)
        if (auto name = stem + std::to_string(number); !taken(name)) return name;
}

void Scene::attach(const NodePtr& node, const NodePtr& parent, int childIndex, int listIndex) {
    if (node->m_alive) return;
    node->m_name = uniqueName(node->m_name, nullptr);
    ++m_nameCount[node->m_name];
    node->m_alive = true;
    node->m_inserted = true;
    if (listIndex < 0 || listIndex > static_cast<int>(m_nodes.size()))
        listIndex = static_cast<int>(m_nodes.size());
    m_nodes.insert(m_nodes.begin() + listIndex, node);
    if (node->isDag()) {
        const NodePtr& up = parent ? parent : m_world;
        auto& children = up->m_children;
        if (childIndex < 0 || childIndex > static_cast<int>(children.size()))
            childIndex = static_cast<int>(children.size());
        children.insert(children.begin() + childIndex, node);
        node->m_parent = up;
        SceneEvents::nodeAdded(node);
        SceneEvents::parentAdded(node, up);
    } else {
        SceneEvents::nodeAdded(node);
    }
}

void Scene::detach(const NodePtr& node, int& childIndex, int& listIndex) {
    if (!node->m_alive) return;
    // Listeners may edit the scene from the removal messages, but not remove this node a second time.
    node->m_leaving = true;
    if (node->isDag()) {
        if (auto up = node->parent()) {
            SceneEvents::parentRemoved(node, up);
            childIndex = up->childIndex(*node);
            up->m_children.erase(up->m_children.begin() + childIndex);
        }
        node->m_parent.reset();
    }
    SceneEvents::nodeRemoved(node);
    auto it = std::find(m_nodes.begin(), m_nodes.end(), node);
    listIndex = static_cast<int>(it - m_nodes.begin());
    if (it != m_nodes.end()) m_nodes.erase(it);
    if (--m_nameCount[node->m_name] <= 0) m_nameCount.erase(node->m_name);
    node->m_alive = false;
    node->m_leaving = false;
}

void Scene::move(const NodePtr& node, const NodePtr& parent, int childIndex) {
    if (!node->m_alive || !parent || (node->parent() == parent && childIndex < 0)) return;
    if (auto up = node->parent()) {
        SceneEvents::parentRemoved(node, up);
        up->m_children.erase(up->m_children.begin() + up->childIndex(*node));
    }
    auto& children = parent->m_children;
    if (childIndex < 0 || childIndex > static_cast<int>(children.size()))
        childIndex = static_cast<int>(children.size());
    children.insert(children.begin() + childIndex, node);
    node->m_parent = parent;
    SceneEvents::parentAdded(node, parent);
}

void Scene::rename(const NodePtr& node, const std::string& name) {
    auto actual = uniqueName(name, node.get());
    if (node->m_alive) {
        if (--m_nameCount[node->m_name] <= 0) m_nameCount.erase(node->m_name);
        ++m_nameCount[actual];
    }
    node->m_name = actual;
}

void Scene::store(const NodePtr& node, const AttributeDefinition& attribute, const Value* value) {
    if (value)
        node->m_values[&attribute] = *value;
    else
        node->m_values.erase(&attribute);
}

void Scene::link(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                 const AttributePtr& destinationAttribute) {
    if (const Link* present = destination->input(*destinationAttribute))
        if (present->other.lock() == source && present->otherAttribute == sourceAttribute) return;
    source->m_outputs.push_back({sourceAttribute, destination, destinationAttribute});
    destination->m_inputs.push_back({destinationAttribute, source, sourceAttribute});
}

void Scene::unlink(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                   const AttributePtr& destinationAttribute) {
    auto drop = [](std::vector<Link>& links, const AttributePtr& own, const NodePtr& other,
                   const AttributePtr& otherAttribute) {
        auto it = std::find_if(links.begin(), links.end(), [&](const Link& link) {
            return link.attribute == own && link.other.lock() == other &&
                   link.otherAttribute == otherAttribute;
        });
        if (it != links.end()) links.erase(it);
    };
    drop(source->m_outputs, sourceAttribute, destination, destinationAttribute);
    drop(destination->m_inputs, destinationAttribute, source, sourceAttribute);
}

// ---- recorded operations ----

NodePtr Scene::makeNode(const std::string& typeName, const std::string& name) const {
    auto type = NodeTypeRegistry::instance().find(typeName);
    if (!type || type->isAbstract()) return nullptr;
    auto node = std::make_shared<Node>(type);
    node->m_name = uniqueName(validName(name) ? name : type->nameStem() + "1", nullptr);
    if (type->onCreate()) type->onCreate()(*node);
    return node;
}

bool Scene::insertNode(const NodePtr& node, const NodePtr& parent) {
    if (!node || node->m_alive || node == m_world) return false;
    if (parent && (!node->isDag() || (!parent->m_alive && parent != m_world))) return false;
    if (parent && parent != m_world && !parent->hasFn(MFn::kTransform)) return false;
    auto change = std::make_shared<SceneChanges::Insert>();
    change->node = node;
    change->parent = node->isDag() ? (parent ? parent : m_world) : nullptr;
    attach(node, change->parent, -1, -1);
    if (node->isDag()) change->childIndex = change->parent->childIndex(*node);
    change->listIndex = static_cast<int>(std::find(m_nodes.begin(), m_nodes.end(), node) - m_nodes.begin());
    record(change);
    return true;
}

bool Scene::deleteNode(const NodePtr& node) {
    if (!node || !node->m_alive || node->m_leaving || node == m_world) return false;
    std::vector<NodePtr> doomed;
    auto collect = [&doomed](auto& self, const NodePtr& n) -> void {
        for (const auto& child : n->m_children) self(self, child);
        doomed.push_back(n);
    };
    collect(collect, node);
    for (const auto& n : doomed) {
        // A message listener may have removed it meanwhile.
        if (!n->m_alive || n->m_leaving) continue;
        for (const auto& other : m_nodes)
            if (other->isMember(*n)) removeMember(other, n);
        removeAllLinks(n);
        auto change = std::make_shared<SceneChanges::Remove>();
        change->node = n;
        change->parent = n->parent();
        detach(n, change->childIndex, change->listIndex);
        record(change);
    }
    return true;
}

void Scene::removeAllLinks(const NodePtr& node) {
    for (auto links = node->m_inputs; const auto& link : links)
        disconnect(link.other.lock(), link.otherAttribute, node, link.attribute);
    for (auto links = node->m_outputs; const auto& link : links)
        disconnect(node, link.attribute, link.other.lock(), link.otherAttribute);
    // Links to nodes that no longer exist at all cannot be recorded; they simply go.
    node->m_inputs.clear();
    node->m_outputs.clear();
}

std::string Scene::renameNode(const NodePtr& node, const std::string& name) {
    if (!node || !node->m_alive || node == m_world || !validName(name)) return "";
    auto change = std::make_shared<SceneChanges::Rename>();
    change->node = node;
    change->before = node->m_name;
    rename(node, name);
    change->after = node->m_name;
    if (change->after != change->before) record(change);
    return node->m_name;
}

bool Scene::reparentNode(const NodePtr& node, const NodePtr& newParent, int childIndex) {
    if (!node || !node->m_alive || !node->isDag() || node == m_world) return false;
    const NodePtr& target = newParent ? newParent : m_world;
    if (!target->m_alive && target != m_world) return false;
    if (target != m_world && !target->hasFn(MFn::kTransform)) return false;
    if (target == m_world && node->type().isShape()) return false;
    if (target->isDescendantOf(*node)) return false;
    auto before = node->parent();
    if (before == target && (childIndex < 0 || childIndex == before->childIndex(*node))) return true;
    auto change = std::make_shared<SceneChanges::Reparent>();
    change->node = node;
    change->before = before;
    change->beforeIndex = before->childIndex(*node);
    change->after = target;
    change->afterIndex = childIndex;
    change->redo(*this);
    record(change);
    return true;
}

bool Scene::setValue(const NodePtr& node, const AttributePtr& attribute, const Value& value) {
    if (!node || !node->m_alive || !attribute || !node->hasAttribute(*attribute)) return false;
    if (attribute->computed || !attribute->writable || !attribute->accepts(value)) return false;
    if (attribute->kind() == AttributeKind::Double3) {
        const auto& triple = std::get<Double3>(value);
        const auto& children = attribute->children();
        for (std::size_t i = 0; i < children.size() && i < 3; ++i)
            if (!setValue(node, children[i], triple[i])) return false;
        return true;
    }
    auto change = std::make_shared<SceneChanges::SetValue>();
    change->node = node;
    change->attribute = attribute;
    if (auto it = node->m_values.find(attribute.get()); it != node->m_values.end())
        change->before = it->second;
    change->after = attribute->coerce(value);
    change->redo(*this);
    record(change);
    return true;
}

bool Scene::addAttribute(const NodePtr& node, const AttributePtr& attribute) {
    if (!node || !node->m_alive || !attribute || attribute->parent()) return false;
    auto clash = [&node](const AttributeDefinition& a) {
        return node->findAttribute(a.longName()) || node->findAttribute(a.shortName());
    };
    if (clash(*attribute)) return false;
    for (const auto& child : attribute->children())
        if (clash(*child)) return false;
    auto change = std::make_shared<SceneChanges::AddAttribute>();
    change->node = node;
    change->attribute = attribute;
    change->index = static_cast<int>(node->m_dynamic.size());
    change->redo(*this);
    record(change);
    return true;
}

bool Scene::removeAttribute(const NodePtr& node, const AttributePtr& attribute) {
    if (!node || !node->m_alive || !attribute) return false;
    auto& list = node->m_dynamic;
    auto it = std::find(list.begin(), list.end(), attribute);
    if (it == list.end()) return false;
    auto involves = [&attribute](const AttributeDefinition& a) {
        return &a == attribute.get() || a.parent() == attribute.get();
    };
    for (auto links = node->m_inputs; const auto& link : links)
        if (involves(*link.attribute))
            disconnect(link.other.lock(), link.otherAttribute, node, link.attribute);
    for (auto links = node->m_outputs; const auto& link : links)
        if (involves(*link.attribute))
            disconnect(node, link.attribute, link.other.lock(), link.otherAttribute);
    auto change = std::make_shared<SceneChanges::RemoveAttribute>();
    change->node = node;
    change->attribute = attribute;
    change->index = static_cast<int>(it - list.begin());
    for (const auto& [definition, value] : node->m_values)
        if (involves(*definition)) change->values.emplace_back(definition, value);
    change->redo(*this);
    record(change);
    return true;
}

bool Scene::connect(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                    const AttributePtr& destinationAttribute) {
    if (!source || !destination || !sourceAttribute || !destinationAttribute) return false;
    if (!source->m_alive || !destination->m_alive) return false;
    if (!source->hasAttribute(*sourceAttribute) || !destination->hasAttribute(*destinationAttribute))
        return false;
    if (!sourceAttribute->connectable || !destinationAttribute->connectable ||
        !destinationAttribute->writable)
        return false;
    if (!compatible(*sourceAttribute, *destinationAttribute)) return false;
    if (source == destination && sourceAttribute == destinationAttribute) return false;
    if (destination->input(*destinationAttribute)) return false;
    auto change = std::make_shared<SceneChanges::Connect>();
    change->source = source;
    change->sourceAttribute = sourceAttribute;
    change->destination = destination;
    change->destinationAttribute = destinationAttribute;
    change->redo(*this);
    record(change);
    return true;
}

bool Scene::disconnect(const NodePtr& source, const AttributePtr& sourceAttribute, const NodePtr& destination,
                       const AttributePtr& destinationAttribute) {
    if (!source || !destination || !destinationAttribute) return false;
    const Link* link = destination->input(*destinationAttribute);
    if (!link || link->other.lock() != source || link->otherAttribute != sourceAttribute) return false;
    auto change = std::make_shared<SceneChanges::Disconnect>();
    change->source = source;
    change->sourceAttribute = sourceAttribute;
    change->destination = destination;
    change->destinationAttribute = destinationAttribute;
    change->redo(*this);
    record(change);
    return true;
}

bool Scene::addMember(const NodePtr& set, const NodePtr& member) {
    if (!set || !member || !set->m_alive || !member->m_alive || !set->hasFn(MFn::kSet)) return false;
    if (set->isMember(*member)) return true;
    auto change = std::make_shared<SceneChanges::Member>();
    change->set = set;
    change->member = member;
    change->index = static_cast<int>(set->m_members.size());
    change->redo(*this);
    record(change);
    return true;
}

bool Scene::removeMember(const NodePtr& set, const NodePtr& member) {
    if (!set || !member) return false;
    auto& list = set->m_members;
    auto it =
        std::find_if(list.begin(), list.end(), [&member](const auto& weak) { return weak.lock() == member; });
    if (it == list.end()) return false;
    auto change = std::make_shared<SceneChanges::RemoveMember>();
    change->set = set;
    change->member = member;
    change->index = static_cast<int>(it - list.begin());
    change->redo(*this);
    record(change);
    return true;
}

// ---- reading ----

Value Scene::evaluate(const Node& node, const AttributeDefinition& attribute) const {
    return evaluate(node, attribute, m_time, 0);
}

Value Scene::evaluate(const Node& node, const AttributeDefinition& attribute, double time) const {
    return evaluate(node, attribute, time, 0);
}

Value Scene::evaluate(const Node& node, const AttributeDefinition& attribute, double time, int depth) const {
    // A cycle of connections reads the default instead of recursing for ever.
    if (depth > 64) return attribute.defaultValue();
    if (const Link* link = node.input(attribute)) {
        if (auto source = link->other.lock(); source && source->isAlive())
            return attribute.coerce(evaluate(*source, *link->otherAttribute, time, depth + 1));
    }
    if (const AttributeDefinition* parent = attribute.parent()) {
        if (const Link* link = node.input(*parent)) {
            auto source = link->other.lock();
            const auto& children = link->otherAttribute->children();
            int index = attribute.childIndex();
            if (source && source->isAlive() && index >= 0 && index < static_cast<int>(children.size()))
                return attribute.coerce(evaluate(*source, *children[index], time, depth + 1));
        }
    }
    if (attribute.kind() == AttributeKind::Double3) {
        Double3 value{};
        const auto& children = attribute.children();
        for (std::size_t i = 0; i < children.size() && i < 3; ++i)
            value[i] = toDouble(evaluate(node, *children[i], time, depth + 1));
        return value;
    }
    Value computed;
    if (node.type().compute(*this, node, attribute, time, computed)) return computed;
    return node.storedValue(attribute);
}

NodePtr Scene::findNode(const std::string& nameOrPath) const {
    if (nameOrPath.find('|') == std::string::npos) {
        for (const auto& node : m_nodes)
            if (node->m_name == nameOrPath) return node;
        return nullptr;
    }
    // A path matches a node whose full path ends with it (a leading "|" anchors it at the world).
    const bool anchored = nameOrPath.front() == '|';
    for (const auto& node : m_nodes) {
        if (!node->isDag()) continue;
        auto full = node->fullPathName();
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
    if (!node.isDag()) return node.m_name;
    auto full = node.fullPathName();
    if (full.empty()) return "";
    auto it = m_nameCount.find(node.m_name);
    if (it != m_nameCount.end() && it->second <= 1) return node.m_name;
    // Several nodes share the name: widen the path upwards until it names this node alone.
    for (auto pos = full.rfind('|'); pos != std::string::npos && pos > 0; pos = full.rfind('|', pos - 1)) {
        auto candidate = full.substr(pos + 1);
        int matches = 0;
        for (const auto& other : m_nodes) {
            auto otherFull = other->isDag() ? other->fullPathName() : std::string();
            if (otherFull.size() > candidate.size() &&
                otherFull.compare(otherFull.size() - candidate.size(), candidate.size(), candidate) == 0 &&
                otherFull[otherFull.size() - candidate.size() - 1] == '|')
                ++matches;
        }
        if (matches == 1) return candidate;
    }
    return full;
}

std::vector<NodePtr> Scene::selection() const {
    std::vector<NodePtr> live;
    for (const auto& weak : m_selection)
        if (auto node = weak.lock(); node && node->isAlive()) live.push_back(node);
    return live;
}

void Scene::setSelection(const std::vector<NodePtr>& nodes) {
    m_selection.assign(nodes.begin(), nodes.end());
}

// ---- new scene and dump ----

NodePtr Scene::createDefault(const std::string& type, const std::string& name, const NodePtr& parent) {
    auto node = makeNode(type, name);
    attach(node, parent, -1, -1);
    return node;
}

void Scene::reset() {
    for (const auto& node : m_nodes) {
        node->m_inputs.clear();
        node->m_outputs.clear();
        node->m_members.clear();
        node->m_children.clear();
        node->m_parent.reset();
        node->m_alive = false;
    }
    m_nodes.clear();
    m_nameCount.clear();
    m_selection.clear();
    m_time = 0.0;
    m_yUp = true;
    auto saved = std::move(m_journals);
    m_journals.clear();
    if (!m_world) {
        m_world = std::make_shared<Node>(NodeTypeRegistry::instance().find("world"));
        m_world->m_name = "world";
        m_world->m_alive = true;
    }
    m_world->m_children.clear();
    SceneEvents::Mute mute;
    for (const char* name : {"persp", "top", "front", "side"}) {
        auto transform = createDefault("transform", name, m_world);
        auto shape = createDefault("camera", std::string(name) + "Shape", transform);
        if (std::string(name) != "persp") {
            // The orthographic start-up cameras are hidden, as in a new host scene.
            const Value hidden = false, orthographic = true;
            store(transform, *transform->findAttribute("v"), &hidden);
            store(shape, *shape->findAttribute("orthographic"), &orthographic);
        }
    }
    auto lambert = createDefault("lambert", "lambert1", nullptr);
    auto group = createDefault("shadingEngine", "initialShadingGroup", nullptr);
    link(lambert, lambert->findAttribute("outColor"), group, group->findAttribute("surfaceShader"));
    m_journals = std::move(saved);
}

std::string Scene::dump() const {
    std::ostringstream out;
    out << "time " << m_time << " up " << (m_yUp ? "y" : "z") << "\n";
    auto describe = [&](const Node& node) {
        out << (node.isDag() ? node.fullPathName() : node.m_name) << " : " << node.type().name() << " #"
            << node.serial() << "\n";
        for (const auto& attribute : node.attributes()) {
            std::vector<AttributePtr> leaves = attribute->children();
            if (leaves.empty()) leaves.push_back(attribute);
            if (node.isDynamic(*attribute))
                out << "  +" << attribute->longName() << "/" << attribute->shortName() << " kind "
                    << static_cast<int>(attribute->kind()) << (attribute->storable ? " storable" : "")
                    << (attribute->hidden ? " hidden" : "") << (attribute->keyable ? " keyable" : "") << "\n";
            for (const auto& leaf : leaves)
                if (auto it = node.m_values.find(leaf.get()); it != node.m_values.end())
                    out << "  " << leaf->longName() << " = " << toText(it->second) << "\n";
        }
        for (const auto& link : node.m_outputs)
            if (auto other = link.other.lock())
                out << "  " << link.attribute->longName() << " -> " << other->m_name << "."
                    << link.otherAttribute->longName() << "\n";
        for (const auto& member : node.members()) out << "  member " << member->m_name << "\n";
    };
    auto walk = [&](auto& self, const Node& node) -> void {
        for (const auto& child : node.m_children) {
            describe(*child);
            self(self, *child);
        }
    };
    walk(walk, *m_world);
    for (const auto& node : m_nodes)
        if (!node->isDag()) describe(*node);
    out << "order";
    for (const auto& node : m_nodes) out << " " << node->m_name;
    out << "\nselection";
    for (const auto& node : selection()) out << " " << node->m_name;
    out << "\n";
    return out.str();
}

} // namespace vex::host
