#pragma once

#include <maya/MEulerRotation.h>
#include <maya/MFnDagNode.h>
#include <maya/MQuaternion.h>
#include <maya/MSpace.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MVector.h>

/// Function set for transforms: translation, rotation (radians, with its rotate order) and scale, read
/// and written through the node's "t", "r", "s" and "ro" attributes. Changes are not undoable; undoable
/// changes go through a modifier or a command.
class MFnTransform : public MFnDagNode {
public:
    MFnTransform() = default;
    explicit MFnTransform(const MObject& object, MStatus* ReturnStatus = nullptr);
    explicit MFnTransform(const MDagPath& path, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kTransform; }

    /// Creates a transform under the parent (null: the world) at once and attaches to it.
    MObject create(const MObject& parent = MObject::kNullObj, MStatus* ReturnStatus = nullptr);

    /// Translation, rotation, scale and rotate order as one transformation matrix.
    MTransformationMatrix transformation(MStatus* ReturnStatus = nullptr) const;
    /// Sets translation, rotation with its order, and scale from the transformation matrix.
    MStatus set(const MTransformationMatrix& transform);
    /// Sets them from the decomposition of a matrix (rotation in the node's present rotate order).
    MStatus set(const MMatrix& matrix);

    /// Translation; kWorld answers the world position of the node's origin.
    MVector getTranslation(MSpace::Space space, MStatus* ReturnStatus = nullptr) const;
    MVector translation(MSpace::Space space, MStatus* ReturnStatus = nullptr) const {
        return getTranslation(space, ReturnStatus);
    }
    /// Sets the translation; in kWorld the position is first taken into the parent's space.
    MStatus setTranslation(const MVector& vector, MSpace::Space space);
    MStatus translateBy(const MVector& vector, MSpace::Space space);

    MStatus getRotation(MEulerRotation& rotation) const;
    MStatus getRotation(MQuaternion& rotation, MSpace::Space space = MSpace::kTransform) const;
    MStatus setRotation(const MEulerRotation& rotation);
    MStatus setRotation(const MQuaternion& rotation, MSpace::Space space = MSpace::kTransform);
    MStatus rotateBy(const MEulerRotation& rotation, MSpace::Space space = MSpace::kTransform);

    MStatus getScale(double scale[3]) const;
    MStatus setScale(const double scale[3]);
    MStatus scaleBy(const double scale[3]);

    MTransformationMatrix::RotationOrder rotationOrder(MStatus* ReturnStatus = nullptr) const;
    /// Sets the rotate order; with reorder the angles are re-expressed so the orientation stays.
    MStatus setRotationOrder(MTransformationMatrix::RotationOrder order, bool reorder);
};
