#include "host/scene/BuiltinNodeTypes.h"

#include "host/scene/BuiltinCompute.h"
#include "host/scene/NodeTypeRegistry.h"

namespace vex::host {

namespace {

constexpr std::uint32_t code(const char (&text)[5]) {
    return std::uint32_t(text[0]) << 24 | std::uint32_t(text[1]) << 16 | std::uint32_t(text[2]) << 8 |
           std::uint32_t(text[3]);
}

AttributePtr attribute(const char* longName, const char* shortName, AttributeKind kind, Value value = {}) {
    return std::make_shared<AttributeDefinition>(longName, shortName, kind, std::move(value));
}

AttributePtr keyable(AttributePtr a) {
    a->keyable = true;
    for (const auto& child : a->children()) child->keyable = true;
    return a;
}

AttributePtr computed(AttributePtr a) {
    a->computed = true;
    a->storable = false;
    a->writable = false;
    return a;
}

AttributePtr perInstance(AttributePtr a) {
    a->perInstance = true;
    return a;
}

AttributePtr data(const char* longName, const char* shortName, MFn::Type type) {
    auto a = attribute(longName, shortName, AttributeKind::Data);
    a->setDataType(type);
    return a;
}

AttributePtr xyz(const char* longName, const char* shortName, double value) {
    return AttributeDefinition::makeDouble3(longName, shortName, {"X", "Y", "Z"}, {"x", "y", "z"},
                                            {value, value, value});
}

AttributePtr rgb(const char* longName, const char* shortName, double value) {
    auto a = AttributeDefinition::makeDouble3(longName, shortName, {"R", "G", "B"}, {"r", "g", "b"},
                                              {value, value, value});
    a->usedAsColor = true;
    return a;
}

NodeTypePtr add(NodeTypeRegistry& registry, const char* name, const char (&id)[5], MFn::Type api,
                const NodeTypePtr& parent, std::initializer_list<AttributePtr> attributes,
                bool abstract = false) {
    auto type = std::make_shared<NodeType>(name, code(id), api, parent);
    for (const auto& a : attributes) type->addAttribute(a);
    type->setAbstract(abstract);
    registry.add(type);
    return type;
}

} // namespace

void registerBuiltinNodeTypes(NodeTypeRegistry& registry) {
    using K = AttributeKind;
    auto depend = add(registry, "dependNode", "DPND", MFn::kDependencyNode, nullptr,
                      {attribute("message", "msg", K::Message), attribute("caching", "cch", K::Bool, false),
                       attribute("nodeState", "nds", K::Int, 0)},
                      true);
    depend->addFn(MFn::kNamedObject);

    auto dag = add(
        registry, "dagNode", "DAGN", MFn::kDagNode, depend,
        {keyable(attribute("visibility", "v", K::Bool, true)),
         attribute("intermediateObject", "io", K::Bool, false), attribute("template", "tmp", K::Bool, false),
         perInstance(computed(attribute("worldMatrix", "wm", K::Matrix, identityMatrix()))),
         perInstance(computed(attribute("worldInverseMatrix", "wim", K::Matrix, identityMatrix()))),
         perInstance(computed(attribute("parentMatrix", "pm", K::Matrix, identityMatrix()))),
         perInstance(computed(attribute("parentInverseMatrix", "pim", K::Matrix, identityMatrix())))},
        true);
    dag->setCompute(computeDagMatrices);
    add(registry, "world", "WRLD", MFn::kWorld, dag, {}, true);

    auto transform = add(registry, "transform", "XFRM", MFn::kTransform, dag,
                         {keyable(xyz("translate", "t", 0.0)), keyable(xyz("rotate", "r", 0.0)),
                          keyable(xyz("scale", "s", 1.0)), attribute("rotateOrder", "ro", K::Int, 0),
                          attribute("rotationInterpolation", "roi", K::Int, 1),
                          attribute("inheritsTransform", "it", K::Bool, true),
                          computed(attribute("matrix", "m", K::Matrix, identityMatrix())),
                          computed(attribute("inverseMatrix", "im", K::Matrix, identityMatrix()))});
    transform->setCompute(computeTransformMatrices);

    auto shape = add(registry, "shape", "SHAP", MFn::kShape, dag, {}, true);
    auto camera = add(
        registry, "camera", "DCAM", MFn::kCamera, shape,
        {keyable(attribute("focalLength", "fl", K::Double, 35.0)),
         keyable(attribute("focusDistance", "fd", K::Double, 5.0)),
         attribute("horizontalFilmAperture", "hfa", K::Double, 1.41732),
         attribute("verticalFilmAperture", "vfa", K::Double, 0.94488),
         attribute("nearClipPlane", "ncp", K::Double, 0.1),
         attribute("farClipPlane", "fcp", K::Double, 10000.0), attribute("orthographic", "o", K::Bool, false),
         attribute("orthographicWidth", "ow", K::Double, 10.0), attribute("fStop", "fs", K::Double, 5.6),
         attribute("lensSqueezeRatio", "lsr", K::Double, 1.0), attribute("cameraScale", "cs", K::Double, 1.0),
         attribute("renderable", "rnd", K::Bool, true)});
    camera->setNameStem("cameraShape");
    camera->addFn(MFn::kGeometric);

    // Render flags of surfaces: every one is on in a new shape.
    auto surface = add(
        registry, "surfaceShape", "SURF", MFn::kSurface, shape,
        {attribute("castsShadows", "csh", K::Bool, true), attribute("receiveShadows", "rcsh", K::Bool, true),
         attribute("motionBlur", "mb", K::Bool, true), attribute("primaryVisibility", "vis", K::Bool, true),
         attribute("smoothShading", "smo", K::Bool, true),
         attribute("visibleInReflections", "vir", K::Bool, true),
         attribute("visibleInRefractions", "vif", K::Bool, true),
         attribute("doubleSided", "ds", K::Bool, true), attribute("opposite", "op", K::Bool, false)},
        true);
    surface->addFn(MFn::kGeometric);

    auto mesh = add(registry, "mesh", "DMSH", MFn::kMesh, surface,
                    {data("inMesh", "i", MFn::kMeshData), data("outMesh", "o", MFn::kMeshData)});
    mesh->setNameStem("polySurfaceShape");
    mesh->setGeometryAttribute("outMesh");

    auto curve = add(registry, "curveShape", "CRVS", MFn::kCurve, shape, {}, true);
    curve->addFn(MFn::kGeometric);
    auto nurbsCurve =
        add(registry, "nurbsCurve", "NCRV", MFn::kNurbsCurve, curve,
            {data("create", "cr", MFn::kNurbsCurveData), data("local", "l", MFn::kNurbsCurveData)});
    nurbsCurve->setNameStem("curveShape");
    nurbsCurve->setGeometryAttribute("local");

    auto nurbsSurface =
        add(registry, "nurbsSurface", "NSRF", MFn::kNurbsSurface, surface,
            {data("create", "cr", MFn::kNurbsSurfaceData), data("local", "l", MFn::kNurbsSurfaceData)});
    nurbsSurface->setNameStem("nurbsSurfaceShape");
    nurbsSurface->setGeometryAttribute("local");

    auto lambert = add(registry, "lambert", "RSLT", MFn::kLambert, depend,
                       {rgb("color", "c", 0.5), rgb("transparency", "it", 0.0),
                        rgb("ambientColor", "ac", 0.0), rgb("incandescence", "ic", 0.0),
                        attribute("diffuse", "dc", K::Double, 0.8), rgb("outColor", "oc", 0.0)});
    for (const auto& child : lambert->findAttribute("outColor")->children()) child->computed = true;
    lambert->findAttribute("outColor")->computed = true;
    lambert->setCompute(computeLambertOutColor);

    auto set = add(registry, "objectSet", "OBJS", MFn::kSet, depend, {});
    auto engine =
        add(registry, "shadingEngine", "SHEN", MFn::kShadingEngine, set, {rgb("surfaceShader", "ss", 0.0)});
    (void)engine;
}

} // namespace vex::host
