#include "host/scene/OpaqueNodeTypes.h"

#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/Scene.h"

#include <map>
#include <set>

namespace vex::host {

namespace {

std::map<std::string, NodeTypePtr>& Types() {
    static std::map<std::string, NodeTypePtr> types;
    return types;
}

// The type id opaque types are registered with while one of their nodes is made: one of the ids kept
// for types local to a site, which no shipped type uses.
constexpr std::uint32_t kTypeId = 0x7FFFF;

int& Scopes() {
    static int scopes = 0;
    return scopes;
}

} // namespace

NodePtr OpaqueNodeTypes::MakeNode(const std::string& typeName, const std::string& name, bool hasParent) {
    NodeTypeRegistry& registry = NodeTypeRegistry::Instance();
    if (typeName.empty() || registry.Find(typeName)) return nullptr;
    NodeTypePtr& type = Types()[typeName];
    if (!type) {
        const Base base = BaseFor(typeName, hasParent);
        const char* baseName = base == Base::kShape       ? "shape"
                               : base == Base::kTransform ? "transform"
                                                          : "dependNode";
        const MFn::Type api = base == Base::kShape       ? MFn::kShape
                              : base == Base::kTransform ? MFn::kTransform
                                                         : MFn::kDependencyNode;
        type = std::make_shared<NodeType>(typeName, kTypeId, api, registry.Find(baseName));
    }
    // The scene makes nodes of registered types: the type is registered just for the making, and the
    // node keeps its type object after.
    if (!registry.Add(type)) return nullptr;
    NodePtr node = Scene::Instance().MakeNode(typeName, name);
    registry.remove(typeName);
    return node;
}

OpaqueNodeTypes::Base OpaqueNodeTypes::BaseFor(const std::string& name, bool hasParent) {
    static const std::set<std::string> shapes = {
        "locator",       "pointLight",  "directionalLight", "spotLight",        "ambientLight",
        "areaLight",     "volumeLight", "follicle",         "hairSystem",       "particle",
        "nParticle",     "nCloth",      "nRigid",           "lattice",          "baseLattice",
        "clusterHandle", "imagePlane",  "annotationShape",  "distanceDimShape", "fluidShape",
        "subdiv",        "pfxHair",     "stroke",           "positionMarker",   "orientationMarker"};
    static const std::set<std::string> transforms = {"joint",    "ikHandle", "ikEffector",
                                                     "lodGroup", "nucleus",  "place3dTexture"};
    if (shapes.count(name)) return Base::kShape;
    if (transforms.count(name) || hasParent) return Base::kTransform;
    return Base::kDependency;
}

bool OpaqueNodeTypes::Contains(const NodeType& type) {
    const auto found = Types().find(type.name());
    return found != Types().end() && found->second.get() == &type;
}

OpaqueNodeTypes::Scope::Scope() {
    ++Scopes();
}

OpaqueNodeTypes::Scope::~Scope() {
    --Scopes();
}

bool OpaqueNodeTypes::Allowed() {
    return Scopes() > 0;
}

} // namespace vex::host
