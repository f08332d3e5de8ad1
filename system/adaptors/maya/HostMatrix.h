#pragma once

#include "util/Matrix.h"

#include <maya/MMatrix.h>

namespace vex::orb::adaptor::maya {

/// Matrices between the core's form and Maya's: both are row-vector 4x4; a transform's nine
/// channels "tx" … "sz" (translation, Euler rotation in radians in the node's rotate order, scale).
class HostMatrix {
public:
    static MMatrix ToMMatrix(const util::Matrix<double>& m);
    static util::Matrix<double> FromMMatrix(const MMatrix& m);
    /// The local matrix of channels tx, ty, tz, rx, ry, rz, sx, sy, sz under rotate order `order`
    /// (the "ro" attribute: 0 xyz … 5 zyx).
    static util::Matrix<double> Compose(const double channels[9], int order);
    /// The channels of a local matrix, the rotation in rotate order `order`.
    static void Decompose(const MMatrix& m, int order, double channels[9]);
};

} // namespace vex::orb::adaptor::maya
