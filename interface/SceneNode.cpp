#include "interface/SceneNode.h"

#include "interface/CCamera.h"
#include "interface/CInterface.h"
#include "interface/CNode.h"

#include <utility>

namespace vex::orb {

SceneNode::SceneNode(CCamera* tool_, std::string name_) : tool(tool_), name(std::move(name_)) {}

bool SceneNode::remove() {
    if (node) {
        if (CInterface* c = core()) c->deleteNode(node);
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
    CInterface* c = core();
    node = c ? c->findNode(name) : nullptr;
    return node != nullptr;
}

void SceneNode::setDisplayFlag(int flag) {
    CInterface* c = core();
    if (!c || !node) return;
    if (CSnapshot_Helper* helper = c->getHelperSnapshot(node)) {
        helper->setDisplayFlag(flag);
        c->releaseHelperSnapshot(helper);
    }
}

CInterface* SceneNode::core() const {
    return tool ? tool->core : nullptr;
}

bool SceneNode::createMeshNode(const util::CMesh& mesh, CNode* parent) {
    CInterface* c = core();
    node = c ? c->createMeshNode(name, parent, &mesh, nullptr) : nullptr;
    return node != nullptr;
}

bool SceneNode::createCameraNode(CNode* parent) {
    CInterface* c = core();
    node = c ? c->createNode(name, parent, nullptr) : nullptr;
    return node != nullptr;
}

} // namespace vex::orb
