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
    // The node object was handed over with the deletion; off the node list it is the unit's.
    if (CMayaNode* node = adaptor_.FindLive(serial_); node != nullptr && (deleted_ || !listed_)) delete node;
    delete modifier_;
}

void CMayaNodeDeleteRestore::redo() {
    CMayaNode* node = adaptor_.FindLive(serial_);
    if (node == nullptr) return;
    listed_ = adaptor_.IsRegistered(node);
    adaptor_.Unregister(node);
    if (!keepHostNode_) modifier_->doIt();
    deleted_ = true;
}

void CMayaNodeDeleteRestore::undo() {
    CMayaNode* node = adaptor_.FindLive(serial_);
    if (node == nullptr) return;
    if (!keepHostNode_) modifier_->undoIt();
    // Only a node that was on the list goes back on it; a detached one (found by its tag for the
    // deletion of its instance) stays detached, so the instance made again can take it over.
    if (listed_) node->Restore();
    deleted_ = false;
}

} // namespace vex::orb::adaptor::maya
