#include "host/builtins/HierarchyCommands.h"

#include "host/builtins/PlugName.h"
#include "host/builtins/SelectionCommands.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"

#include <maya/MObject.h>

#include <algorithm>

namespace vex::host::builtins {

using command::Value;

bool ObjExistsCommand(CommandContext& context) {
    const auto words = context.Objects();
    if (words.size() != 1) return context.Fail("Usage: objExists name");
    bool exists = !NodesMatching(words[0]).empty();
    if (!exists)
        if (const auto plug = PlugName::Parse(words[0])) {
            const auto nodes = NodesMatching(plug->node);
            exists = !nodes.empty() && nodes.front()->FindAttribute(plug->attribute);
        }
    context.result = Value::Int(exists ? 1 : 0);
    return true;
}

bool NodeTypeCommand(CommandContext& context) {
    const auto words = context.Objects();
    if (words.size() != 1) return context.Fail("Usage: nodeType name");
    const NodePtr node = RequireNode(context, words[0]);
    if (!node) return false;
    if (context.Has("-api", "-apiType")) {
        context.result = Value::String(ObjectAccess::wrap(node).apiTypeStr());
    } else if (context.Has("-i", "-inherited")) {
        std::vector<std::string> names;
        for (const NodeType* type = &node->type(); type; type = type->parent().get())
            if (type->name() != "dependNode") names.push_back(type->name());
        std::reverse(names.begin(), names.end());
        context.result = Value::StringArray(names);
    } else {
        context.result = Value::String(node->type().name());
    }
    return true;
}

namespace {

// Whether a relative passes the -s, -ni and -type filters.
bool Passes(const CommandContext& context, const Node& node) {
    if (context.Has("-s", "-shapes") && !node.type().IsShape()) return false;
    if (context.Has("-ni", "-noIntermediate")) {
        const auto attribute = node.FindAttribute("intermediateObject");
        if (attribute && ToBool(Scene::Instance().evaluate(node, *attribute))) return false;
    }
    bool typed = false, typeMatches = false;
    for (std::size_t i = 0; i + 1 < context.call.args.size(); ++i) {
        const auto& arg = context.call.args[i];
        if (!arg.isFlag || (arg.value.AsString() != "-type" && arg.value.AsString() != "-typ")) continue;
        typed = true;
        const std::string wanted = context.call.args[i + 1].value.AsString();
        for (const NodeType* type = &node.type(); type; type = type->parent().get())
            if (type->name() == wanted) typeMatches = true;
    }
    return !typed || typeMatches;
}

void AddDescendants(const NodePtr& node, std::vector<NodePtr>& out) {
    for (const auto& child : node->Children()) {
        AddDescendants(child, out);
        out.push_back(child);
    }
}

} // namespace

bool ListRelativesCommand(CommandContext& context) {
    const auto nodes = NamedOrSelected(context, context.Objects());
    if (!nodes) return false;
    Scene& scene = Scene::Instance();
    std::vector<NodePtr> relatives;
    for (const auto& node : *nodes) {
        if (context.Has("-p", "-parent") || context.Has("-ap", "-allParents")) {
            const NodePtr parent = node->parent();
            if (parent && parent != scene.World()) relatives.push_back(parent);
        } else if (context.Has("-ad", "-allDescendents")) {
            AddDescendants(node, relatives); // deepest first, as the host lists them
        } else {
            relatives.insert(relatives.end(), node->Children().begin(), node->Children().end());
        }
    }
    std::vector<std::string> names;
    for (const auto& relative : relatives) {
        if (!Passes(context, *relative)) continue;
        const std::string name =
            context.Has("-f", "-fullPath") ? relative->FullPathName() : scene.partialPathName(*relative);
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    context.result = Value::StringArray(names);
    return true;
}

} // namespace vex::host::builtins
