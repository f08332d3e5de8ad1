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

std::string ParentName(const Node& node) {
    const auto parent = node.parent();
    return parent && parent->parent() ? parent->name() : std::string();
}

} // namespace

bool DefaultNodes::Contains(const Node& node) {
    for (const Entry& entry : kDefaults)
        if (node.name() == entry.name && node.type().name() == entry.type && ParentName(node) == entry.parent)
            return true;
    return false;
}

void DefaultNodes::ReplaceScene() {
    Scene& scene = Scene::Instance();
    // Deleting a top-level DAG node takes its children along; what is left after one deletion is
    // looked at afresh.
    while (!scene.nodes().empty()) {
        NodePtr node = scene.nodes().front();
        while (node->IsDag() && node->parent() && node->parent()->parent()) node = node->parent();
        scene.deleteNode(node);
    }
    // The same nodes and settings as a new scene (Scene::Reset) has.
    for (const char* name : {"persp", "top", "front", "side"}) {
        auto transform = scene.MakeNode("transform", name);
        scene.InsertNode(transform);
        auto shape = scene.MakeNode("camera", std::string(name) + "Shape");
        scene.InsertNode(shape, transform);
        if (std::string(name) != "persp") {
            scene.setValue(transform, transform->FindAttribute("v"), false);
            scene.setValue(shape, shape->FindAttribute("orthographic"), true);
        }
    }
    auto lambert = scene.MakeNode("lambert", "lambert1");
    scene.InsertNode(lambert);
    auto group = scene.MakeNode("shadingEngine", "initialShadingGroup");
    scene.InsertNode(group);
    scene.connect(lambert, lambert->FindAttribute("outColor"), group, group->FindAttribute("surfaceShader"));
}

} // namespace vex::host::file
