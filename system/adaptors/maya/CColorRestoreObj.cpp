#include "system/adaptors/maya/CColorRestoreObj.h"

#include "system/adaptors/maya/MayaMeshShape.h"

#include <maya/MFnLambertShader.h>

namespace vex::orb::adaptor::maya {

void CColorRestoreObj::Apply(const MColor& value) {
    const MObject material = MayaMeshShape(mesh_).FindMaterial();
    if (!material.isNull()) MFnLambertShader(material).setColor(value);
}

} // namespace vex::orb::adaptor::maya
