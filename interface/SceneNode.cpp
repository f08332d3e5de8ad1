#include "interface/SceneNode.h"

#include "interface/CCamera.h"
#include "interface/CInterface.h"
#include "interface/CNode.h"
#include "interface/ScopedSnapshot.h"
#include "util/Assert.h"

#include <utility>

namespace vex::orb {

SceneNode::SceneNode(CCamera* tool_, std::string name_) : tool(tool_), name(std::move(name_)) {}

bool SceneNode::remove() {
    if (node) {
        core()->deleteNode(node);
        node = nullptr;
    }
    return true;
}

void SceneNode::beginRun(double t) {
    (void)t;
}

void SceneNode::endRun() {}

void SceneNode::show() {
    if (node) node->show();
}

void SceneNode::hide() {
    if (node) node->hide();
}

bool SceneNode::find() {
    node = core()->findNode(name);
    return node != nullptr;
}

void SceneNode::setDisplayFlag(int flag) {
    if (ScopedSnapshot<CSnapshot_Helper> helper(core(), node); helper) helper->setDisplayFlag(flag);
}

CInterface* SceneNode::core() const {
    TORVA_ASSERT(tool != nullptr && tool->core != nullptr,
                 "a scene node belongs to a tool with its core set");
    return tool->core;
}

bool SceneNode::createMeshNode(const util::CMesh& mesh, CNode* parent) {
    node = core()->createMeshNode(name, parent, &mesh, nullptr);
    return node != nullptr;
}

bool SceneNode::createCameraNode(CNode* parent) {
    node = core()->createNode(name, parent, nullptr);
    return node != nullptr;
}

} // namespace vex::orb
