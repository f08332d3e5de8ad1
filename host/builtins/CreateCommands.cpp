#include "host/builtins/CreateCommands.h"

#include "host/builtins/PlugName.h"
#include "host/builtins/PrimitiveMeshes.h"
#include "host/builtins/SelectionCommands.h"
#include "host/builtins/TransformMath.h"
#include "host/builtins/Units.h"
#include "host/scene/MatrixMath.h"
#include "host/scene/Scene.h"

#include <cctype>

namespace vex::host::builtins {

using command::Value;

namespace {

// The shape's name for a transform's: "pCube1" gives "pCubeShape1", "box" gives "boxShape".
std::string ShapeName(const std::string& transform) {
    std::size_t digits = transform.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(transform[digits - 1]))) --digits;
    return transform.substr(0, digits) + "Shape" + transform.substr(digits);
}

// A new transform of that name (or `stem` + "1") with a new shape of `shapeType` under it.
std::pair<NodePtr, NodePtr> TransformWithShape(CommandContext& context, const char* stem,
                                               const char* shapeType) {
    Scene& scene = Scene::Instance();
    const std::string wanted = context.text("-n", "-name", std::string(stem) + "1");
    NodePtr transform = scene.MakeNode("transform", wanted);
    scene.InsertNode(transform);
    NodePtr shape = scene.MakeNode(shapeType, ShapeName(transform->name()));
    scene.InsertNode(shape, transform);
    return {transform, shape};
}

double Length(const CommandContext& context, const char* shortName, const char* longName, double fallback) {
    return context.Has(shortName, longName)
               ? units::ToInternal(units::Kind::kLinear, context.Number(shortName, longName, 0.0))
               : fallback;
}

// Makes the mesh's transform, shape and (with history) its creator node, whose output feeds the
// shape; the shape holds the mesh it made.
bool MakePrimitive(CommandContext& context, const char* stem, const char* creatorType,
                   const std::vector<std::pair<const char*, double>>& settings) {
    for (const auto& [name, value] : settings)
        if (value <= 0.0) return context.Fail(std::string("The ") + name + " must be positive.");
    Scene& scene = Scene::Instance();
    NodePtr creator = scene.MakeNode(creatorType);
    scene.InsertNode(creator);
    for (const auto& [name, value] : settings) {
        const AttributePtr attribute = creator->FindAttribute(name);
        scene.setValue(creator, attribute,
                       attribute->kind() == AttributeKind::kInt ? host::Value(static_cast<int>(value))
                                                                : host::Value(value));
    }
    const auto [transform, shape] = TransformWithShape(context, stem, "mesh");
    scene.setValue(shape, shape->FindAttribute("outMesh"),
                   scene.evaluate(*creator, *creator->FindAttribute("output")));
    std::vector<std::string> names{transform->name()};
    if (context.flag("-ch", "-constructionHistory", true)) {
        scene.connect(creator, creator->FindAttribute("output"), shape, shape->FindAttribute("inMesh"));
        names.push_back(creator->name());
    } else {
        scene.deleteNode(creator);
    }
    ChangeSelection({transform});
    context.result = Value::StringArray(names);
    return true;
}

} // namespace

bool SpaceLocatorCommand(CommandContext& context) {
    const auto [transform, shape] = TransformWithShape(context, "locator", "locator");
    if (context.Has("-p", "-position")) {
        const auto values = context.Numbers("-p", "-position", 3);
        Double3 position{};
        for (int i = 0; i < 3; ++i) position[i] = units::ToInternal(units::Kind::kLinear, values[i]);
        Scene::Instance().setValue(shape, shape->FindAttribute("localPosition"), position);
    }
    ChangeSelection({transform});
    context.result = Value::StringArray({transform->name()});
    return true;
}

bool GroupCommand(CommandContext& context) {
    Scene& scene = Scene::Instance();
    std::vector<NodePtr> members;
    if (!context.Has("-em", "-empty")) {
        auto named = NamedOrSelected(context, context.Objects());
        if (!named) return false;
        members = std::move(*named);
        if (members.empty()) return context.Fail("No object was given or selected to group.");
        for (const auto& member : members)
            if (!member->IsDag() || member->type().IsShape())
                return context.Fail(member->name() + " is not a transform that can be grouped.");
    }
    NodePtr parent;
    if (context.Has("-p", "-parent")) {
        parent = RequireNode(context, context.text("-p", "-parent"));
        if (!parent) return false;
        if (!parent->HasFn(MFn::kTransform)) return context.Fail(parent->name() + " is not a transform.");
    } else if (!context.Has("-w", "-world") && !members.empty() &&
               members.front()->parent() != scene.World()) {
        parent = members.front()->parent();
    }
    NodePtr group = scene.MakeNode("transform", context.text("-n", "-name", "group1"));
    if (!scene.InsertNode(group, parent))
        return context.Fail("Cannot make the group under " + parent->name() + ".");
    const Matrix toGroup = Inverse(WorldMatrixOf(group));
    for (const auto& member : members) {
        const Matrix world = WorldMatrixOf(member);
        if (!scene.ReparentNode(member, group))
            return context.Fail("Cannot move " + member->name() + " into " + group->name() + ".");
        if (member->HasFn(MFn::kTransform)) SetLocalMatrix(member, Multiply(world, toGroup));
    }
    ChangeSelection({group});
    context.result = Value::String(group->name());
    return true;
}

bool PolyCubeCommand(CommandContext& context) {
    return MakePrimitive(context, "pCube", "polyCube",
                         {{"width", Length(context, "-w", "-width", 1.0)},
                          {"height", Length(context, "-h", "-height", 1.0)},
                          {"depth", Length(context, "-d", "-depth", 1.0)},
                          {"subdivisionsWidth", context.Number("-sx", "-subdivisionsX", 1.0)},
                          {"subdivisionsHeight", context.Number("-sy", "-subdivisionsY", 1.0)},
                          {"subdivisionsDepth", context.Number("-sz", "-subdivisionsZ", 1.0)}});
}

bool PolyPlaneCommand(CommandContext& context) {
    return MakePrimitive(context, "pPlane", "polyPlane",
                         {{"width", Length(context, "-w", "-width", 1.0)},
                          {"height", Length(context, "-h", "-height", 1.0)},
                          {"subdivisionsWidth", context.Number("-sx", "-subdivisionsX", 10.0)},
                          {"subdivisionsHeight", context.Number("-sy", "-subdivisionsY", 10.0)}});
}

} // namespace vex::host::builtins
