#include "host/api/AttributeFn.h"

#include <maya/MFnUnitAttribute.h>

using namespace vex::host;
using convert::report;

namespace {

MFn::Type constantOf(MFnUnitAttribute::Type unit) {
    switch (unit) {
    case MFnUnitAttribute::kAngle:
        return MFn::kDoubleAngleAttribute;
    case MFnUnitAttribute::kDistance:
        return MFn::kDoubleLinearAttribute;
    case MFnUnitAttribute::kTime:
        return MFn::kTimeAttribute;
    default:
        return MFn::kInvalid;
    }
}

// Reads the default of the attached attribute as a measure in its internal unit.
template <class Measure>
MStatus defaultAs(const MFnUnitAttribute& fn, typename Measure::Unit internal, Measure& out) {
    double value = 0.0;
    const MStatus status = fn.getDefault(value);
    if (status) out = Measure(value, internal);
    return status;
}

} // namespace

MFnUnitAttribute::MFnUnitAttribute(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 MFnUnitAttribute::Type unitType, double defaultValue,
                                 MStatus* ReturnStatus) {
    const MFn::Type constant = constantOf(unitType);
    if (fullName.isEmpty() || constant == MFn::kInvalid)
        return report(ReturnStatus,
                      convert::failure("a name and a measure are needed", MStatus::kInvalidParameter)),
               MObject();
    auto attribute = std::make_shared<AttributeDefinition>(fullName.str(), briefOr(briefName, fullName),
                                                           AttributeKind::kDouble, Value(defaultValue));
    attribute->specialType = constant;
    return attachAttribute(*this, attribute, ReturnStatus);
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName, const MTime& defaultValue,
                                 MStatus* ReturnStatus) {
    return create(fullName, briefName, kTime, defaultValue.as(MTime::kSeconds), ReturnStatus);
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 const MAngle& defaultValue, MStatus* ReturnStatus) {
    return create(fullName, briefName, kAngle, defaultValue.as(MAngle::kRadians), ReturnStatus);
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 const MDistance& defaultValue, MStatus* ReturnStatus) {
    return create(fullName, briefName, kDistance, defaultValue.as(MDistance::kCentimeters), ReturnStatus);
}

MFnUnitAttribute::Type MFnUnitAttribute::unitType(MStatus* ReturnStatus) const {
    const AttributePtr attribute = attachedAttribute(*this, ReturnStatus);
    for (Type unit : {kAngle, kDistance, kTime})
        if (attribute && attribute->specialType == constantOf(unit)) return unit;
    return kInvalid;
}

MStatus MFnUnitAttribute::getDefault(double& defaultValue) const {
    MStatus status;
    const AttributePtr attribute = attachedAttribute(*this, &status);
    if (attribute) defaultValue = ToDouble(attribute->DefaultValue());
    return status;
}

MStatus MFnUnitAttribute::getDefault(MTime& defaultValue) const {
    return defaultAs(*this, MTime::kSeconds, defaultValue);
}

MStatus MFnUnitAttribute::getDefault(MAngle& defaultValue) const {
    return defaultAs(*this, MAngle::kRadians, defaultValue);
}

MStatus MFnUnitAttribute::getDefault(MDistance& defaultValue) const {
    return defaultAs(*this, MDistance::kCentimeters, defaultValue);
}

MStatus MFnUnitAttribute::setDefault(double defaultValue) {
    MStatus status;
    const AttributePtr attribute = attachedAttribute(*this, &status);
    if (attribute) attribute->SetDefault(defaultValue);
    return status;
}

MStatus MFnUnitAttribute::setDefault(const MTime& defaultValue) {
    return setDefault(defaultValue.as(MTime::kSeconds));
}

MStatus MFnUnitAttribute::setDefault(const MAngle& defaultValue) {
    return setDefault(defaultValue.as(MAngle::kRadians));
}

MStatus MFnUnitAttribute::setDefault(const MDistance& defaultValue) {
    return setDefault(defaultValue.as(MDistance::kCentimeters));
}
