#include "host/api/NodeCreation.h"

#include "host/scene/Scene.h"

namespace vex::host {

bool makeNodes(const std::string& typeName, const NodePtr& parent, const std::string& name, NewNodes& out,
               std::string& error) {
    auto& scene = Scene::Instance();
    out = {};
    out.node = scene.MakeNode(typeName, name);
    if (!out.node) {
        error = "unknown node type \"" + typeName + "\"";
        return false;
    }
    const bool toWorld = !parent || parent == scene.World();
    if (!toWorld && (!out.node->IsDag() || !(parent->IsAlive() || parent->IsPending()) ||
                     !parent->HasFn(MFn::kTransform))) {
        error = out.node->IsDag() ? "the parent is not a transform in the scene"
                                  : "a dependency node has no parent";
        return false;
    }
    if (toWorld && out.node->type().IsShape()) {
        // The new transform is named after the shape's type ("camera1" above "cameraShape1").
        auto stem = out.node->type().NameStem();
        if (auto pos = stem.rfind("Shape"); pos != std::string::npos && pos > 0) stem.erase(pos);
        out.transform = scene.MakeNode("transform", stem + "1");
    }
    return true;
}

bool insertNodes(const NewNodes& nodes, const NodePtr& parent) {
    auto& scene = Scene::Instance();
    if (!nodes.transform) return scene.InsertNode(nodes.node, parent);
    return scene.InsertNode(nodes.transform, nullptr) && scene.InsertNode(nodes.node, nodes.transform);
}

} // namespace vex::host
