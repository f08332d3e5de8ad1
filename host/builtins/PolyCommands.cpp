#include "host/builtins/PolyCommands.h"

#include "host/builtins/PlugName.h"
#include "host/scene/MeshData.h"
#include "host/scene/Scene.h"

namespace vex::host::builtins {

namespace {

// The mesh shape a target names: "shape", "transform" (its first mesh shape) or either with a
// component list ("shape.f[0:5]"); the whole mesh is worked on.
NodePtr MeshNamed(CommandContext& context, const std::vector<std::string>& words) {
    if (words.empty()) return context.Fail("No mesh was given."), nullptr;
    const std::string& target = words[0];
    const auto plug = PlugName::Parse(target);
    NodePtr node = RequireNode(context, plug ? plug->node : target);
    if (!node) return nullptr;
    if (!node->HasFn(MFn::kMesh))
        for (const auto& child : node->Children())
            if (child->HasFn(MFn::kMesh)) {
                node = child;
                break;
            }
    if (!node->HasFn(MFn::kMesh)) return context.Fail(target + " is not a mesh."), nullptr;
    return node;
}

const std::vector<std::pair<std::string, int>> kPolyFlags = {
    {"-a", 1}, {"-angle", 1}, {"-ch", 1}, {"-constructionHistory", 1}};

} // namespace

bool PolySoftEdgeCommand(CommandContext& context) {
    const double angle = context.Number("-a", "-angle", 30.0);
    if (angle < 0.0 || angle > 180.0) return context.Fail("The angle must lie between 0 and 180 degrees.");
    if (!MeshNamed(context, context.Positional(kPolyFlags))) return false;
    context.result = command::Value::StringArray();
    return true;
}

bool PolyTriangulateCommand(CommandContext& context) {
    const NodePtr node = MeshNamed(context, context.Positional(kPolyFlags));
    if (!node) return false;
    // No history node is made: the mesh's data itself becomes triangles, with or without -ch.
    const auto attribute = node->FindAttribute(node->type().GeometryAttribute());
    const host::Value value = node->StoredValue(*attribute);
    const auto* data = std::get_if<DataPtr>(&value);
    const auto mesh = data ? std::dynamic_pointer_cast<const MeshData>(*data) : nullptr;
    if (!mesh) return context.Fail(node->name() + " has no polygons.");
    if (!Scene::Instance().setValue(node, attribute, DataPtr(mesh->Triangulated())))
        return context.Fail("Cannot store the triangles of " + node->name() + ".");
    context.result = command::Value::StringArray();
    return true;
}

} // namespace vex::host::builtins
