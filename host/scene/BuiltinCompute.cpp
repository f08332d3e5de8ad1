#include "host/scene/BuiltinCompute.h"

#include "host/scene/MatrixMath.h"
#include "host/scene/Node.h"
#include "host/scene/Scene.h"

namespace vex::host {

namespace {

Value Read(const Scene& scene, const Node& node, const char* name, double time) {
    auto attribute = node.FindAttribute(name);
    return attribute ? scene.evaluate(node, *attribute, time) : Value{};
}

Matrix ReadMatrix(const Scene& scene, const Node& node, const char* name, double time) {
    auto value = Read(scene, node, name, time);
    auto* matrix = std::get_if<Matrix>(&value);
    return matrix ? *matrix : IdentityMatrix();
}

Matrix ParentWorld(const Scene& scene, const Node& node, double time) {
    auto parent = node.parent();
    if (!parent || parent->HasFn(MFn::kWorld)) return IdentityMatrix();
    return ReadMatrix(scene, *parent, "worldMatrix", time);
}

} // namespace

bool ComputeDagMatrices(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                        double time, Value& out) {
    const auto& name = attribute.LongName();
    if (name == "parentMatrix" || name == "parentInverseMatrix") {
        auto matrix = ParentWorld(scene, node, time);
        out = name == "parentMatrix" ? matrix : Inverse(matrix);
        return true;
    }
    if (name != "worldMatrix" && name != "worldInverseMatrix") return false;
    auto local = node.FindAttribute("matrix") ? ReadMatrix(scene, node, "matrix", time) : IdentityMatrix();
    auto inherits = Read(scene, node, "inheritsTransform", time);
    auto world = std::holds_alternative<bool>(inherits) && !std::get<bool>(inherits)
                     ? local
                     : Multiply(local, ParentWorld(scene, node, time));
    out = name == "worldMatrix" ? world : Inverse(world);
    return true;
}

bool ComputeTransformMatrices(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                              double time, Value& out) {
    const auto& name = attribute.LongName();
    if (name != "matrix" && name != "inverseMatrix") return false;
    auto triple = [&](const char* n) {
        auto value = Read(scene, node, n, time);
        auto* d = std::get_if<Double3>(&value);
        return d ? *d : Double3{};
    };
    auto matrix = ComposeTransform(triple("translate"), triple("rotate"), triple("scale"),
                                   ToInt(Read(scene, node, "rotateOrder", time)));
    out = name == "matrix" ? matrix : Inverse(matrix);
    return true;
}

bool ComputeLambertOutColor(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                            double time, Value& out) {
    const AttributeDefinition* top = attribute.parent() ? attribute.parent() : &attribute;
    if (top->LongName() != "outColor") return false;
    auto colour = Read(scene, node, "color", time);
    const double diffuse = ToDouble(Read(scene, node, "diffuse", time));
    Double3 result = std::get<Double3>(colour);
    for (auto& c : result) c *= diffuse;
    if (attribute.parent())
        out = result[attribute.ChildIndex()];
    else
        out = result;
    return true;
}

} // namespace vex::host
