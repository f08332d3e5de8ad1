#pragma once

#include "host/scene/Value.h"

namespace vex::host {

/// a × b (row-vector convention: a is applied first).
Matrix Multiply(const Matrix& a, const Matrix& b);

/// The inverse; the identity for a singular matrix.
Matrix Inverse(const Matrix& m);

/// A transform's local matrix: scale, then rotation (radians, about X, Y, Z in the given rotate order:
/// 0 xyz, 1 yzx, 2 zxy, 3 xzy, 4 yxz, 5 zyx), then translation.
Matrix ComposeTransform(const Double3& translate, const Double3& rotate, const Double3& scale,
                        int rotateOrder);

} // namespace vex::host
