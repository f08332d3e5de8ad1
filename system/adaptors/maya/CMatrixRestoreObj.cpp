#include "system/adaptors/maya/CMatrixRestoreObj.h"

#include <maya/MFnTransform.h>

namespace vex::orb::adaptor::maya {

void CMatrixRestoreObj::Apply(const MTransformationMatrix& matrix) {
    MStatus status;
    MFnTransform transform(transform_, &status);
    if (status) transform.set(matrix);
}

} // namespace vex::orb::adaptor::maya
