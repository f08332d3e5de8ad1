#include "util/Matrix.h"

#include "tests/util/MathExpect.h"

#include <utility>

namespace vex::util::test {
namespace {

M Rows(const double (&v)[16]) {
    M r;
    for (int i = 0; i < 16; ++i) r.m[i / 4][i % 4] = v[i];
    return r;
}

const M kMoveX = Rows({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1});
const M kTurnZ = Rows({0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}); // X goes to Y

TEST(MatrixProduct, LeftFactorAppliesFirst) {
    ExpectNear(TransformPoint(kMoveX * kTurnZ, V{}), {0, 1, 0});
    ExpectNear(TransformPoint(kTurnZ * kMoveX, V{}), {1, 0, 0});
    ExpectNear(TransformPoint(kMoveX * kTurnZ, V{1, 2, 3}), {-2, 2, 3});
    ExpectNear(TransformDirection(kMoveX * kTurnZ, V{1, 0, 0}), {0, 1, 0});

    M projection; // w = z
    projection.m[2][3] = 1;
    projection.m[3][3] = 0;
    ExpectNear(TransformPoint(projection, V{2, 4, 2}), {1, 2, 1});
}

TEST(MatrixAlgebra, TransposeAndDeterminant) {
    const M a = Rows({1, 2, 3, 4, 5, 6, 7, 8, 2, 6, 4, 8, 3, 1, 1, 2});
    EXPECT_DOUBLE_EQ(Determinant(a), 72.0);
    EXPECT_EQ(Transpose(a).m[0][3], 3.0);
    EXPECT_DOUBLE_EQ(Determinant(Transpose(a)), 72.0);
    M swapped = a;
    std::swap(swapped.m[1], swapped.m[2]);
    EXPECT_DOUBLE_EQ(Determinant(swapped), -72.0);
}

TEST(MatrixInverse, AffineAndProjectiveMatrices) {
    const M affine = Rows({2, 0.5, 0, 0, 0.3, 1.5, -0.4, 0, 0.1, 0, 0.8, 0, 5, -3, 2, 1});
    const M projective = Rows({2, 0, 1, 0.3, 1, 3, 0, 2, 0, 1, 4, 1, 1, 0, 2, 0.5});
    for (const M& a : {affine, projective}) {
        M inverse = a; // also checks that the result may overwrite the input
        ASSERT_TRUE(Inverse(inverse, inverse));
        ExpectNear(a * inverse, M());
        ExpectNear(inverse * a, M());
    }
}

TEST(MatrixInverse, SingularMatrixIsReported) {
    const M zero = Rows({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const M dependentRows = Rows({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    M flattened = kTurnZ; // nothing left of X and Y
    flattened.m[0][1] = flattened.m[1][0] = 0;
    for (const M& a : {zero, dependentRows, flattened}) {
        M out = kMoveX;
        EXPECT_FALSE(Inverse(a, out));
        EXPECT_EQ(out, kMoveX);
    }
}

} // namespace
} // namespace vex::util::test
