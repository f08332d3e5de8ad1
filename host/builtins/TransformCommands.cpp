#include "host/builtins/TransformCommands.h"

#include "host/builtins/PlugName.h"
#include "host/builtins/SelectionCommands.h"
#include "host/builtins/TransformMath.h"
#include "host/builtins/Units.h"
#include "host/scene/MatrixMath.h"
#include "host/scene/Scene.h"

#include <functional>

namespace vex::host::builtins {

namespace {

enum class Space { kWorld, kObject, kParent };

// The transforms named (a shape stands for its transform), or the selected ones when none are named.
std::optional<std::vector<NodePtr>> Transforms(CommandContext& context,
                                               const std::vector<std::string>& names) {
    auto named = NamedOrSelected(context, names);
    if (!named) return std::nullopt;
    std::vector<NodePtr> nodes = std::move(*named);
    if (nodes.empty()) return context.Fail("No object was given or selected."), std::nullopt;
    for (NodePtr& node : nodes) {
        if (node->type().IsShape() && node->parent()) node = node->parent();
        if (!node->HasFn(MFn::kTransform))
            return context.Fail(node->name() + " is not a transform."), std::nullopt;
    }
    return nodes;
}

Double3 Converted(const std::vector<double>& values, units::Kind kind, std::size_t first = 0) {
    Double3 out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = first + i < values.size() ? units::ToInternal(kind, values[first + i]) : 0.0;
    return out;
}

Double3 PointTimes(const Double3& point, const Matrix& m) {
    Double3 out{};
    for (int c = 0; c < 3; ++c)
        out[c] = point[0] * m[c] + point[1] * m[4 + c] + point[2] * m[8 + c] + m[12 + c];
    return out;
}

Double3 VectorTimes(const Double3& vector, const Matrix& m) {
    Double3 out{};
    for (int c = 0; c < 3; ++c) out[c] = vector[0] * m[c] + vector[1] * m[4 + c] + vector[2] * m[8 + c];
    return out;
}

void Translate(const NodePtr& node, const Double3& amount, Space space, bool relative) {
    TransformValues parts = LocalValues(*node);
    if (space == Space::kWorld) {
        const Matrix toParent = Inverse(ParentWorldOf(node));
        if (relative) {
            const Double3 step = VectorTimes(amount, toParent);
            for (int i = 0; i < 3; ++i) parts.translate[i] += step[i];
        } else {
            parts.translate = PointTimes(amount, toParent);
        }
    } else if (!relative) {
        parts.translate = amount;
    } else {
        // Along the object's own axes (-os) or its parent's (-ls).
        const Double3 step = space == Space::kObject
                                 ? VectorTimes(amount, RotationMatrix(parts.rotate, RotateOrderOf(*node)))
                                 : amount;
        for (int i = 0; i < 3; ++i) parts.translate[i] += step[i];
    }
    SetLocalValues(node, parts);
}

void Rotate(const NodePtr& node, const Double3& angles, Space space, bool relative) {
    TransformValues parts = LocalValues(*node);
    const int order = RotateOrderOf(*node);
    const Matrix given = RotationMatrix(angles, order);
    Matrix local = given;
    if (space == Space::kWorld) {
        const TransformValues parent = Decompose(ParentWorldOf(node), 0);
        const Matrix parentRotation = RotationMatrix(parent.rotate, 0);
        const Matrix world =
            relative ? Multiply(Multiply(RotationMatrix(parts.rotate, order), parentRotation), given) : given;
        local = Multiply(world, Inverse(parentRotation));
    } else if (relative) {
        local = Multiply(given, RotationMatrix(parts.rotate, order));
    }
    parts.rotate = Decompose(local, order).rotate;
    SetLocalValues(node, parts);
}

void Scale(const NodePtr& node, const Double3& factors, bool relative) {
    TransformValues parts = LocalValues(*node);
    for (int i = 0; i < 3; ++i) parts.scale[i] = relative ? parts.scale[i] * factors[i] : factors[i];
    SetLocalValues(node, parts);
}

Space SpaceOf(const CommandContext& context, Space fallback) {
    if (context.Has("-ws", "-worldSpace")) return Space::kWorld;
    if (context.Has("-os", "-objectSpace")) return Space::kObject;
    if (context.Has("-ls", "-localSpace")) return Space::kParent;
    return fallback;
}

// Reads the three leading values (in the scene's units of `kind`) and the transforms after them, and
// hands each transform to `apply` with the values and whether -r was given.
bool ForEachTarget(CommandContext& context, units::Kind kind,
                   const std::function<void(const NodePtr&, const Double3&, bool)>& apply) {
    const auto words = context.Objects();
    if (words.size() < 3) return context.Fail("Three values are needed: x y z.");
    std::vector<double> values;
    for (std::size_t i = 0; i < 3; ++i) values.push_back(command::Value::String(words[i]).AsDouble());
    const auto nodes = Transforms(context, {words.begin() + 3, words.end()});
    if (!nodes) return false;
    const Double3 amount = Converted(values, kind);
    for (const auto& node : *nodes) apply(node, amount, context.Has("-r", "-relative"));
    return true;
}

std::vector<double> ToUi(const Double3& values, units::Kind kind) {
    return {units::ToUi(kind, values[0]), units::ToUi(kind, values[1]), units::ToUi(kind, values[2])};
}

std::vector<double> MatrixValues(const Matrix& m) {
    std::vector<double> values(m.begin(), m.end());
    for (int i = 12; i < 15; ++i) values[i] = units::ToUi(units::Kind::kLinear, values[i]);
    return values;
}

bool QueryXform(CommandContext& context, const std::vector<NodePtr>& nodes) {
    const bool world = SpaceOf(context, Space::kObject) == Space::kWorld;
    if (context.Has("-roo", "-rotateOrder")) {
        std::vector<std::string> names;
        for (const auto& node : nodes) names.push_back(RotateOrderName(RotateOrderOf(*node)));
        context.result =
            names.size() == 1 ? command::Value::String(names[0]) : command::Value::StringArray(names);
        return true;
    }
    std::vector<double> out;
    for (const auto& node : nodes) {
        const TransformValues local = LocalValues(*node);
        const Matrix worldMatrix = WorldMatrixOf(node);
        const TransformValues parts = world ? Decompose(worldMatrix, RotateOrderOf(*node)) : local;
        std::vector<double> values;
        if (context.Has("-t", "-translation")) {
            values = ToUi(parts.translate, units::Kind::kLinear);
        } else if (context.Has("-ro", "-rotation")) {
            values = ToUi(parts.rotate, units::Kind::kAngular);
        } else if (context.Has("-s", "-scale")) {
            values = {parts.scale.begin(), parts.scale.end()};
        } else if (context.Has("-m", "-matrix")) {
            values = MatrixValues(
                world ? worldMatrix
                      : ComposeTransform(local.translate, local.rotate, local.scale, RotateOrderOf(*node)));
        } else if (context.Has("-piv", "-pivots")) {
            // The rotate and scale pivots, both at the object's origin.
            const Double3 origin =
                world ? Double3{worldMatrix[12], worldMatrix[13], worldMatrix[14]} : Double3{};
            values = ToUi(origin, units::Kind::kLinear);
            values.insert(values.end(), values.begin(), values.end());
        } else {
            return context.Fail("xform -q needs one of -t, -ro, -s, -m, -piv or -roo.");
        }
        out.insert(out.end(), values.begin(), values.end());
    }
    context.result = command::Value::FloatArray(out);
    return true;
}

} // namespace

bool XformCommand(CommandContext& context) {
    const auto nodes = Transforms(context, context.Objects());
    if (!nodes) return false;
    if (context.IsQuery()) return QueryXform(context, *nodes);
    if (context.Has("-piv", "-pivots"))
        return context.Fail("Pivots stay at the object's origin in this host.");
    std::optional<int> order;
    if (context.Has("-roo", "-rotateOrder")) {
        order = RotateOrderIndex(context.text("-roo", "-rotateOrder"));
        if (!order) return context.Fail("Invalid rotate order: " + context.text("-roo", "-rotateOrder"));
    }
    const Space space = SpaceOf(context, Space::kObject);
    const bool relative = context.Has("-r", "-relative");
    Scene& scene = Scene::Instance();
    for (const auto& node : *nodes) {
        if (order) scene.setValue(node, node->FindAttribute("rotateOrder"), *order);
        if (context.Has("-m", "-matrix")) {
            Matrix m{};
            const auto values = context.Numbers("-m", "-matrix", 16);
            std::copy(values.begin(), values.end(), m.begin());
            for (int i = 12; i < 15; ++i) m[i] = units::ToInternal(units::Kind::kLinear, m[i]);
            SetLocalMatrix(node, space == Space::kWorld ? Multiply(m, Inverse(ParentWorldOf(node))) : m);
        }
        if (context.Has("-s", "-scale"))
            Scale(node, Converted(context.Numbers("-s", "-scale", 3), units::Kind::kNone), relative);
        if (context.Has("-ro", "-rotation"))
            Rotate(node, Converted(context.Numbers("-ro", "-rotation", 3), units::Kind::kAngular), space,
                   relative);
        if (context.Has("-t", "-translation"))
            Translate(node, Converted(context.Numbers("-t", "-translation", 3), units::Kind::kLinear), space,
                      relative);
    }
    return true;
}

bool MoveCommand(CommandContext& context) {
    return ForEachTarget(context, units::Kind::kLinear,
                         [&](const NodePtr& node, const Double3& amount, bool relative) {
                             Translate(node, amount, SpaceOf(context, Space::kWorld), relative);
                         });
}

bool RotateCommand(CommandContext& context) {
    return ForEachTarget(context, units::Kind::kAngular,
                         [&](const NodePtr& node, const Double3& angles, bool relative) {
                             Rotate(node, angles, SpaceOf(context, Space::kObject), relative);
                         });
}

bool ScaleCommand(CommandContext& context) {
    return ForEachTarget(context, units::Kind::kNone, &Scale);
}

} // namespace vex::host::builtins
