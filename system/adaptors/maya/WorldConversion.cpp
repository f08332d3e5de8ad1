#include "system/adaptors/maya/WorldConversion.h"

#include "system/adaptors/maya/HostUnits.h"

namespace vex::orb::adaptor::maya {

namespace {

// C and C⁻¹ for the scene's present up axis, as the units apply them to a world-parented node.
util::Matrix<double> CoreToHost(const HostUnits& units) {
    return units.ToHost(util::Matrix<double>(), true);
}

util::Matrix<double> HostToCore(const HostUnits& units) {
    return units.FromHost(util::Matrix<double>(), true);
}

} // namespace

MPoint WorldConversion::ToHost(const util::Vector3<double>& point) const {
    const util::Vector3<double> p = util::TransformPoint(CoreToHost(units_), point);
    return MPoint(p.x, p.y, p.z);
}

MVector WorldConversion::ToHostDirection(const util::Vector3<double>& direction) const {
    const util::Vector3<double> d = util::TransformDirection(CoreToHost(units_), direction);
    return MVector(d.x, d.y, d.z);
}

util::Vector3<double> WorldConversion::ToCore(const MPoint& point) const {
    return util::TransformPoint(HostToCore(units_), util::Vector3<double>{point.x, point.y, point.z});
}

util::Vector3<double> WorldConversion::ToCoreUnitDirection(const MVector& direction) const {
    const util::Vector3<double> d = util::TransformDirection(
        HostToCore(units_), util::Vector3<double>{direction.x, direction.y, direction.z});
    const double length = util::Length(d);
    return length > 0.0 ? d / length : d;
}

} // namespace vex::orb::adaptor::maya
