#include "host/builtins/NodeCommands.h"

#include "host/builtins/PlugName.h"
#include "host/builtins/SelectionCommands.h"
#include "host/builtins/SessionState.h"
#include "host/builtins/StateChange.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/MatrixMath.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"

#include <maya/MFnTransform.h>
#include <maya/MMatrix.h>

#include <algorithm>
#include <map>
#include <set>

namespace vex::host::builtins {

using command::Value;

namespace {

const std::vector<std::pair<std::string, int>> kNameParent = {
    {"-n", 1}, {"-name", 1}, {"-p", 1}, {"-parent", 1}};

// The named nodes, or the selection when none are named; fails the command on an unknown name.
std::optional<std::vector<NodePtr>> namedOrSelected(CommandContext& context,
                                                    const std::vector<std::string>& words) {
    if (words.empty()) return Scene::instance().selection();
    std::vector<NodePtr> nodes;
    for (const auto& word : words) {
        const auto found = nodesMatching(word);
        if (found.empty()) return context.fail("No object matches name: " + word), std::nullopt;
        nodes.insert(nodes.end(), found.begin(), found.end());
    }
    return nodes;
}

Matrix worldMatrixOf(const NodePtr& node) {
    Scene& scene = Scene::instance();
    if (!node || node == scene.world()) return identityMatrix();
    return std::get<Matrix>(scene.evaluate(*node, *node->findAttribute("worldMatrix")));
}

} // namespace

bool createNodeCommand(CommandContext& context) {
    const auto words = context.positional(kNameParent);
    if (words.empty()) return context.fail("No node type was given.");
    Scene& scene = Scene::instance();
    NodePtr parent;
    if (context.has("-p", "-parent")) {
        parent = requireNode(context, context.text("-p", "-parent"));
        if (!parent) return false;
    }
    NodePtr node = scene.makeNode(words[0], context.text("-n", "-name"));
    if (!node) return context.fail("Unknown object type: " + words[0]);
    if (node->type().isShape() && !parent) {
        parent = scene.makeNode("transform");
        scene.insertNode(parent);
    }
    if (!scene.insertNode(node, parent))
        return context.fail("A " + words[0] + " cannot be created under " +
                            (parent ? parent->name() : "the world") + ".");
    SessionState::get().setCurrentNode(node);
    if (!context.has("-ss", "-skipSelect")) changeSelection({node});
    context.result = Value::String(node->name());
    return true;
}

bool renameCommand(CommandContext& context) {
    const auto words = context.positional({});
    if (words.empty() || words.size() > 2) return context.fail("Usage: rename [object] newName");
    NodePtr node;
    if (words.size() == 2) {
        node = requireNode(context, words[0]);
    } else {
        const auto selected = Scene::instance().selection();
        if (selected.empty()) return context.fail("No object was given or selected.");
        node = selected.front();
    }
    if (!node) return false;
    const std::string name = Scene::instance().renameNode(node, words.back());
    if (name.empty()) return context.fail("Cannot rename " + node->name() + " to " + words.back() + ".");
    context.result = Value::String(name);
    return true;
}

bool deleteCommand(CommandContext& context) {
    const auto nodes = namedOrSelected(context, context.positional({}));
    if (!nodes) return false;
    if (nodes->empty()) return context.fail("Not enough objects or values.");
    // Everything that goes: the nodes and all below them.
    std::set<const Node*> going;
    std::vector<NodePtr> pending(nodes->begin(), nodes->end());
    while (!pending.empty()) {
        NodePtr node = pending.back();
        pending.pop_back();
        if (!going.insert(node.get()).second) continue;
        for (const auto& child : node->children()) pending.push_back(child);
    }
    // Anim curves that only drive attributes of deleted nodes go with them.
    std::vector<NodePtr> curves;
    for (const Node* node : going)
        for (const Link& link : node->inputs()) {
            auto source = link.other.lock();
            if (!source || !source->hasFn(MFn::kAnimCurve) || going.count(source.get())) continue;
            const bool onlyHere =
                std::all_of(source->outputs().begin(), source->outputs().end(), [&](const Link& out) {
                    auto target = out.other.lock();
                    return !target || going.count(target.get());
                });
            if (onlyHere && std::find(curves.begin(), curves.end(), source) == curves.end())
                curves.push_back(source);
        }
    Scene& scene = Scene::instance();
    for (const auto& node : *nodes)
        if (node->isAlive() && !scene.deleteNode(node))
            return context.fail("Cannot delete " + node->name() + ".");
    for (const auto& curve : curves)
        if (curve->isAlive()) scene.deleteNode(curve);
    return true;
}

bool parentCommand(CommandContext& context) {
    const auto words = context.positional({});
    const bool toWorld = context.has("-w", "-world");
    const auto listed = namedOrSelected(context, words);
    if (!listed) return false;
    std::vector<NodePtr> children = *listed;
    Scene& scene = Scene::instance();
    NodePtr parent = scene.world();
    if (!toWorld) {
        if (children.size() < 2) return context.fail("Not enough objects or values.");
        parent = children.back();
        children.pop_back();
        if (!parent->hasFn(MFn::kTransform)) return context.fail(parent->name() + " is not a transform.");
    }
    const bool relative = context.has("-r", "-relative");
    const bool shapes = context.has("-s", "-shape");
    std::vector<std::string> moved;
    for (const auto& child : children) {
        if (!child->isDag()) return context.fail(child->name() + " is not a DAG object.");
        if (child->type().isShape() && !shapes)
            return context.fail(child->name() + " is a shape; use -shape to parent it.");
        if (child->parent() == parent) continue; // already there: nothing to do
        const Matrix world = worldMatrixOf(child);
        if (!scene.reparentNode(child, parent == scene.world() ? nullptr : parent))
            return context.fail("Cannot parent " + child->name() + " under " + parent->name() + ".");
        if (!relative && child->hasFn(MFn::kTransform)) {
            // Keep the world placement: the new local matrix is the world one seen from the new parent.
            const Matrix local = multiply(world, inverse(worldMatrixOf(parent)));
            MMatrix m;
            for (unsigned r = 0; r < 4; ++r)
                for (unsigned c = 0; c < 4; ++c) m(r, c) = local[r * 4 + c];
            MFnTransform(ObjectAccess::wrap(child)).set(m);
        }
        moved.push_back(scene.partialPathName(*child));
    }
    context.result = Value::StringArray(moved);
    return true;
}

namespace {

// A new attribute description with the same names, kind, default and flags.
AttributePtr copyAttribute(const AttributeDefinition& from) {
    AttributePtr copy;
    if (!from.children().empty()) {
        std::vector<AttributePtr> children;
        for (const auto& child : from.children()) children.push_back(copyAttribute(*child));
        copy = AttributeDefinition::makeCompound(from.longName(), from.shortName(), children);
    } else {
        copy = std::make_shared<AttributeDefinition>(from.longName(), from.shortName(), from.kind(),
                                                     from.defaultValue());
        copy->setDataType(from.dataType());
    }
    copy->storable = from.storable;
    copy->hidden = from.hidden;
    copy->keyable = from.keyable;
    copy->readable = from.readable;
    copy->writable = from.writable;
    copy->connectable = from.connectable;
    copy->usedAsColor = from.usedAsColor;
    return copy;
}

// Copies the values a node holds that differ from their defaults (leaves below compounds included).
void copyValues(const NodePtr& from, const NodePtr& to, const AttributePtr& source,
                const AttributePtr& target) {
    if (!source->children().empty()) {
        for (std::size_t i = 0; i < source->children().size(); ++i)
            copyValues(from, to, source->children()[i], target->children()[i]);
        return;
    }
    if (source->computed || !source->writable) return;
    const host::Value value = from->storedValue(*source);
    if (!(value == source->defaultValue())) Scene::instance().setValue(to, target, value);
}

// Makes a copy of a node (and, for DAG nodes, of everything below it) under the parent; records every
// original -> copy pair.
NodePtr copyNode(const NodePtr& from, const NodePtr& parent, const std::string& name,
                 std::map<const Node*, NodePtr>& copies) {
    Scene& scene = Scene::instance();
    NodePtr copy = scene.makeNode(from->type().name(), name.empty() ? from->name() : name);
    if (!copy) return nullptr;
    if (auto curve = AnimCurveData::of(*from)) *AnimCurveData::of(*copy) = *curve;
    if (!scene.insertNode(copy, from->isDag() ? parent : nullptr)) return nullptr;
    copies[from.get()] = copy;
    for (const auto& attribute : from->attributes()) {
        AttributePtr target = attribute;
        if (from->isDynamic(*attribute)) {
            target = copyAttribute(*attribute);
            scene.addAttribute(copy, target);
        }
        copyValues(from, copy, attribute, target);
    }
    for (const auto& child : from->children())
        if (!copyNode(child, copy, {}, copies)) return nullptr;
    return copy;
}

} // namespace

bool duplicateCommand(CommandContext& context) {
    const auto nodes = namedOrSelected(context, context.positional({{"-n", 1}, {"-name", 1}}));
    if (!nodes) return false;
    if (nodes->empty()) return context.fail("Not enough objects or values.");
    Scene& scene = Scene::instance();
    std::map<const Node*, NodePtr> copies;
    std::vector<std::string> names;
    std::vector<NodePtr> roots;
    for (std::size_t i = 0; i < nodes->size(); ++i) {
        const NodePtr& node = (*nodes)[i];
        const NodePtr parent = node->isDag() ? node->parent() : nullptr;
        NodePtr copy = copyNode(node, parent == scene.world() ? nullptr : parent,
                                i == 0 ? context.text("-n", "-name") : std::string(), copies);
        if (!copy) return context.fail("Cannot duplicate " + node->name() + ".");
        roots.push_back(copy);
    }
    for (const auto& root : roots) names.push_back(scene.partialPathName(*root));
    // Connections among the copied nodes are copied. -upstreamNodes also copies the dependency nodes
    // that drive them (anim curves) and connects the copies. -smartTransform repeats the offset of a
    // previous duplicate; each call here stands alone, so it copies in place.
    const bool upstreamToo = context.has("-un", "-upstreamNodes");
    std::map<const Node*, NodePtr> upstream;
    for (const auto& [original, copy] : std::map<const Node*, NodePtr>(copies))
        for (const Link& link : original->inputs()) {
            auto source = link.other.lock();
            if (!source) continue;
            if (auto inside = copies.find(source.get()); inside != copies.end()) {
                scene.connect(inside->second, link.otherAttribute, copy, link.attribute);
                continue;
            }
            if (!upstreamToo || source->isDag()) continue;
            NodePtr& sourceCopy = upstream[source.get()];
            if (!sourceCopy) {
                std::map<const Node*, NodePtr> ignored;
                sourceCopy = copyNode(source, nullptr, {}, ignored);
                if (!sourceCopy) return context.fail("Cannot duplicate " + source->name() + ".");
                names.push_back(sourceCopy->name());
            }
            scene.connect(sourceCopy, link.otherAttribute, copy, link.attribute);
        }
    // As in the host it stands for, the copies become the selection (undone with the command).
    const std::vector<NodePtr> before = scene.selection();
    StateChange::apply([roots] { Scene::instance().setSelection(roots); },
                       [before] { Scene::instance().setSelection(before); });
    context.result = Value::StringArray(names);
    return true;
}

} // namespace vex::host::builtins
