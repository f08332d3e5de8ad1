#include "host/scene/BuiltinCompute.h"

#include "host/scene/MatrixMath.h"
#include "host/scene/Node.h"
#include "host/scene/Scene.h"

namespace vex::host {

namespace {

Value read(const Scene& scene, const Node& node, const char* name, double time) {
    auto attribute = node.findAttribute(name);
    return attribute ? scene.evaluate(node, *attribute, time) : Value{};
}

Matrix readMatrix(const Scene& scene, const Node& node, const char* name, double time) {
    auto value = read(scene, node, name, time);
    auto* matrix = std::get_if<Matrix>(&value);
    return matrix ? *matrix : identityMatrix();
}

Matrix parentWorld(const Scene& scene, const Node& node, double time) {
    auto parent = node.parent();
    if (!parent || parent->hasFn(MFn::kWorld)) return identityMatrix();
    return readMatrix(scene, *parent, "worldMatrix", time);
}

} // namespace

bool computeDagMatrices(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                        double time, Value& out) {
    const auto& name = attribute.longName();
    if (name == "parentMatrix" || name == "parentInverseMatrix") {
        auto matrix = parentWorld(scene, node, time);
        out = name == "parentMatrix" ? matrix : inverse(matrix);
        return true;
    }
    if (name != "worldMatrix" && name != "worldInverseMatrix") return false;
    auto local = node.findAttribute("matrix") ? readMatrix(scene, node, "matrix", time) : identityMatrix();
    auto inherits = read(scene, node, "inheritsTransform", time);
    auto world = std::holds_alternative<bool>(inherits) && !std::get<bool>(inherits)
                     ? local
                     : multiply(local, parentWorld(scene, node, time));
    out = name == "worldMatrix" ? world : inverse(world);
    return true;
}

bool computeTransformMatrices(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                              double time, Value& out) {
    const auto& name = attribute.longName();
    if (name != "matrix" && name != "inverseMatrix") return false;
    auto triple = [&](const char* n) {
        auto value = read(scene, node, n, time);
        auto* d = std::get_if<Double3>(&value);
        return d ? *d : Double3{};
    };
    auto matrix = composeTransform(triple("translate"), triple("rotate"), triple("scale"),
                                   toInt(read(scene, node, "rotateOrder", time)));
    out = name == "matrix" ? matrix : inverse(matrix);
    return true;
}

bool computeLambertOutColor(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                            double time, Value& out) {
    const AttributeDefinition* top = attribute.parent() ? attribute.parent() : &attribute;
    if (top->longName() != "outColor") return false;
    auto colour = read(scene, node, "color", time);
    const double diffuse = toDouble(read(scene, node, "diffuse", time));
    Double3 result = std::get<Double3>(colour);
    for (auto& c : result) c *= diffuse;
    if (attribute.parent())
        out = result[attribute.childIndex()];
    else
        out = result;
    return true;
}

} // namespace vex::host
