#include "system/adaptors/maya/CBoolAttributeRestoreObj.h"

#include <maya/MFnDagNode.h>
#include <maya/MPlug.h>

namespace vex::orb::adaptor::maya {

void CBoolAttributeRestoreObj::Apply(const bool& value) {
    MStatus status;
    MFnDagNode node(node_, &status);
    if (!status) return;
    MPlug plug = node.findPlug(attribute_, &status);
    if (status) plug.setValue(value);
}

} // namespace vex::orb::adaptor::maya
