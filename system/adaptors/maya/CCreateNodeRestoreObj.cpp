#include "system/adaptors/maya/CCreateNodeRestoreObj.h"

#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"

namespace vex::orb::adaptor::maya {

CCreateNodeRestoreObj::CCreateNodeRestoreObj(MayaAdaptorInterface& adaptor, CMayaNode& node)
    : adaptor_(adaptor), serial_(node.GetSerial()) {}

CCreateNodeRestoreObj::~CCreateNodeRestoreObj() {
    if (listed_) return;
    if (CMayaNode* node = adaptor_.FindLive(serial_)) delete node;
}

void CCreateNodeRestoreObj::undo() {
    if (CMayaNode* node = adaptor_.FindLive(serial_)) adaptor_.Unregister(node);
    listed_ = false;
}

void CCreateNodeRestoreObj::redo() {
    if (CMayaNode* node = adaptor_.FindLive(serial_)) adaptor_.Register(node);
    listed_ = true;
}

} // namespace vex::orb::adaptor::maya
