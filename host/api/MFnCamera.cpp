#include "host/api/FnAccess.h"

#include <maya/MFnCamera.h>

#include <cmath>

using namespace vex::host;
using convert::report;

namespace {
constexpr double kMillimetresPerInch = 25.4;
} // namespace

MFnCamera::MFnCamera(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MFnCamera::MFnCamera(const MDagPath& path, MStatus* ReturnStatus) {
    report(ReturnStatus, MFnDagNode::setObject(path));
}

MObject MFnCamera::create(MStatus* ReturnStatus) {
    return MFnDagNode::create("camera", MObject::kNullObj, ReturnStatus);
}

MObject MFnCamera::create(const MObject& parent, MStatus* ReturnStatus) {
    return MFnDagNode::create("camera", parent, ReturnStatus);
}

double MFnCamera::focalLength(MStatus* s) const {
    return readNumber(*this, "focalLength", s);
}
MStatus MFnCamera::setFocalLength(double value) {
    return writeNumber(*this, "focalLength", value);
}
double MFnCamera::focusDistance(MStatus* s) const {
    return readNumber(*this, "focusDistance", s);
}
MStatus MFnCamera::setFocusDistance(double value) {
    return writeNumber(*this, "focusDistance", value);
}
double MFnCamera::horizontalFilmAperture(MStatus* s) const {
    return readNumber(*this, "horizontalFilmAperture", s);
}
MStatus MFnCamera::setHorizontalFilmAperture(double value) {
    return writeNumber(*this, "horizontalFilmAperture", value);
}
double MFnCamera::verticalFilmAperture(MStatus* s) const {
    return readNumber(*this, "verticalFilmAperture", s);
}
MStatus MFnCamera::setVerticalFilmAperture(double value) {
    return writeNumber(*this, "verticalFilmAperture", value);
}
double MFnCamera::nearClippingPlane(MStatus* s) const {
    return readNumber(*this, "nearClipPlane", s);
}
MStatus MFnCamera::setNearClippingPlane(double value) {
    return writeNumber(*this, "nearClipPlane", value);
}
double MFnCamera::farClippingPlane(MStatus* s) const {
    return readNumber(*this, "farClipPlane", s);
}
MStatus MFnCamera::setFarClippingPlane(double value) {
    return writeNumber(*this, "farClipPlane", value);
}
double MFnCamera::fStop(MStatus* s) const {
    return readNumber(*this, "fStop", s);
}
MStatus MFnCamera::setFStop(double value) {
    return writeNumber(*this, "fStop", value);
}
bool MFnCamera::isOrtho(MStatus* s) const {
    return readNumber(*this, "orthographic", s) != 0.0;
}
MStatus MFnCamera::setIsOrtho(bool value) {
    return writeNumber(*this, "orthographic", value ? 1.0 : 0.0);
}
double MFnCamera::orthoWidth(MStatus* s) const {
    return readNumber(*this, "orthographicWidth", s);
}
MStatus MFnCamera::setOrthoWidth(double value) {
    return writeNumber(*this, "orthographicWidth", value);
}

double MFnCamera::horizontalFieldOfView(MStatus* ReturnStatus) const {
    MStatus status;
    const double aperture = horizontalFilmAperture(&status) * kMillimetresPerInch;
    const double focal = focalLength();
    report(ReturnStatus, status);
    return status && focal > 0.0 ? 2.0 * std::atan(aperture * 0.5 / focal) : 0.0;
}

MStatus MFnCamera::setHorizontalFieldOfView(double angle) {
    if (!(angle > 0.0 && angle < M_PI))
        return convert::failure("the angle must lie between 0 and pi", MStatus::kInvalidParameter);
    MStatus status;
    const double aperture = horizontalFilmAperture(&status) * kMillimetresPerInch;
    return status ? setFocalLength(aperture * 0.5 / std::tan(angle * 0.5)) : status;
}

double MFnCamera::verticalFieldOfView(MStatus* ReturnStatus) const {
    MStatus status;
    const double aperture = verticalFilmAperture(&status) * kMillimetresPerInch;
    const double focal = focalLength();
    report(ReturnStatus, status);
    return status && focal > 0.0 ? 2.0 * std::atan(aperture * 0.5 / focal) : 0.0;
}
