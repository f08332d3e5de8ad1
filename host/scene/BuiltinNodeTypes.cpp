#include "host/scene/BuiltinNodeTypes.h"

#include "host/scene/BuiltinCompute.h"
#include "host/scene/NodeTypeRegistry.h"

namespace vex::host {

namespace {

constexpr std::uint32_t Code(const char (&text)[5]) {
    return std::uint32_t(text[0]) << 24 | std::uint32_t(text[1]) << 16 | std::uint32_t(text[2]) << 8 |
           std::uint32_t(text[3]);
}

AttributePtr Attribute(const char* longName, const char* shortName, AttributeKind kind, Value value = {}) {
    return std::make_shared<AttributeDefinition>(longName, shortName, kind, std::move(value));
}

AttributePtr Keyable(AttributePtr a) {
    a->keyable = true;
    for (const auto& child : a->Children()) child->keyable = true;
    return a;
}

AttributePtr Computed(AttributePtr a) {
    a->computed = true;
    a->storable = false;
    a->writable = false;
    return a;
}

AttributePtr PerInstance(AttributePtr a) {
    a->perInstance = true;
    return a;
}

AttributePtr data(const char* longName, const char* shortName, MFn::Type type) {
    auto a = Attribute(longName, shortName, AttributeKind::Data);
    a->SetDataType(type);
    return a;
}

AttributePtr Xyz(const char* longName, const char* shortName, double value) {
    return AttributeDefinition::MakeDouble3(longName, shortName, {"X", "Y", "Z"}, {"x", "y", "z"},
                                            {value, value, value});
}

AttributePtr Rgb(const char* longName, const char* shortName, double value) {
    auto a = AttributeDefinition::MakeDouble3(longName, shortName, {"R", "G", "B"}, {"r", "g", "b"},
                                              {value, value, value});
    a->usedAsColor = true;
    return a;
}

NodeTypePtr Add(NodeTypeRegistry& registry, const char* name, const char (&id)[5], MFn::Type api,
                const NodeTypePtr& parent, std::initializer_list<AttributePtr> attributes,
                bool abstract = false) {
    auto type = std::make_shared<NodeType>(name, Code(id), api, parent);
    for (const auto& a : attributes) type->AddAttribute(a);
    type->SetAbstract(abstract);
    registry.Add(type);
    return type;
}

} // namespace

void RegisterBuiltinNodeTypes(NodeTypeRegistry& registry) {
    using K = AttributeKind;
    auto depend = Add(registry, "dependNode", "DPND", MFn::kDependencyNode, nullptr,
                      {Attribute("message", "msg", K::Message), Attribute("caching", "cch", K::kBool, false),
                       Attribute("nodeState", "nds", K::kInt, 0)},
                      true);
    depend->AddFn(MFn::kNamedObject);

    auto dag =
        Add(registry, "dagNode", "DAGN", MFn::kDagNode, depend,
            {Keyable(Attribute("visibility", "v", K::kBool, true)),
             Attribute("intermediateObject", "io", K::kBool, false),
             Attribute("template", "tmp", K::kBool, false),
             PerInstance(Computed(Attribute("worldMatrix", "wm", K::Matrix, IdentityMatrix()))),
             PerInstance(Computed(Attribute("worldInverseMatrix", "wim", K::Matrix, IdentityMatrix()))),
             PerInstance(Computed(Attribute("parentMatrix", "pm", K::Matrix, IdentityMatrix()))),
             PerInstance(Computed(Attribute("parentInverseMatrix", "pim", K::Matrix, IdentityMatrix())))},
            true);
    dag->SetCompute(ComputeDagMatrices);
    Add(registry, "world", "WRLD", MFn::kWorld, dag, {}, true);

    auto transform = Add(registry, "transform", "XFRM", MFn::kTransform, dag,
                         {Keyable(Xyz("translate", "t", 0.0)), Keyable(Xyz("rotate", "r", 0.0)),
                          Keyable(Xyz("scale", "s", 1.0)), Attribute("rotateOrder", "ro", K::kInt, 0),
                          Attribute("rotationInterpolation", "roi", K::kInt, 1),
                          Attribute("inheritsTransform", "it", K::kBool, true),
                          Computed(Attribute("matrix", "m", K::Matrix, IdentityMatrix())),
                          Computed(Attribute("inverseMatrix", "im", K::Matrix, IdentityMatrix()))});
    transform->SetCompute(ComputeTransformMatrices);

    auto shape = Add(registry, "shape", "SHAP", MFn::kShape, dag, {}, true);
    auto camera = Add(
        registry, "camera", "DCAM", MFn::kCamera, shape,
        {Keyable(Attribute("focalLength", "fl", K::kDouble, 35.0)),
         Keyable(Attribute("focusDistance", "fd", K::kDouble, 5.0)),
         Attribute("horizontalFilmAperture", "hfa", K::kDouble, 1.41732),
         Attribute("verticalFilmAperture", "vfa", K::kDouble, 0.94488),
         Attribute("nearClipPlane", "ncp", K::kDouble, 0.1),
         Attribute("farClipPlane", "fcp", K::kDouble, 10000.0),
         Attribute("orthographic", "o", K::kBool, false),
         Attribute("orthographicWidth", "ow", K::kDouble, 10.0), Attribute("fStop", "fs", K::kDouble, 5.6),
         Attribute("lensSqueezeRatio", "lsr", K::kDouble, 1.0),
         Attribute("cameraScale", "cs", K::kDouble, 1.0), Attribute("renderable", "rnd", K::kBool, true)});
    camera->SetNameStem("cameraShape");
    camera->AddFn(MFn::kGeometric);

    // Render flags of surfaces: every one is on in a new shape.
    auto surface = Add(
        registry, "surfaceShape", "SURF", MFn::kSurface, shape,
        {Attribute("castsShadows", "csh", K::kBool, true),
         Attribute("receiveShadows", "rcsh", K::kBool, true), Attribute("motionBlur", "mb", K::kBool, true),
         Attribute("primaryVisibility", "vis", K::kBool, true),
         Attribute("smoothShading", "smo", K::kBool, true),
         Attribute("visibleInReflections", "vir", K::kBool, true),
         Attribute("visibleInRefractions", "vif", K::kBool, true),
         Attribute("doubleSided", "ds", K::kBool, true), Attribute("opposite", "op", K::kBool, false)},
        true);
    surface->AddFn(MFn::kGeometric);

    auto mesh = Add(registry, "mesh", "DMSH", MFn::kMesh, surface,
                    {data("inMesh", "i", MFn::kMeshData), data("outMesh", "o", MFn::kMeshData)});
    mesh->SetNameStem("polySurfaceShape");
    mesh->SetGeometryAttribute("outMesh");

    auto curve = Add(registry, "curveShape", "CRVS", MFn::kCurve, shape, {}, true);
    curve->AddFn(MFn::kGeometric);
    auto nurbsCurve =
        Add(registry, "nurbsCurve", "NCRV", MFn::kNurbsCurve, curve,
            {data("create", "cr", MFn::kNurbsCurveData), data("local", "l", MFn::kNurbsCurveData)});
    nurbsCurve->SetNameStem("curveShape");
    nurbsCurve->SetGeometryAttribute("local");

    auto nurbsSurface =
        Add(registry, "nurbsSurface", "NSRF", MFn::kNurbsSurface, surface,
            {data("create", "cr", MFn::kNurbsSurfaceData), data("local", "l", MFn::kNurbsSurfaceData)});
    nurbsSurface->SetNameStem("nurbsSurfaceShape");
    nurbsSurface->SetGeometryAttribute("local");

    auto lambert = Add(registry, "lambert", "RSLT", MFn::kLambert, depend,
                       {Rgb("color", "c", 0.5), Rgb("transparency", "it", 0.0),
                        Rgb("ambientColor", "ac", 0.0), Rgb("incandescence", "ic", 0.0),
                        Attribute("diffuse", "dc", K::kDouble, 0.8), Rgb("outColor", "oc", 0.0)});
    for (const auto& child : lambert->FindAttribute("outColor")->Children()) child->computed = true;
    lambert->FindAttribute("outColor")->computed = true;
    lambert->SetCompute(ComputeLambertOutColor);

    auto set = Add(registry, "objectSet", "OBJS", MFn::kSet, depend, {});
    auto engine =
        Add(registry, "shadingEngine", "SHEN", MFn::kShadingEngine, set, {Rgb("surfaceShader", "ss", 0.0)});
    (void)engine;
}

} // namespace vex::host
