#pragma once

#include "util/AVar.h"
#include "util/Matrix.h"

namespace vex::util {

/// An animated 4×4 transform. Between keys it splits both matrices into translation, per-axis scale
/// and rotation, blends translation and scale linearly and the rotation along the shorter great arc
/// (slerp), and puts the parts back together. The blended matrix is affine (last column 0, 0, 0, 1);
/// a mirroring key carries negative scales, so a blend between a mirroring and a non-mirroring key
/// flattens where the scales cross zero.
class AVar_Matrix final : public AVar<Matrix<double>> {
public:
    /// A variable without keys whose get() returns `defaultValue` (the identity by default).
    explicit AVar_Matrix(const Matrix<double>& defaultValue = Matrix<double>()) : AVar(defaultValue) {}

    /// The transform blended between `a` and `b` at `t`.
    void interpolate(Key& out, const Key& a, const Key& b, double t) const override;
};

} // namespace vex::util
