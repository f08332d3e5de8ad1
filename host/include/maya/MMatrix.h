#pragma once

#include <iosfwd>

/// A 4x4 double matrix in the API's row-vector convention: a point p is transformed as p * M, the
/// translation sits in row 3, and in A * B the transformation A applies first.
class MMatrix {
public:
    /// The identity.
    MMatrix();
    /// A copy of the rows.
    MMatrix(const double m[4][4]);

    /// Element at row r, column c.
    double operator()(unsigned int r, unsigned int c) const { return matrix[r][c]; }
    double& operator()(unsigned int r, unsigned int c) { return matrix[r][c]; }
    /// Row r.
    const double* operator[](unsigned int r) const { return matrix[r]; }
    double* operator[](unsigned int r) { return matrix[r]; }

    MMatrix operator*(const MMatrix& o) const;
    MMatrix& operator*=(const MMatrix& o);
    MMatrix operator*(double s) const;
    MMatrix operator+(const MMatrix& o) const;
    MMatrix operator-(const MMatrix& o) const;
    bool operator==(const MMatrix& o) const;
    bool operator!=(const MMatrix& o) const { return !(*this == o); }
    /// True when every element differs by at most tolerance.
    bool isEquivalent(const MMatrix& o, double tolerance = 1.0e-10) const;

    /// The inverse (the identity when the matrix is singular).
    MMatrix inverse() const;
    /// The transpose.
    MMatrix transpose() const;
    /// The adjugate.
    MMatrix adjoint() const;
    /// Determinant of the whole matrix.
    double det4x4() const;
    /// Determinant of the upper 3x3.
    double det3x3() const;
    /// True when the determinant is within tolerance of zero.
    bool isSingular(double tolerance = 1.0e-10) const;
    /// Sets every element to the identity's.
    MMatrix& setToIdentity();
    /// Sets the matrix to a * b.
    MMatrix& setToProduct(const MMatrix& a, const MMatrix& b);
    /// Copies the rows into dest.
    void get(double dest[4][4]) const;

    static const MMatrix identity;

    double matrix[4][4];
};

/// Scalar times matrix.
inline MMatrix operator*(double s, const MMatrix& m) {
    return m * s;
}
/// Writes the rows.
std::ostream& operator<<(std::ostream& out, const MMatrix& m);
