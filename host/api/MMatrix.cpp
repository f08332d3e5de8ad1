#include <maya/MMatrix.h>

#include <cmath>
#include <ostream>

const MMatrix MMatrix::identity;

namespace {

// Determinant of the 3x3 minor of m without row r and column c.
double minor3(const double m[4][4], int r, int c) {
    int rows[3], cols[3];
    for (int i = 0, n = 0; i < 4; ++i)
        if (i != r) rows[n++] = i;
    for (int i = 0, n = 0; i < 4; ++i)
        if (i != c) cols[n++] = i;
    auto e = [&](int i, int j) { return m[rows[i]][cols[j]]; };
    return e(0, 0) * (e(1, 1) * e(2, 2) - e(1, 2) * e(2, 1)) -
           e(0, 1) * (e(1, 0) * e(2, 2) - e(1, 2) * e(2, 0)) +
           e(0, 2) * (e(1, 0) * e(2, 1) - e(1, 1) * e(2, 0));
}

} // namespace

MMatrix::MMatrix() {
    setToIdentity();
}

MMatrix::MMatrix(const double m[4][4]) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) matrix[r][c] = m[r][c];
}

MMatrix MMatrix::operator*(const MMatrix& o) const {
    MMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += matrix[r][k] * o.matrix[k][c];
            result.matrix[r][c] = sum;
        }
    return result;
}

MMatrix& MMatrix::operator*=(const MMatrix& o) {
    return *this = *this * o;
}

MMatrix MMatrix::operator*(double s) const {
    MMatrix result = *this;
    for (auto& row : result.matrix)
        for (double& e : row) e *= s;
    return result;
}

MMatrix MMatrix::operator+(const MMatrix& o) const {
    MMatrix result = *this;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) result.matrix[r][c] += o.matrix[r][c];
    return result;
}

MMatrix MMatrix::operator-(const MMatrix& o) const {
    return *this + o * -1.0;
}

bool MMatrix::operator==(const MMatrix& o) const {
    return isEquivalent(o, 0.0);
}

bool MMatrix::isEquivalent(const MMatrix& o, double tolerance) const {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (!(std::abs(matrix[r][c] - o.matrix[r][c]) <= tolerance)) return false;
    return true;
}

MMatrix MMatrix::adjoint() const {
    MMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) result.matrix[c][r] = ((r + c) % 2 ? -1.0 : 1.0) * minor3(matrix, r, c);
    return result;
}

double MMatrix::det4x4() const {
    double det = 0.0;
    for (int c = 0; c < 4; ++c) det += (c % 2 ? -1.0 : 1.0) * matrix[0][c] * minor3(matrix, 0, c);
    return det;
}

double MMatrix::det3x3() const {
    return minor3(matrix, 3, 3);
}

bool MMatrix::isSingular(double tolerance) const {
    return std::abs(det4x4()) <= tolerance;
}

MMatrix MMatrix::inverse() const {
    const double det = det4x4();
    if (det == 0.0) return MMatrix();
    return adjoint() * (1.0 / det);
}

MMatrix MMatrix::transpose() const {
    MMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) result.matrix[r][c] = matrix[c][r];
    return result;
}

MMatrix& MMatrix::setToIdentity() {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) matrix[r][c] = r == c ? 1.0 : 0.0;
    return *this;
}

MMatrix& MMatrix::setToProduct(const MMatrix& a, const MMatrix& b) {
    return *this = a * b;
}

void MMatrix::get(double dest[4][4]) const {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) dest[r][c] = matrix[r][c];
}

std::ostream& operator<<(std::ostream& out, const MMatrix& m) {
    out << '[';
    for (int r = 0; r < 4; ++r) {
        out << (r ? ", [" : "[");
        for (int c = 0; c < 4; ++c) out << (c ? ", " : "") << m(r, c);
        out << ']';
    }
    return out << ']';
}
