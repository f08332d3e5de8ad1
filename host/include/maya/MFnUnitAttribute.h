#pragma once

#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MFnAttribute.h>
#include <maya/MTime.h>

/// Function set for attributes holding a measure: an angle, a distance or a time. The value is kept in
/// the internal unit (radians, centimetres, seconds) and read back through a plug as a number in it.
class MFnUnitAttribute : public MFnAttribute {
public:
    /// The measure an attribute holds.
    enum Type { kInvalid, kAngle, kDistance, kTime, kLast };

    MFnUnitAttribute() = default;
    explicit MFnUnitAttribute(const MObject& object, MStatus* ReturnStatus = nullptr);
    MFn::Type type() const override { return MFn::kUnitAttribute; }

    /// Creates a new attribute of the measure with a default in the internal unit and attaches to it;
    /// kInvalidParameter for an empty name or an unknown measure.
    MObject create(const MString& fullName, const MString& briefName, MFnUnitAttribute::Type unitType,
                   double defaultValue = 0.0, MStatus* ReturnStatus = nullptr);
    /// The same with a default given as a measure.
    MObject create(const MString& fullName, const MString& briefName, const MTime& defaultValue,
                   MStatus* ReturnStatus = nullptr);
    MObject create(const MString& fullName, const MString& briefName, const MAngle& defaultValue,
                   MStatus* ReturnStatus = nullptr);
    MObject create(const MString& fullName, const MString& briefName, const MDistance& defaultValue,
                   MStatus* ReturnStatus = nullptr);

    /// The measure the attached attribute holds (kInvalid when none is attached).
    MFnUnitAttribute::Type unitType(MStatus* ReturnStatus = nullptr) const;

    /// The default in the internal unit, or as a measure.
    MStatus getDefault(double& defaultValue) const;
    MStatus getDefault(MTime& defaultValue) const;
    MStatus getDefault(MAngle& defaultValue) const;
    MStatus getDefault(MDistance& defaultValue) const;
    MStatus setDefault(double defaultValue);
    MStatus setDefault(const MTime& defaultValue);
    MStatus setDefault(const MAngle& defaultValue);
    MStatus setDefault(const MDistance& defaultValue);
};
