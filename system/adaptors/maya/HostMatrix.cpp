#include "system/adaptors/maya/HostMatrix.h"

#include <maya/MEulerRotation.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MVector.h>

namespace vex::orb::adaptor::maya {

MMatrix HostMatrix::ToMMatrix(const util::Matrix<double>& m) {
    MMatrix out;
    for (unsigned int r = 0; r < 4; ++r)
        for (unsigned int c = 0; c < 4; ++c) out.matrix[r][c] = m.m[r][c];
    return out;
}

util::Matrix<double> HostMatrix::FromMMatrix(const MMatrix& m) {
    util::Matrix<double> out;
    for (unsigned int r = 0; r < 4; ++r)
        for (unsigned int c = 0; c < 4; ++c) out.m[r][c] = m.matrix[r][c];
    return out;
}

util::Matrix<double> HostMatrix::Compose(const double channels[9], int order) {
    MTransformationMatrix transform;
    transform.setTranslation(MVector(channels[0], channels[1], channels[2]), MSpace::kTransform);
    // The "ro" attribute counts from xyz = 0; the matrix's rotate orders from kXYZ = 1.
    transform.setRotation(channels + 3, static_cast<MTransformationMatrix::RotationOrder>(order + 1));
    transform.setScale(channels + 6, MSpace::kTransform);
    return FromMMatrix(transform.asMatrix());
}

void HostMatrix::Decompose(const MMatrix& m, int order, double channels[9]) {
    const MTransformationMatrix transform(m);
    const MVector translation = transform.getTranslation(MSpace::kTransform);
    const MEulerRotation rotation =
        transform.eulerRotation().reorder(static_cast<MEulerRotation::RotationOrder>(order));
    channels[0] = translation.x;
    channels[1] = translation.y;
    channels[2] = translation.z;
    channels[3] = rotation.x;
    channels[4] = rotation.y;
    channels[5] = rotation.z;
    transform.getScale(channels + 6, MSpace::kTransform);
}

} // namespace vex::orb::adaptor::maya
