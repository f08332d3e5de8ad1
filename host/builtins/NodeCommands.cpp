#include "host/builtins/NodeCommands.h"

#include "host/builtins/PlugName.h"
#include "host/builtins/SelectionCommands.h"
#include "host/builtins/SessionState.h"
#include "host/builtins/StateChange.h"
#include "host/builtins/TransformMath.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/MatrixMath.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/OpaqueNodeTypes.h"
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

} // namespace

bool CreateNodeCommand(CommandContext& context) {
    const auto words = context.Positional(kNameParent);
    if (words.empty()) return context.Fail("No node type was given.");
    Scene& scene = Scene::Instance();
    NodePtr parent;
    if (context.Has("-p", "-parent")) {
        parent = RequireNode(context, context.text("-p", "-parent"));
        if (!parent) return false;
    }
    const std::string name = context.text("-n", "-name");
    const bool shared = context.Has("-s", "-shared");
    // A shared node the scene has already is the one the following lines are about.
    if (NodePtr existing = shared ? scene.findNode(name) : nullptr;
        existing && existing->type().name() == words[0]) {
        SessionState::get().SetCurrentNode(existing);
        ChangeSelection({existing});
        context.result = Value::String(existing->name());
        return true;
    }
    NodePtr node = scene.MakeNode(words[0], name);
    if (!node && OpaqueNodeTypes::Allowed())
        node = OpaqueNodeTypes::MakeNode(words[0], name, parent != nullptr);
    if (!node) return context.Fail("Unknown object type: " + words[0]);
    if (shared) SessionState::get().KeptFor(*node).shared = true;
    if (node->type().IsShape() && !parent) {
        parent = scene.MakeNode("transform");
        scene.InsertNode(parent);
    }
    if (!scene.InsertNode(node, parent))
        return context.Fail("A " + words[0] + " cannot be created under " +
                            (parent ? parent->name() : "the world") + ".");
    SessionState::get().SetCurrentNode(node);
    if (!context.Has("-ss", "-skipSelect")) ChangeSelection({node});
    context.result = Value::String(node->name());
    return true;
}

bool RenameCommand(CommandContext& context) {
    const auto words = context.Positional({});
    if (words.empty() || words.size() > 2) return context.Fail("Usage: rename [object] newName");
    NodePtr node;
    if (words.size() == 2) {
        node = RequireNode(context, words[0]);
    } else {
        const auto selected = Scene::Instance().Selection();
        if (selected.empty()) return context.Fail("No object was given or selected.");
        node = selected.front();
    }
    if (!node) return false;
    const std::string name = Scene::Instance().renameNode(node, words.back());
    if (name.empty()) return context.Fail("Cannot rename " + node->name() + " to " + words.back() + ".");
    context.result = Value::String(name);
    return true;
}

bool DeleteCommand(CommandContext& context) {
    const auto nodes = NamedOrSelected(context, context.Positional({}));
    if (!nodes) return false;
    if (nodes->empty()) return context.Fail("Not enough objects or values.");
    // Everything that goes: the nodes and all below them.
    std::set<const Node*> going;
    std::vector<NodePtr> pending(nodes->begin(), nodes->end());
    while (!pending.empty()) {
        NodePtr node = pending.back();
        pending.pop_back();
        if (!going.insert(node.get()).second) continue;
        for (const auto& child : node->Children()) pending.push_back(child);
    }
    // Anim curves that only drive attributes of deleted nodes go with them.
    std::vector<NodePtr> curves;
    for (const Node* node : going)
        for (const Link& link : node->Inputs()) {
            auto source = link.other.lock();
            if (!source || !source->HasFn(MFn::kAnimCurve) || going.count(source.get())) continue;
            const bool onlyHere =
                std::all_of(source->Outputs().begin(), source->Outputs().end(), [&](const Link& out) {
                    auto target = out.other.lock();
                    return !target || going.count(target.get());
                });
            if (onlyHere && std::find(curves.begin(), curves.end(), source) == curves.end())
                curves.push_back(source);
        }
    Scene& scene = Scene::Instance();
    for (const auto& node : *nodes)
        if (node->IsAlive() && !scene.deleteNode(node))
            return context.Fail("Cannot delete " + node->name() + ".");
    for (const auto& curve : curves)
        if (curve->IsAlive()) scene.deleteNode(curve);
    return true;
}

bool ParentCommand(CommandContext& context) {
    const auto words = context.Positional({});
    const bool toWorld = context.Has("-w", "-world");
    const auto listed = NamedOrSelected(context, words);
    if (!listed) return false;
    std::vector<NodePtr> children = *listed;
    Scene& scene = Scene::Instance();
    NodePtr parent = scene.World();
    if (!toWorld) {
        if (children.size() < 2) return context.Fail("Not enough objects or values.");
        parent = children.back();
        children.pop_back();
        if (!parent->HasFn(MFn::kTransform)) return context.Fail(parent->name() + " is not a transform.");
    }
    const bool relative = context.Has("-r", "-relative");
    const bool shapes = context.Has("-s", "-shape");
    std::vector<std::string> moved;
    for (const auto& child : children) {
        if (!child->IsDag()) return context.Fail(child->name() + " is not a DAG object.");
        if (child->type().IsShape() && !shapes)
            return context.Fail(child->name() + " is a shape; use -shape to parent it.");
        if (child->parent() == parent) continue; // already there: nothing to do
        const Matrix world = WorldMatrixOf(child);
        if (!scene.ReparentNode(child, parent == scene.World() ? nullptr : parent))
            return context.Fail("Cannot parent " + child->name() + " under " + parent->name() + ".");
        if (!relative && child->HasFn(MFn::kTransform)) {
            // Keep the world placement: the new local matrix is the world one seen from the new parent.
            const Matrix local = Multiply(world, Inverse(WorldMatrixOf(parent)));
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
AttributePtr CopyAttribute(const AttributeDefinition& from) {
    AttributePtr copy;
    if (!from.Children().empty()) {
        std::vector<AttributePtr> children;
        for (const auto& child : from.Children()) children.push_back(CopyAttribute(*child));
        copy = AttributeDefinition::MakeCompound(from.LongName(), from.ShortName(), children);
    } else {
        copy = std::make_shared<AttributeDefinition>(from.LongName(), from.ShortName(), from.kind(),
                                                     from.DefaultValue());
        copy->SetDataType(from.DataType());
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
void CopyValues(const NodePtr& from, const NodePtr& to, const AttributePtr& source,
                const AttributePtr& target) {
    if (!source->Children().empty()) {
        for (std::size_t i = 0; i < source->Children().size(); ++i)
            CopyValues(from, to, source->Children()[i], target->Children()[i]);
        return;
    }
    if (source->computed || !source->writable) return;
    const host::Value value = from->StoredValue(*source);
    if (!(value == source->DefaultValue())) Scene::Instance().setValue(to, target, value);
}

// Makes a copy of a node (and, for DAG nodes, of everything below it) under the parent; records every
// original -> copy pair.
NodePtr CopyNode(const NodePtr& from, const NodePtr& parent, const std::string& name,
                 std::map<const Node*, NodePtr>& copies) {
    Scene& scene = Scene::Instance();
    NodePtr copy = scene.MakeNode(from->type().name(), name.empty() ? from->name() : name);
    if (!copy) return nullptr;
    if (auto curve = AnimCurveData::Of(*from)) *AnimCurveData::Of(*copy) = *curve;
    if (!scene.InsertNode(copy, from->IsDag() ? parent : nullptr)) return nullptr;
    copies[from.get()] = copy;
    for (const auto& attribute : from->Attributes()) {
        AttributePtr target = attribute;
        if (from->IsDynamic(*attribute)) {
            target = CopyAttribute(*attribute);
            scene.AddAttribute(copy, target);
        }
        CopyValues(from, copy, attribute, target);
    }
    for (const auto& child : from->Children())
        if (!CopyNode(child, copy, {}, copies)) return nullptr;
    return copy;
}

} // namespace

bool DuplicateCommand(CommandContext& context) {
    const auto nodes = NamedOrSelected(context, context.Positional({{"-n", 1}, {"-name", 1}}));
    if (!nodes) return false;
    if (nodes->empty()) return context.Fail("Not enough objects or values.");
    Scene& scene = Scene::Instance();
    std::map<const Node*, NodePtr> copies;
    std::vector<std::string> names;
    std::vector<NodePtr> roots;
    for (std::size_t i = 0; i < nodes->size(); ++i) {
        const NodePtr& node = (*nodes)[i];
        const NodePtr parent = node->IsDag() ? node->parent() : nullptr;
        NodePtr copy = CopyNode(node, parent == scene.World() ? nullptr : parent,
                                i == 0 ? context.text("-n", "-name") : std::string(), copies);
        if (!copy) return context.Fail("Cannot duplicate " + node->name() + ".");
        roots.push_back(copy);
    }
    for (const auto& root : roots) names.push_back(scene.partialPathName(*root));
    // Connections among the copied nodes are copied. -upstreamNodes also copies the dependency nodes
    // that drive them (anim curves) and connects the copies. -smartTransform repeats the offset of a
    // previous duplicate; each call here stands alone, so it copies in place.
    const bool upstreamToo = context.Has("-un", "-upstreamNodes");
    std::map<const Node*, NodePtr> upstream;
    for (const auto& [original, copy] : std::map<const Node*, NodePtr>(copies))
        for (const Link& link : original->Inputs()) {
            auto source = link.other.lock();
            if (!source) continue;
            if (auto inside = copies.find(source.get()); inside != copies.end()) {
                scene.connect(inside->second, link.otherAttribute, copy, link.attribute);
                continue;
            }
            if (!upstreamToo || source->IsDag()) continue;
            NodePtr& sourceCopy = upstream[source.get()];
            if (!sourceCopy) {
                std::map<const Node*, NodePtr> ignored;
                sourceCopy = CopyNode(source, nullptr, {}, ignored);
                if (!sourceCopy) return context.Fail("Cannot duplicate " + source->name() + ".");
                names.push_back(sourceCopy->name());
            }
            scene.connect(sourceCopy, link.otherAttribute, copy, link.attribute);
        }
    // As in the host it stands for, the copies become the selection (undone with the command).
    const std::vector<NodePtr> before = scene.Selection();
    StateChange::Apply([roots] { Scene::Instance().SetSelection(roots); },
                       [before] { Scene::Instance().SetSelection(before); });
    context.result = Value::StringArray(names);
    return true;
}

} // namespace vex::host::builtins
