#include "util/Rotation.h"

#include "tests/util/MathExpect.h"

namespace vex::util::test {
namespace {

using T = QTransform<double>;

// Rotations that reach every branch of the matrix-to-quaternion conversion.
const Q kRotations[] = {
    Normalized(Q{0.1, -0.2, 0.3, 0.9}),    FromRotationVector(V{kPi, 0, 0}),
    FromRotationVector(V{0, kPi, 0}),      FromRotationVector(V{0, 0, kPi}),
    Normalized(Q{0.7, -0.3, 0.2, 0.1}),    Normalized(Q{-0.2, 0.8, 0.3, -0.05}),
    Normalized(Q{0.25, 0.35, -0.9, 0.02}),
};

TEST(RotationMatrix, AgreesWithRotateAndRoundTrips) {
    const V v{0.3, -1.7, 2.2};
    for (const Q& q : kRotations) {
        ExpectNear(TransformDirection(ToMatrix(q), v), Rotate(q, v));
        const Q back = ToQuat(ToMatrix(q));
        EXPECT_GE(back.w, 0.0);
        ExpectSameRotation(back, q);
    }
    ExpectNear(ToMatrix(Multiply(kRotations[0], kRotations[4])),
               ToMatrix(kRotations[0]) * ToMatrix(kRotations[4]));
}

TEST(RotationTransform, ComposeInverseAndMatrix) {
    const T a{{1, 2, 3}, kRotations[4]}, b{{-4, 0.5, 2}, kRotations[5]};
    const V p{0.6, -0.1, 1.9};
    ExpectNear(TransformPoint(Multiply(a, b), p), TransformPoint(b, TransformPoint(a, p)));
    ExpectNear(TransformPoint(Inverse(a), TransformPoint(a, p)), p);
    ExpectNear(ToMatrix(Multiply(a, b)), ToMatrix(a) * ToMatrix(b));
}

TEST(RotationTransform, DecomposeWithScaleRoundTrip) {
    const T t{{5, -2, 0.25}, kRotations[6]};
    const V p{1, 2, 3};
    for (const V& scale : {V{2, 0.5, 3}, V{-1.5, -1.5, -1.5}}) {
        const M m = ToMatrix(t, scale);
        ExpectNear(TransformPoint(m, p), TransformPoint(t, V{p.x * scale.x, p.y * scale.y, p.z * scale.z}));
        T back;
        V backScale;
        Decompose(m, back, backScale);
        ExpectNear(backScale, scale);
        EXPECT_EQ(back.translation, t.translation);
        ExpectSameRotation(back.rotation, t.rotation);
    }
    // One mirrored axis comes back as three negative scales and another rotation, same matrix.
    const M mirrored = ToMatrix(t, V{-2, 1, 1});
    T back;
    V scale;
    Decompose(mirrored, back, scale);
    ExpectNear(scale, {-2, -1, -1});
    ExpectNear(ToMatrix(back, scale), mirrored);
}

TEST(RotationEuler, XRotatesFirst) {
    // About X takes Y to Z, then about Y takes Z to X.
    const V angles{kPi / 2, kPi / 2, 0};
    ExpectNear(Rotate(EulerXYZToQuat(angles), V{0, 1, 0}), {1, 0, 0});
    const V general{0.4, -1.1, 2.5};
    ExpectNear(ToMatrix(EulerXYZToQuat(general)), EulerXYZToMatrix(general));
}

TEST(RotationEuler, RoundTrip) {
    for (const V& angles : {V{0.4, -1.1, 2.5}, V{-3.0, 1.5, -0.2}, V{1.2, 0.3, -3.1}}) {
        ExpectNear(ToEulerXYZ(EulerXYZToMatrix(angles)), angles, 1e-10);
        ExpectNear(ToEulerXYZ(EulerXYZToQuat(angles)), angles, 1e-10);
    }
    // Gimbal lock: only the combined X and Z turn is known, but the rotation is kept.
    for (const V& locked : {V{0.7, kPi / 2, -0.4}, V{0.7, -kPi / 2, -0.4}}) {
        const V angles = ToEulerXYZ(EulerXYZToMatrix(locked));
        EXPECT_EQ(angles.x, 0.0);
        ExpectNear(EulerXYZToMatrix(angles), EulerXYZToMatrix(locked), 1e-9);
    }
}

} // namespace
} // namespace vex::util::test
