#pragma once

#include <maya/MFnDagNode.h>

/// Function set for camera shapes: lens, film back and clipping planes. Focal length in millimetres,
/// film apertures in inches, distances in internal units (centimetres), angles in radians. Changes are not
/// undoable.
class MFnCamera : public MFnDagNode {
public:
    MFnCamera() = default;
    explicit MFnCamera(const MObject& object, MStatus* ReturnStatus = nullptr);
    explicit MFnCamera(const MDagPath& path, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kCamera; }

    /// Creates a camera with a new transform above it (answered) and attaches to the camera.
    MObject create(MStatus* ReturnStatus = nullptr);
    /// Creates a camera under the given transform and attaches to it.
    MObject create(const MObject& parent, MStatus* ReturnStatus = nullptr);

    double focalLength(MStatus* ReturnStatus = nullptr) const;
    MStatus setFocalLength(double focalLength);
    double focusDistance(MStatus* ReturnStatus = nullptr) const;
    MStatus setFocusDistance(double distance);
    double horizontalFilmAperture(MStatus* ReturnStatus = nullptr) const;
    MStatus setHorizontalFilmAperture(double inches);
    double verticalFilmAperture(MStatus* ReturnStatus = nullptr) const;
    MStatus setVerticalFilmAperture(double inches);
    double nearClippingPlane(MStatus* ReturnStatus = nullptr) const;
    MStatus setNearClippingPlane(double distance);
    double farClippingPlane(MStatus* ReturnStatus = nullptr) const;
    MStatus setFarClippingPlane(double distance);
    double fStop(MStatus* ReturnStatus = nullptr) const;
    MStatus setFStop(double fStop);
    bool isOrtho(MStatus* ReturnStatus = nullptr) const;
    MStatus setIsOrtho(bool orthographic);
    double orthoWidth(MStatus* ReturnStatus = nullptr) const;
    MStatus setOrthoWidth(double width);

    /// 2 atan(aperture / 2 / focal length), the aperture taken in millimetres.
    double horizontalFieldOfView(MStatus* ReturnStatus = nullptr) const;
    /// Sets the focal length that gives this horizontal field of view.
    MStatus setHorizontalFieldOfView(double angle);
    double verticalFieldOfView(MStatus* ReturnStatus = nullptr) const;
};
