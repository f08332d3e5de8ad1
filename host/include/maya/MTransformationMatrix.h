#pragma once

#include <maya/MEulerRotation.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MQuaternion.h>
#include <maya/MSpace.h>
#include <maya/MStatus.h>
#include <maya/MVector.h>

/// A transformation held as its components, composed in the API's order:
/// M = Sp^-1 * S * Sh * Sp * St * Rp^-1 * Ro * R * Rp * Rt * T
/// (scale pivot, scale, shear, scale pivot translation, rotate pivot, rotation orientation, Euler
/// rotation, rotate pivot translation, translation). The spaces of the API are accepted; the components
/// are all expressed in the transform's own (parent) space.
class MTransformationMatrix {
public:
    enum RotationOrder { kInvalid, kXYZ, kYZX, kZXY, kXZY, kYXZ, kZYX, kLast };

    /// The identity.
    MTransformationMatrix() = default;
    /// The decomposition of m: translation, Euler rotation in order kXYZ, scale and shear; pivots zero.
    MTransformationMatrix(const MMatrix& m);

    /// The composed matrix.
    MMatrix asMatrix() const;
    /// The composed matrix scaled towards the identity by percent (0 identity, 1 full).
    MMatrix asMatrix(double percent) const;
    /// The inverse of the composed matrix.
    MMatrix asMatrixInverse() const { return asMatrix().inverse(); }
    /// The matrix of scale, shear and their pivots only.
    MMatrix asScaleMatrix() const;
    /// The matrix of the rotation with its orientation and pivots only.
    MMatrix asRotateMatrix() const;

    /// Translation.
    MVector getTranslation(MSpace::Space space, MStatus* status = nullptr) const;
    MVector translation(MSpace::Space space, MStatus* status = nullptr) const {
        return getTranslation(space, status);
    }
    MStatus setTranslation(const MVector& v, MSpace::Space space);
    MStatus addTranslation(const MVector& v, MSpace::Space space);

    /// Euler rotation (radians) with its order.
    MEulerRotation eulerRotation(MStatus* status = nullptr) const;
    /// The rotation as a quaternion.
    MQuaternion rotation(MStatus* status = nullptr) const;
    MStatus getRotation(double angles[3], RotationOrder& order) const;
    MStatus setRotation(const double angles[3], RotationOrder order);
    /// Replaces the rotation (the order becomes the rotation's).
    MTransformationMatrix& rotateTo(const MEulerRotation& r);
    /// Replaces the rotation, expressed in the current order.
    MTransformationMatrix& rotateTo(const MQuaternion& q);
    /// Adds a rotation after the current one, kept in the current order.
    MTransformationMatrix& rotateBy(const MEulerRotation& r, MSpace::Space space);
    MTransformationMatrix& rotateBy(const MQuaternion& q, MSpace::Space space);
    /// Rotation order of the Euler rotation.
    RotationOrder rotationOrder(MStatus* status = nullptr) const;
    /// Changes the order and re-expresses the rotation so the matrix stays the same.
    MStatus reorderRotation(RotationOrder order);
    /// Changes the order keeping the angles (the matrix changes).
    MStatus setRotationOrder(RotationOrder order, bool preserve);

    /// Rotation orientation (applied before the rotation).
    MQuaternion rotationOrientation() const { return orientation_; }
    MTransformationMatrix& setRotationOrientation(const MQuaternion& q);

    /// Scale.
    MStatus getScale(double scale[3], MSpace::Space space) const;
    MStatus setScale(const double scale[3], MSpace::Space space);
    MStatus addScale(const double scale[3], MSpace::Space space);
    /// Shear (xy, xz, yz).
    MStatus getShear(double shear[3], MSpace::Space space) const;
    MStatus setShear(const double shear[3], MSpace::Space space);

    /// Pivots and pivot translations.
    MPoint scalePivot(MSpace::Space space, MStatus* status = nullptr) const;
    MStatus setScalePivot(const MPoint& p, MSpace::Space space, bool balance);
    MVector scalePivotTranslation(MSpace::Space space, MStatus* status = nullptr) const;
    MStatus setScalePivotTranslation(const MVector& v, MSpace::Space space);
    MPoint rotatePivot(MSpace::Space space, MStatus* status = nullptr) const;
    MStatus setRotatePivot(const MPoint& p, MSpace::Space space, bool balance);
    MVector rotatePivotTranslation(MSpace::Space space, MStatus* status = nullptr) const;
    MStatus setRotatePivotTranslation(const MVector& v, MSpace::Space space);

    /// Composed matrices compare within tolerance.
    bool isEquivalent(const MTransformationMatrix& o, double tolerance = 1.0e-10) const;
    bool operator==(const MTransformationMatrix& o) const { return asMatrix() == o.asMatrix(); }
    bool operator!=(const MTransformationMatrix& o) const { return !(*this == o); }
    /// Replaces every component by the decomposition of m.
    MTransformationMatrix& operator=(const MMatrix& m);

    /// Conversions between the two rotation order enumerations.
    static MEulerRotation::RotationOrder toEulerOrder(RotationOrder order);
    static RotationOrder fromEulerOrder(MEulerRotation::RotationOrder order);

    static const MTransformationMatrix identity;

private:
    // No shear, no pivots or pivot translations and no rotation orientation.
    bool isPlain() const;
    // Moves a pivot; with balance its pivot translation (whose effect passes through the linear part of
    // following) changes so the composed matrix stays the same.
    void movePivot(MPoint& pivot, MVector& pivotTranslation, const MPoint& to, bool balance,
                   const MMatrix& following);

    MVector translation_;
    MEulerRotation rotation_;
    MQuaternion orientation_;
    double scale_[3] = {1.0, 1.0, 1.0};
    double shear_[3] = {0.0, 0.0, 0.0};
    MPoint scalePivot_;
    MVector scalePivotTranslation_;
    MPoint rotatePivot_;
    MVector rotatePivotTranslation_;
};
