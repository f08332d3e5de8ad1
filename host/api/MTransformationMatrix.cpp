#include <maya/MTransformationMatrix.h>

#include <cmath>

const MTransformationMatrix MTransformationMatrix::identity;

namespace {

MMatrix translationMatrix(const MVector& v) {
    MMatrix m;
    m(3, 0) = v.x;
    m(3, 1) = v.y;
    m(3, 2) = v.z;
    return m;
}

double dot(const double a[3], const double b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

} // namespace

MTransformationMatrix::MTransformationMatrix(const MMatrix& m) {
    *this = m;
}

MTransformationMatrix& MTransformationMatrix::operator=(const MMatrix& m) {
    *this = MTransformationMatrix();
    translation_ = MVector(m(3, 0), m(3, 1), m(3, 2));

    // The upper 3x3 is S * Sh * R with R orthonormal and S * Sh lower triangular: Gram-Schmidt on the
    // rows in order x, y, z gives the scales, the shears and the rotation rows.
    double r[3][3];
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 3; ++k) r[i][k] = m(i, k);
    double rot[3][3];
    double along[3][3] = {}; // along[i][j]: component of row i along rotation row j (j < i)
    for (int i = 0; i < 3; ++i) {
        double v[3] = {r[i][0], r[i][1], r[i][2]};
        for (int j = 0; j < i; ++j) {
            along[i][j] = dot(r[i], rot[j]);
            for (int k = 0; k < 3; ++k) v[k] -= along[i][j] * rot[j][k];
        }
        const double len = std::sqrt(dot(v, v));
        scale_[i] = len;
        for (int k = 0; k < 3; ++k) rot[i][k] = len > 0.0 ? v[k] / len : (k == i ? 1.0 : 0.0);
    }
    // A mirroring matrix keeps a proper rotation and carries the reflection in a negative z scale.
    const double cross[3] = {rot[0][1] * rot[1][2] - rot[0][2] * rot[1][1],
                             rot[0][2] * rot[1][0] - rot[0][0] * rot[1][2],
                             rot[0][0] * rot[1][1] - rot[0][1] * rot[1][0]};
    if (dot(cross, rot[2]) < 0.0) {
        scale_[2] = -scale_[2];
        for (double& e : rot[2]) e = -e;
    }
    shear_[0] = scale_[1] != 0.0 ? along[1][0] / scale_[1] : 0.0;
    shear_[1] = scale_[2] != 0.0 ? along[2][0] / scale_[2] : 0.0;
    shear_[2] = scale_[2] != 0.0 ? along[2][1] / scale_[2] : 0.0;

    MMatrix rotation;
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 3; ++k) rotation(i, k) = rot[i][k];
    rotation_ = MEulerRotation::decompose(rotation, MEulerRotation::kXYZ);
    return *this;
}

MMatrix MTransformationMatrix::asScaleMatrix() const {
    MMatrix scale;
    for (int i = 0; i < 3; ++i) scale(i, i) = scale_[i];
    MMatrix shear;
    shear(1, 0) = shear_[0];
    shear(2, 0) = shear_[1];
    shear(2, 1) = shear_[2];
    const MVector pivot(scalePivot_);
    return translationMatrix(-pivot) * scale * shear * translationMatrix(pivot) *
           translationMatrix(scalePivotTranslation_);
}

MMatrix MTransformationMatrix::asRotateMatrix() const {
    const MVector pivot(rotatePivot_);
    return translationMatrix(-pivot) * orientation_.asMatrix() * rotation_.asMatrix() *
           translationMatrix(pivot) * translationMatrix(rotatePivotTranslation_);
}

MMatrix MTransformationMatrix::asMatrix() const {
    if (!isPlain()) return asScaleMatrix() * asRotateMatrix() * translationMatrix(translation_);
    // Scale, rotation and translation alone, as the channels of most transforms are: each element of
    // the full product has one term that is not zero, so it is that term (a zero sum is +0 there).
    MMatrix m = rotation_.asMatrix();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) m(r, c) = 0.0 + scale_[r] * m(r, c);
    m(3, 0) = 0.0 + translation_.x;
    m(3, 1) = 0.0 + translation_.y;
    m(3, 2) = 0.0 + translation_.z;
    return m;
}

bool MTransformationMatrix::isPlain() const {
    const auto zero = [](const auto& v) { return v.x == 0.0 && v.y == 0.0 && v.z == 0.0; };
    return shear_[0] == 0.0 && shear_[1] == 0.0 && shear_[2] == 0.0 && zero(scalePivot_) &&
           zero(scalePivotTranslation_) && zero(rotatePivot_) && zero(rotatePivotTranslation_) &&
           orientation_.x == 0.0 && orientation_.y == 0.0 && orientation_.z == 0.0 && orientation_.w == 1.0;
}

MMatrix MTransformationMatrix::asMatrix(double percent) const {
    MTransformationMatrix part = *this;
    part.translation_ = translation_ * percent;
    for (int i = 0; i < 3; ++i) {
        part.scale_[i] = 1.0 + (scale_[i] - 1.0) * percent;
        part.shear_[i] = shear_[i] * percent;
    }
    part.rotateTo(slerp(MQuaternion::identity, rotation_.asQuaternion(), percent));
    part.orientation_ = slerp(MQuaternion::identity, orientation_, percent);
    return part.asMatrix();
}

MVector MTransformationMatrix::getTranslation(MSpace::Space, MStatus* status) const {
    MSetStatus(status, MStatus::kSuccess);
    return translation_;
}

MStatus MTransformationMatrix::setTranslation(const MVector& v, MSpace::Space) {
    translation_ = v;
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::addTranslation(const MVector& v, MSpace::Space) {
    translation_ += v;
    return MStatus::kSuccess;
}

MEulerRotation MTransformationMatrix::eulerRotation(MStatus* status) const {
    MSetStatus(status, MStatus::kSuccess);
    return rotation_;
}

MQuaternion MTransformationMatrix::rotation(MStatus* status) const {
    MSetStatus(status, MStatus::kSuccess);
    return rotation_.asQuaternion();
}

MStatus MTransformationMatrix::getRotation(double angles[3], RotationOrder& order) const {
    angles[0] = rotation_.x;
    angles[1] = rotation_.y;
    angles[2] = rotation_.z;
    order = fromEulerOrder(rotation_.order);
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::setRotation(const double angles[3], RotationOrder order) {
    if (order <= kInvalid || order >= kLast) return MStatus::kInvalidParameter;
    rotation_ = MEulerRotation(angles[0], angles[1], angles[2], toEulerOrder(order));
    return MStatus::kSuccess;
}

MTransformationMatrix& MTransformationMatrix::rotateTo(const MEulerRotation& r) {
    rotation_ = r;
    return *this;
}

MTransformationMatrix& MTransformationMatrix::rotateTo(const MQuaternion& q) {
    rotation_ = MEulerRotation::decompose(q.asMatrix(), rotation_.order);
    return *this;
}

MTransformationMatrix& MTransformationMatrix::rotateBy(const MEulerRotation& r, MSpace::Space) {
    rotation_ = MEulerRotation::decompose(rotation_.asMatrix() * r.asMatrix(), rotation_.order);
    return *this;
}

MTransformationMatrix& MTransformationMatrix::rotateBy(const MQuaternion& q, MSpace::Space) {
    rotation_ = MEulerRotation::decompose(rotation_.asMatrix() * q.asMatrix(), rotation_.order);
    return *this;
}

MTransformationMatrix::RotationOrder MTransformationMatrix::rotationOrder(MStatus* status) const {
    MSetStatus(status, MStatus::kSuccess);
    return fromEulerOrder(rotation_.order);
}

MStatus MTransformationMatrix::reorderRotation(RotationOrder order) {
    return setRotationOrder(order, true);
}

MStatus MTransformationMatrix::setRotationOrder(RotationOrder order, bool preserve) {
    if (order <= kInvalid || order >= kLast) return MStatus::kInvalidParameter;
    if (preserve)
        rotation_.reorderIt(toEulerOrder(order));
    else
        rotation_.order = toEulerOrder(order);
    return MStatus::kSuccess;
}

MTransformationMatrix& MTransformationMatrix::setRotationOrientation(const MQuaternion& q) {
    orientation_ = q;
    return *this;
}

MStatus MTransformationMatrix::getScale(double scale[3], MSpace::Space) const {
    for (int i = 0; i < 3; ++i) scale[i] = scale_[i];
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::setScale(const double scale[3], MSpace::Space) {
    for (int i = 0; i < 3; ++i) scale_[i] = scale[i];
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::addScale(const double scale[3], MSpace::Space) {
    for (int i = 0; i < 3; ++i) scale_[i] += scale[i];
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::getShear(double shear[3], MSpace::Space) const {
    for (int i = 0; i < 3; ++i) shear[i] = shear_[i];
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::setShear(const double shear[3], MSpace::Space) {
    for (int i = 0; i < 3; ++i) shear_[i] = shear[i];
    return MStatus::kSuccess;
}

MPoint MTransformationMatrix::scalePivot(MSpace::Space, MStatus* status) const {
    MSetStatus(status, MStatus::kSuccess);
    return scalePivot_;
}

MStatus MTransformationMatrix::setScalePivot(const MPoint& p, MSpace::Space, bool balance) {
    movePivot(scalePivot_, scalePivotTranslation_, p, balance, asRotateMatrix());
    return MStatus::kSuccess;
}

MVector MTransformationMatrix::scalePivotTranslation(MSpace::Space, MStatus* status) const {
    MSetStatus(status, MStatus::kSuccess);
    return scalePivotTranslation_;
}

MStatus MTransformationMatrix::setScalePivotTranslation(const MVector& v, MSpace::Space) {
    scalePivotTranslation_ = v;
    return MStatus::kSuccess;
}

MPoint MTransformationMatrix::rotatePivot(MSpace::Space, MStatus* status) const {
    MSetStatus(status, MStatus::kSuccess);
    return rotatePivot_;
}

MStatus MTransformationMatrix::setRotatePivot(const MPoint& p, MSpace::Space, bool balance) {
    movePivot(rotatePivot_, rotatePivotTranslation_, p, balance, MMatrix::identity);
    return MStatus::kSuccess;
}

MVector MTransformationMatrix::rotatePivotTranslation(MSpace::Space, MStatus* status) const {
    MSetStatus(status, MStatus::kSuccess);
    return rotatePivotTranslation_;
}

MStatus MTransformationMatrix::setRotatePivotTranslation(const MVector& v, MSpace::Space) {
    rotatePivotTranslation_ = v;
    return MStatus::kSuccess;
}

void MTransformationMatrix::movePivot(MPoint& pivot, MVector& pivotTranslation, const MPoint& to,
                                      bool balance, const MMatrix& following) {
    const MMatrix before = asMatrix();
    pivot = to;
    if (!balance) return;
    // Balancing keeps the composed matrix: the pivot translation absorbs the pivot's move, taken back
    // through the linear part of the components that follow it.
    pivotTranslation = MVector();
    const MMatrix after = asMatrix();
    const MVector shift(before(3, 0) - after(3, 0), before(3, 1) - after(3, 1), before(3, 2) - after(3, 2));
    pivotTranslation = shift * following.inverse();
}

bool MTransformationMatrix::isEquivalent(const MTransformationMatrix& o, double tolerance) const {
    return asMatrix().isEquivalent(o.asMatrix(), tolerance);
}

MEulerRotation::RotationOrder MTransformationMatrix::toEulerOrder(RotationOrder order) {
    if (order <= kInvalid || order >= kLast) return MEulerRotation::kXYZ;
    return static_cast<MEulerRotation::RotationOrder>(static_cast<int>(order) - static_cast<int>(kXYZ));
}

MTransformationMatrix::RotationOrder
MTransformationMatrix::fromEulerOrder(MEulerRotation::RotationOrder order) {
    return static_cast<RotationOrder>(static_cast<int>(order) + static_cast<int>(kXYZ));
}
