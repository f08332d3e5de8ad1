#include "system/adaptors/maya/CMayaNodeDeleteRestore.h"

#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"

#include <maya/MDagModifier.h>

namespace vex::orb::adaptor::maya {

CMayaNodeDeleteRestore::CMayaNodeDeleteRestore(MayaAdaptorInterface& adaptor, CMayaNode& node,
                                               bool keepHostNode)
    : adaptor_(adaptor), serial_(node.GetSerial()), keepHostNode_(keepHostNode),
      modifier_(new MDagModifier()) {
    if (!keepHostNode_) modifier_->deleteNode(node.GetTransformPath().node());
}

CMayaNodeDeleteRestore::~CMayaNodeDeleteRestore() {
    if (deleted_) {
        if (CMayaNode* node = adaptor_.FindLive(serial_)) delete node;
    }
    delete modifier_;
}

void CMayaNodeDeleteRestore::redo() {
    CMayaNode* node = adaptor_.FindLive(serial_);
    if (node == nullptr) return;
    node->deletePending_ = true;
    adaptor_.Unregister(node);
    if (!keepHostNode_) modifier_->doIt();
    deleted_ = true;
}

void CMayaNodeDeleteRestore::undo() {
    CMayaNode* node = adaptor_.FindLive(serial_);
    if (node == nullptr) return;
    if (!keepHostNode_) modifier_->undoIt();
    node->Restore();
    deleted_ = false;
}

} // namespace vex::orb::adaptor::maya
