#include "host/builtins/PolyCommands.h"

#include "host/builtins/PlugName.h"
#include "host/scene/MeshData.h"
#include "host/scene/Scene.h"

namespace vex::host::builtins {

namespace {

// The mesh shape a target names: "shape", "transform" (its first mesh shape) or either with a
// component list ("shape.f[0:5]"); the whole mesh is worked on.
NodePtr meshNamed(CommandContext& context, const std::vector<std::string>& words) {
    if (words.empty()) return context.fail("No mesh was given."), nullptr;
    const std::string& target = words[0];
    const auto plug = PlugName::parse(target);
    NodePtr node = requireNode(context, plug ? plug->node : target);
    if (!node) return nullptr;
    if (!node->hasFn(MFn::kMesh))
        for (const auto& child : node->children())
            if (child->hasFn(MFn::kMesh)) {
                node = child;
                break;
            }
    if (!node->hasFn(MFn::kMesh)) return context.fail(target + " is not a mesh."), nullptr;
    return node;
}

const std::vector<std::pair<std::string, int>> kPolyFlags = {
    {"-a", 1}, {"-angle", 1}, {"-ch", 1}, {"-constructionHistory", 1}};

} // namespace

bool polySoftEdgeCommand(CommandContext& context) {
    const double angle = context.number("-a", "-angle", 30.0);
    if (angle < 0.0 || angle > 180.0) return context.fail("The angle must lie between 0 and 180 degrees.");
    if (!meshNamed(context, context.positional(kPolyFlags))) return false;
    context.result = command::Value::StringArray();
    return true;
}

bool polyTriangulateCommand(CommandContext& context) {
    const NodePtr node = meshNamed(context, context.positional(kPolyFlags));
    if (!node) return false;
    // No history node is made: the mesh's data itself becomes triangles, with or without -ch.
    const auto attribute = node->findAttribute(node->type().geometryAttribute());
    const host::Value value = node->storedValue(*attribute);
    const auto* data = std::get_if<DataPtr>(&value);
    const auto mesh = data ? std::dynamic_pointer_cast<const MeshData>(*data) : nullptr;
    if (!mesh) return context.fail(node->name() + " has no polygons.");
    if (!Scene::instance().setValue(node, attribute, DataPtr(mesh->triangulated())))
        return context.fail("Cannot store the triangles of " + node->name() + ".");
    context.result = command::Value::StringArray();
    return true;
}

} // namespace vex::host::builtins
