#include "host/builtins/PrimitiveNodeTypes.h"

#include "host/builtins/PrimitiveMeshes.h"
#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/Scene.h"

namespace vex::host::builtins {

namespace {

AttributePtr Number(const char* longName, const char* shortName, AttributeKind kind, Value value) {
    auto attribute = std::make_shared<AttributeDefinition>(longName, shortName, kind, std::move(value));
    attribute->keyable = true;
    return attribute;
}

AttributePtr MeshOutput() {
    auto attribute = std::make_shared<AttributeDefinition>("output", "out", AttributeKind::Data);
    attribute->SetDataType(MFn::kMeshData);
    attribute->computed = true;
    attribute->storable = false;
    attribute->writable = false;
    return attribute;
}

double Read(const Scene& scene, const Node& node, const char* name, double time) {
    return ToDouble(scene.evaluate(node, *node.FindAttribute(name), time));
}

int Cuts(const Scene& scene, const Node& node, const char* name, double time) {
    return std::max(1, static_cast<int>(Read(scene, node, name, time)));
}

void AddType(NodeTypeRegistry& registry, const char* name, std::uint32_t id, MFn::Type api,
             const char* parent, const std::vector<AttributePtr>& attributes,
             NodeType::Compute compute = {}) {
    if (registry.Find(name)) return;
    auto type = std::make_shared<NodeType>(name, id, api, registry.Find(parent));
    for (const auto& attribute : attributes) type->AddAttribute(attribute);
    if (compute) type->SetCompute(std::move(compute));
    registry.Add(type);
}

} // namespace

void RegisterPrimitiveNodeTypes() {
    NodeTypeRegistry& registry = NodeTypeRegistry::Instance();
    if (!registry.Find("locator")) {
        AddType(registry, "locator", 0x4c435452, MFn::kShape, "shape",
                {AttributeDefinition::MakeDouble3("localPosition", "lp", {"X", "Y", "Z"}, {"x", "y", "z"},
                                                  {0, 0, 0}),
                 AttributeDefinition::MakeDouble3("localScale", "los", {"X", "Y", "Z"}, {"x", "y", "z"},
                                                  {1, 1, 1})});
        registry.Find("locator")->SetNameStem("locatorShape");
    }
    using K = AttributeKind;
    AddType(registry, "polyCube", 0x50435542, MFn::kDependencyNode, "dependNode",
            {Number("width", "w", K::kDouble, 1.0), Number("height", "h", K::kDouble, 1.0),
             Number("depth", "d", K::kDouble, 1.0), Number("subdivisionsWidth", "sw", K::kInt, 1),
             Number("subdivisionsHeight", "sh", K::kInt, 1), Number("subdivisionsDepth", "sd", K::kInt, 1),
             MeshOutput()},
            [](const Scene& scene, const Node& node, const AttributeDefinition& attribute, double time,
               Value& out) {
                if (attribute.LongName() != "output") return false;
                out = DataPtr(BoxMesh(Read(scene, node, "width", time), Read(scene, node, "height", time),
                                      Read(scene, node, "depth", time),
                                      Cuts(scene, node, "subdivisionsWidth", time),
                                      Cuts(scene, node, "subdivisionsHeight", time),
                                      Cuts(scene, node, "subdivisionsDepth", time)));
                return true;
            });
    AddType(registry, "polyPlane", 0x50504c4e, MFn::kDependencyNode, "dependNode",
            {Number("width", "w", K::kDouble, 1.0), Number("height", "h", K::kDouble, 1.0),
             Number("subdivisionsWidth", "sw", K::kInt, 10), Number("subdivisionsHeight", "sh", K::kInt, 10),
             MeshOutput()},
            [](const Scene& scene, const Node& node, const AttributeDefinition& attribute, double time,
               Value& out) {
                if (attribute.LongName() != "output") return false;
                out = DataPtr(PlaneMesh(Read(scene, node, "width", time), Read(scene, node, "height", time),
                                        Cuts(scene, node, "subdivisionsWidth", time),
                                        Cuts(scene, node, "subdivisionsHeight", time)));
                return true;
            });
}

} // namespace vex::host::builtins
