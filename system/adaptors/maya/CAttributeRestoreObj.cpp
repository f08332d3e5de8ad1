#include "system/adaptors/maya/CAttributeRestoreObj.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

namespace vex::orb::adaptor::maya {

void CAttributeRestoreObj::Apply(const double& value) {
    MStatus status;
    MFnDependencyNode node(node_, &status);
    if (!status) return;
    MPlug plug = node.findPlug(attribute_, &status);
    if (status) plug.setValue(value);
}

} // namespace vex::orb::adaptor::maya
