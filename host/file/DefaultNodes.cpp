#include "host/file/DefaultNodes.h"

#include "host/scene/Scene.h"

#include <array>
#include <string>

namespace vex::host::file {

namespace {

struct Entry {
    const char* name;
    const char* type;
    const char* parent; // "" for top-level and dependency nodes
};

constexpr std::array<Entry, 10> kDefaults = {{{"persp", "transform", ""},
                                              {"perspShape", "camera", "persp"},
                                              {"top", "transform", ""},
                                              {"topShape", "camera", "top"},
                                              {"front", "transform", ""},
                                              {"frontShape", "camera", "front"},
                                              {"side", "transform", ""},
                                              {"sideShape", "camera", "side"},
                                              {"lambert1", "lambert", ""},
                                              {"initialShadingGroup", "shadingEngine", ""}}};

std::string parentName(const Node& node) {
    const auto parent = node.parent();
    return parent && parent->parent() ? parent->name() : std::string();
}

} // namespace

bool DefaultNodes::contains(const Node& node) {
    for (const Entry& entry : kDefaults)
        if (node.name() == entry.name && node.type().name() == entry.type && parentName(node) == entry.parent)
            return true;
    return false;
}

void DefaultNodes::replaceScene() {
    Scene& scene = Scene::instance();
    // Deleting a top-level DAG node takes its children along; what is left after one deletion is
    // looked at afresh.
    while (!scene.nodes().empty()) {
        NodePtr node = scene.nodes().front();
        while (node->isDag() && node->parent() && node->parent()->parent()) node = node->parent();
        scene.deleteNode(node);
    }
    // The same nodes and settings as a new scene (Scene::reset) has.
    for (const char* name : {"persp", "top", "front", "side"}) {
        auto transform = scene.makeNode("transform", name);
        scene.insertNode(transform);
        auto shape = scene.makeNode("camera", std::string(name) + "Shape");
        scene.insertNode(shape, transform);
        if (std::string(name) != "persp") {
            scene.setValue(transform, transform->findAttribute("v"), false);
            scene.setValue(shape, shape->findAttribute("orthographic"), true);
        }
    }
    auto lambert = scene.makeNode("lambert", "lambert1");
    scene.insertNode(lambert);
    auto group = scene.makeNode("shadingEngine", "initialShadingGroup");
    scene.insertNode(group);
    scene.connect(lambert, lambert->findAttribute("outColor"), group, group->findAttribute("surfaceShader"));
}

} // namespace vex::host::file
