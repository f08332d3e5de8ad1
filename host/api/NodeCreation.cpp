#include "host/api/NodeCreation.h"

#include "host/scene/Scene.h"

namespace vex::host {

bool makeNodes(const std::string& typeName, const NodePtr& parent, const std::string& name, NewNodes& out,
               std::string& error) {
    auto& scene = Scene::instance();
    out = {};
    out.node = scene.makeNode(typeName, name);
    if (!out.node) {
        error = "unknown node type \"" + typeName + "\"";
        return false;
    }
    const bool toWorld = !parent || parent == scene.world();
    if (!toWorld && (!out.node->isDag() || !(parent->isAlive() || parent->isPending()) ||
                     !parent->hasFn(MFn::kTransform))) {
        error = out.node->isDag() ? "the parent is not a transform in the scene"
                                  : "a dependency node has no parent";
        return false;
    }
    if (toWorld && out.node->type().isShape()) {
        // The new transform is named after the shape's type ("camera1" above "cameraShape1").
        auto stem = out.node->type().nameStem();
        if (auto pos = stem.rfind("Shape"); pos != std::string::npos && pos > 0) stem.erase(pos);
        out.transform = scene.makeNode("transform", stem + "1");
    }
    return true;
}

bool insertNodes(const NewNodes& nodes, const NodePtr& parent) {
    auto& scene = Scene::instance();
    if (!nodes.transform) return scene.insertNode(nodes.node, parent);
    return scene.insertNode(nodes.transform, nullptr) && scene.insertNode(nodes.node, nodes.transform);
}

} // namespace vex::host
