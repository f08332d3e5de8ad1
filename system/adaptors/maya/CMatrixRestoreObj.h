#pragma once

#include "system/adaptors/maya/CValueRestoreObj.h"

#include <maya/MDagPath.h>
#include <maya/MTransformationMatrix.h>

namespace vex::orb::adaptor::maya {

/// A transform's matrix around a direct (unkeyed) write.
class CMatrixRestoreObj : public CValueRestoreObj<MTransformationMatrix> {
public:
    /// `transform` is the transform's path; `before` and `after` its matrices.
    CMatrixRestoreObj(const MDagPath& transform, const MTransformationMatrix& before,
                      const MTransformationMatrix& after)
        : CValueRestoreObj(before, after), transform_(transform) {}

protected:
    void Apply(const MTransformationMatrix& matrix) override;

private:
    MDagPath transform_;
};

} // namespace vex::orb::adaptor::maya
