#include "system/adaptors/maya/StorageNode.h"

#include "system/adaptors/maya/StorageAttributes.h"

#include <maya/MFnData.h>

namespace vex::orb::adaptor::maya {

const MTypeId StorageNode::kTypeId(0x10F5C0, 1);
MObject StorageNode::adaptorName_;
MObject StorageNode::adaptorState_;
MObject StorageNode::nodeHandles_;

MStatus StorageNode::initialize() {
    adaptorName_ = StorageAttributes::Hidden("AdaptorName", "adaptorname", MFnData::kString);
    adaptorState_ = StorageAttributes::Hidden("AdaptorState", "adaptorstate", MFnData::kString);
    nodeHandles_ = StorageAttributes::Hidden("NodeHandles", "nodehandles", MFnData::kStringArray);
    for (const MObject* attribute : {&adaptorName_, &adaptorState_, &nodeHandles_}) {
        const MStatus status = addAttribute(*attribute);
        if (!status) return status;
    }
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
