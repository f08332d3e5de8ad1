#include "host/scene/MatrixMath.h"

#include <cmath>
#include <utility>

namespace vex::host {

Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += a[i * 4 + k] * b[k * 4 + j];
            r[i * 4 + j] = sum;
        }
    return r;
}

Matrix Inverse(const Matrix& m) {
    // Gauss-Jordan elimination with partial pivoting.
    double a[4][8];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 8; ++j) a[i][j] = j < 4 ? m[i * 4 + j] : (j - 4 == i ? 1.0 : 0.0);
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 4; ++row)
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
        if (std::fabs(a[pivot][col]) < 1e-300) return IdentityMatrix();
        if (pivot != col)
            for (int j = 0; j < 8; ++j) std::swap(a[pivot][j], a[col][j]);
        const double scale = 1.0 / a[col][col];
        for (int j = 0; j < 8; ++j) a[col][j] *= scale;
        for (int row = 0; row < 4; ++row) {
            if (row == col) continue;
            const double factor = a[row][col];
            for (int j = 0; j < 8; ++j) a[row][j] -= factor * a[col][j];
        }
    }
    Matrix r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) r[i * 4 + j] = a[i][j + 4];
    return r;
}

namespace {

Matrix AxisRotation(int axis, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    Matrix r = IdentityMatrix();
    const int u = (axis + 1) % 3, v = (axis + 2) % 3;
    r[u * 4 + u] = c;
    r[u * 4 + v] = s;
    r[v * 4 + u] = -s;
    r[v * 4 + v] = c;
    return r;
}

} // namespace

Matrix ComposeTransform(const Double3& translate, const Double3& rotate, const Double3& scale,
                        int rotateOrder) {
    static const int orders[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {1, 0, 2}, {2, 1, 0}};
    const int* order = orders[rotateOrder >= 0 && rotateOrder < 6 ? rotateOrder : 0];
    Matrix m = IdentityMatrix();
    for (int i = 0; i < 3; ++i) m[i * 5] = scale[i];
    for (int i = 0; i < 3; ++i) m = Multiply(m, AxisRotation(order[i], rotate[order[i]]));
    for (int i = 0; i < 3; ++i) m[12 + i] = translate[i];
    return m;
}

} // namespace vex::host
