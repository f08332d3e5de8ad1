#include <gtest/gtest.h>
#include <maya/MEulerRotation.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MQuaternion.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MVector.h>

#include <cmath>

namespace {

constexpr double kTol = 1e-9;

void ExpectMatrixNear(const MMatrix& a, const MMatrix& b, double tol = kTol) {
    EXPECT_TRUE(a.isEquivalent(b, tol)) << a << "\n vs \n" << b;
}

TEST(MayaMatrix, RowVectorProductsApplyLeftFactorFirst) {
    MMatrix move; // translate by (1, 0, 0)
    move(3, 0) = 1.0;
    const MMatrix turn = MEulerRotation(0.0, 0.0, M_PI / 2).asMatrix(); // x goes to y

    EXPECT_TRUE((MPoint() * (move * turn)).isEquivalent(MPoint(0, 1, 0), kTol));
    EXPECT_TRUE((MPoint() * (turn * move)).isEquivalent(MPoint(1, 0, 0), kTol));
    // Directions ignore translation.
    EXPECT_TRUE((MVector(1, 0, 0) * (move * turn)).isEquivalent(MVector(0, 1, 0), kTol));

    const double rows[4][4] = {{1, 2, 3, 4}, {5, 6, 7, 8}, {2, 6, 4, 8}, {3, 1, 1, 2}};
    const MMatrix a(rows);
    EXPECT_NEAR(a.det4x4(), 72.0, kTol);
    ExpectMatrixNear(a * a.inverse(), MMatrix::identity);
    ExpectMatrixNear(a.inverse() * a, MMatrix::identity);
    EXPECT_EQ(a.transpose()(0, 3), 3.0);

    const double flat[4][4] = {{1, 2, 3, 0}, {2, 4, 6, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    EXPECT_TRUE(MMatrix(flat).isSingular());
}

TEST(MayaVector, ProductsAngleAndPointOffsets) {
    const MVector x(1, 0, 0), y(0, 1, 0);
    EXPECT_EQ(x ^ y, MVector(0, 0, 1));
    EXPECT_EQ(x * y, 0.0);
    EXPECT_NEAR(x.angle(y), M_PI / 2, kTol);
    EXPECT_NEAR(MVector(3, 4, 0).length(), 5.0, kTol);
    EXPECT_TRUE(MVector(0, 0, 0).normal().isEquivalent(MVector::zero)); // no division by zero

    // A homogeneous point is compared by its cartesian form.
    EXPECT_TRUE((MPoint(2, 4, 6, 2) - MPoint(0, 0, 0)).isEquivalent(MVector(1, 2, 3)));
    EXPECT_NEAR(MPoint(1, 1, 1).distanceTo(MPoint(1, 4, 5)), 5.0, kTol);
    EXPECT_TRUE((MPoint(1, 2, 3) + MVector(1, 1, 1)).isEquivalent(MPoint(2, 3, 4)));
}

TEST(MayaRotation, EulerDecomposeRoundTripsEveryOrder) {
    const MEulerRotation::RotationOrder orders[] = {MEulerRotation::kXYZ, MEulerRotation::kYZX,
                                                    MEulerRotation::kZXY, MEulerRotation::kXZY,
                                                    MEulerRotation::kYXZ, MEulerRotation::kZYX};
    for (auto order : orders) {
        const MEulerRotation r(0.3, -0.7, 1.1, order);
        const MEulerRotation back = MEulerRotation::decompose(r.asMatrix(), order);
        EXPECT_TRUE(back.isEquivalent(r, 1e-9)) << "order " << order << ": " << back;
        // The quaternion of an Euler rotation is the same rotation as its matrix.
        ExpectMatrixNear(r.asQuaternion().asMatrix(), r.asMatrix());
        // Reordering keeps the rotation.
        ExpectMatrixNear(r.reorder(MEulerRotation::kZXY).asMatrix(), r.asMatrix());
        // The inverse undoes it.
        ExpectMatrixNear(r.asMatrix() * r.inverse().asMatrix(), MMatrix::identity);
    }
    // kXYZ applies x first: a point on y turned a quarter about x lands on z, then about z stays there.
    const MEulerRotation xThenZ(M_PI / 2, 0.0, M_PI / 2, MEulerRotation::kXYZ);
    EXPECT_TRUE((MPoint(0, 1, 0) * xThenZ.asMatrix()).isEquivalent(MPoint(0, 0, 1), kTol));
    const MEulerRotation zThenX(M_PI / 2, 0.0, M_PI / 2, MEulerRotation::kZXY);
    EXPECT_TRUE((MPoint(0, 1, 0) * zThenX.asMatrix()).isEquivalent(MPoint(-1, 0, 0), kTol));

    // Gimbal lock: y at a quarter turn still gives a rotation with the same matrix.
    const MEulerRotation locked(0.4, M_PI / 2, 0.2);
    ExpectMatrixNear(MEulerRotation::decompose(locked.asMatrix(), MEulerRotation::kXYZ).asMatrix(),
                     locked.asMatrix());
}

TEST(MayaRotation, QuaternionProductAndMatrixConversion) {
    const MQuaternion a(0.5, MVector(1, 0, 0));
    const MQuaternion b(-1.2, MVector(0.3, 1, 0.2));
    // a * b applies a first, like the matrix product.
    ExpectMatrixNear((a * b).asMatrix(), a.asMatrix() * b.asMatrix());
    MQuaternion fromMatrix;
    fromMatrix = (a * b).asMatrix();
    EXPECT_TRUE(fromMatrix.isEquivalent(a * b, 1e-9));

    MVector axis;
    double angle = 0.0;
    ASSERT_TRUE(b.getAxisAngle(axis, angle));
    EXPECT_NEAR(angle, 1.2, kTol); // the axis comes back flipped, the angle positive
    EXPECT_TRUE(axis.isEquivalent(-MVector(0.3, 1, 0.2).normal(), kTol));

    const MQuaternion arc(MVector(1, 0, 0), MVector(0, 0, 2));
    EXPECT_TRUE(MVector(1, 0, 0).rotateBy(arc).isEquivalent(MVector(0, 0, 1), kTol));
    const MQuaternion opposite(MVector(0, 1, 0), MVector(0, -1, 0));
    EXPECT_TRUE(MVector(0, 1, 0).rotateBy(opposite).isEquivalent(MVector(0, -1, 0), kTol));
    EXPECT_TRUE(slerp(MQuaternion::identity, a, 0.5).isEquivalent(MQuaternion(0.25, MVector(1, 0, 0)), kTol));
}

TEST(MayaTransformationMatrix, ComponentsRoundTripThroughTheMatrix) {
    MTransformationMatrix tm;
    tm.setTranslation(MVector(1.5, -2.0, 3.25), MSpace::kTransform);
    const double angles[3] = {0.2, -0.9, 1.1}; // the middle angle (z) within a quarter turn
    tm.setRotation(angles, MTransformationMatrix::kYZX);
    const double scale[3] = {2.0, 0.5, 3.0};
    tm.setScale(scale, MSpace::kTransform);

    // Composition order: scale, then rotation, then translation.
    MMatrix s;
    s(0, 0) = 2.0;
    s(1, 1) = 0.5;
    s(2, 2) = 3.0;
    MMatrix t;
    t(3, 0) = 1.5;
    t(3, 1) = -2.0;
    t(3, 2) = 3.25;
    const MMatrix expected = s * MEulerRotation(0.2, -0.9, 1.1, MEulerRotation::kYZX).asMatrix() * t;
    ExpectMatrixNear(tm.asMatrix(), expected);

    // Decomposing gives the same translation, scale and (in the order asked for) the same angles.
    MTransformationMatrix back(tm.asMatrix());
    EXPECT_TRUE(back.getTranslation(MSpace::kTransform).isEquivalent(MVector(1.5, -2.0, 3.25), kTol));
    double backScale[3];
    back.getScale(backScale, MSpace::kTransform);
    EXPECT_NEAR(backScale[0], 2.0, kTol);
    EXPECT_NEAR(backScale[1], 0.5, kTol);
    EXPECT_NEAR(backScale[2], 3.0, kTol);
    back.reorderRotation(MTransformationMatrix::kYZX);
    EXPECT_TRUE(
        back.eulerRotation().isEquivalent(MEulerRotation(0.2, -0.9, 1.1, MEulerRotation::kYZX), 1e-9));
    ExpectMatrixNear(back.asMatrix(), tm.asMatrix());

    // Shear and a mirroring scale survive the round trip as a matrix.
    const double shear[3] = {0.3, -0.2, 0.6};
    tm.setShear(shear, MSpace::kTransform);
    const double mirror[3] = {1.0, -2.0, 0.5};
    tm.setScale(mirror, MSpace::kTransform);
    ExpectMatrixNear(MTransformationMatrix(tm.asMatrix()).asMatrix(), tm.asMatrix());
}

TEST(MayaTransformationMatrix, RotationEditsAndPartialMatrices) {
    MTransformationMatrix tm;
    tm.rotateTo(MEulerRotation(0.0, 0.0, M_PI / 2));
    tm.rotateBy(MEulerRotation(M_PI / 2, 0.0, 0.0), MSpace::kTransform); // applied after the first
    ExpectMatrixNear(tm.asMatrix(), MEulerRotation(0.0, 0.0, M_PI / 2).asMatrix() *
                                        MEulerRotation(M_PI / 2, 0.0, 0.0).asMatrix());

    const MMatrix before = tm.asMatrix();
    ASSERT_TRUE(tm.setRotationOrder(MTransformationMatrix::kZYX, true)); // same rotation, new angles
    EXPECT_EQ(tm.rotationOrder(), MTransformationMatrix::kZYX);
    ExpectMatrixNear(tm.asMatrix(), before);
    const MEulerRotation kept = tm.eulerRotation();
    ASSERT_TRUE(tm.setRotationOrder(MTransformationMatrix::kXYZ, false)); // same angles, new rotation
    EXPECT_EQ(tm.eulerRotation().x, kept.x);
    EXPECT_FALSE(tm.asMatrix().isEquivalent(before, 1e-6));
    EXPECT_EQ(tm.setRotationOrder(MTransformationMatrix::kInvalid, true), MStatus::kInvalidParameter);

    // A partial matrix moves the components from the identity towards their values.
    MTransformationMatrix move;
    move.setTranslation(MVector(4, 0, 0), MSpace::kTransform);
    move.rotateTo(MEulerRotation(0.0, 1.0, 0.0));
    const double scale[3] = {3.0, 1.0, 1.0};
    move.setScale(scale, MSpace::kTransform);
    ExpectMatrixNear(move.asMatrix(0.0), MMatrix::identity);
    ExpectMatrixNear(move.asMatrix(1.0), move.asMatrix());
    const MTransformationMatrix half(move.asMatrix(0.5));
    EXPECT_TRUE(half.getTranslation(MSpace::kTransform).isEquivalent(MVector(2, 0, 0), kTol));
    EXPECT_NEAR(half.eulerRotation().y, 0.5, kTol);
    double halfScale[3];
    half.getScale(halfScale, MSpace::kTransform);
    EXPECT_NEAR(halfScale[0], 2.0, kTol);
}

TEST(MayaTransformationMatrix, BalancedPivotsKeepTheMatrix) {
    MTransformationMatrix tm;
    tm.rotateTo(MEulerRotation(0.0, 0.0, M_PI / 2));
    const double scale[3] = {2.0, 2.0, 2.0};
    tm.setScale(scale, MSpace::kTransform);
    const MMatrix before = tm.asMatrix();
    tm.setRotatePivot(MPoint(1, 0, 0), MSpace::kTransform, true);
    tm.setScalePivot(MPoint(0, 3, 0), MSpace::kTransform, true);
    ExpectMatrixNear(tm.asMatrix(), before);

    // Unbalanced, the rotation happens about the pivot: the pivot itself stays put.
    MTransformationMatrix about;
    about.rotateTo(MEulerRotation(0.0, 0.0, M_PI / 2));
    about.setRotatePivot(MPoint(1, 0, 0), MSpace::kTransform, false);
    EXPECT_TRUE((MPoint(1, 0, 0) * about.asMatrix()).isEquivalent(MPoint(1, 0, 0), kTol));
}

} // namespace

namespace {

// The 4x4 rotation about one axis, row-vector convention.
MMatrix AxisMatrix(int axis, double angle) {
    MMatrix m;
    const int a = (axis + 1) % 3;
    const int b = (axis + 2) % 3;
    m(a, a) = std::cos(angle);
    m(a, b) = std::sin(angle);
    m(b, a) = -std::sin(angle);
    m(b, b) = std::cos(angle);
    return m;
}

bool SameBits(const MMatrix& a, const MMatrix& b) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (std::signbit(a(r, c)) != std::signbit(b(r, c)) || !(a(r, c) == b(r, c))) return false;
    return true;
}

} // namespace

// Composing channels takes shortcuts; they must give what the full matrix products give, zeros'
// signs included, since a decomposition's atan2 tells +0 from -0.
TEST(MayaTransformationMatrix, ComposingChannelsEqualsTheFullProductToTheBit) {
    const double pi = std::acos(-1.0);
    const double angles[][3] = {{0.3, -1.2, 2.5}, {0.0, pi, 0.0}, {pi, 0.0, -pi}, {-0.0, 0.0, 1.0}};
    const double scales[][3] = {{1.0, 1.0, 1.0}, {2.0, 0.5, -1.0}, {-3.0, 1.0, 0.25}};
    for (const auto& angle : angles) {
        const MEulerRotation euler(angle[0], angle[1], angle[2], MEulerRotation::kXYZ);
        EXPECT_TRUE(SameBits(euler.asMatrix(),
                             AxisMatrix(0, angle[0]) * AxisMatrix(1, angle[1]) * AxisMatrix(2, angle[2])));
        const MEulerRotation zxy(angle[0], angle[1], angle[2], MEulerRotation::kZXY);
        EXPECT_TRUE(SameBits(zxy.asMatrix(),
                             AxisMatrix(2, angle[2]) * AxisMatrix(0, angle[0]) * AxisMatrix(1, angle[1])));
        for (const auto& scale : scales) {
            MTransformationMatrix composed;
            composed.setScale(scale, MSpace::kTransform);
            composed.setRotation(angle, MTransformationMatrix::kXYZ);
            composed.setTranslation(MVector(-0.0, 4.0, -2.5), MSpace::kTransform);
            MMatrix translation;
            translation(3, 0) = -0.0;
            translation(3, 1) = 4.0;
            translation(3, 2) = -2.5;
            EXPECT_TRUE(SameBits(composed.asMatrix(),
                                 composed.asScaleMatrix() * composed.asRotateMatrix() * translation));
        }
    }
}
