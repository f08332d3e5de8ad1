#include "system/adaptors/maya/StorageNode.h"

#include "system/adaptors/maya/StorageAttributes.h"

#include <maya/MFnData.h>

namespace vex::orb::adaptor::maya {

const MTypeId StorageNode::kTypeId(0x10F5C0, 1);
MObject StorageNode::adaptorName;
MObject StorageNode::adaptorState;
MObject StorageNode::nodeHandles;

MStatus StorageNode::initialize() {
    adaptorName = StorageAttributes::Hidden("AdaptorName", "adaptorname", MFnData::kString);
    adaptorState = StorageAttributes::Hidden("AdaptorState", "adaptorstate", MFnData::kString);
    nodeHandles = StorageAttributes::Hidden("NodeHandles", "nodehandles", MFnData::kStringArray);
    for (const MObject* attribute : {&adaptorName, &adaptorState, &nodeHandles}) {
        const MStatus status = addAttribute(*attribute);
        if (!status) return status;
    }
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
