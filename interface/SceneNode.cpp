#include "interface/SceneNode.h"

#include "interface/CCamera.h"
#include "interface/CInterface.h"
#include "interface/CNode.h"
#include "interface/ScopedSnapshot.h"
#include "util/Assert.h"

#include <utility>

namespace vex::orb {

SceneNode::SceneNode(CCamera* tool, std::string name) : tool(tool), name(std::move(name)) {}

bool SceneNode::remove() {
    if (node) {
        core()->deleteNode(node);
        node = nullptr;
    }
    return true;
}

void SceneNode::BeginRun(double t) {
    (void)t;
}

void SceneNode::EndRun() {}

void SceneNode::show() {
    if (node) node->show();
}

void SceneNode::hide() {
    if (node) node->hide();
}

bool SceneNode::Find() {
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

bool SceneNode::CreateCameraNode(CNode* parent) {
    node = core()->createNode(name, parent, nullptr);
    return node != nullptr;
}

} // namespace vex::orb
