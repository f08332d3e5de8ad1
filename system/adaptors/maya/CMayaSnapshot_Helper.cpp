#include "system/adaptors/maya/CMayaSnapshot_Helper.h"

#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/MayaMeshShape.h"

namespace vex::orb::adaptor::maya {

// The points stay in core units, as createMesh gives them: a world-parented transform carries the
// unit and axis conversion for the shape below it.
void CMayaSnapshot_Helper::setMesh(const util::CMesh& mesh) {
    MayaMeshShape(node_.GetPath()).SetMesh(mesh, util::Matrix<double>(), false);
}

void CMayaSnapshot_Helper::setColor(float r, float g, float b) {
    MayaMeshShape(node_.GetPath()).SetColor(r, g, b);
}

} // namespace vex::orb::adaptor::maya
