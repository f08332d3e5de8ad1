#pragma once

#include <maya/MFnAttribute.h>
#include <maya/MFnNumericData.h>

/// Function set for numeric attributes: booleans, integers, doubles and triples of them.
class MFnNumericAttribute : public MFnAttribute {
public:
    MFnNumericAttribute() = default;
    explicit MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kNumericAttribute; }

    /// Creates a new numeric attribute and attaches to it. Triples (k3Float, k3Double, k3Int) get the
    /// children fullName + "X"/"Y"/"Z"; two-element types are not offered.
    MObject create(const MString& fullName, const MString& briefName, MFnNumericData::Type type,
                   double defaultValue = 0.0, MStatus* ReturnStatus = nullptr);
    /// A colour: three children fullName + "R"/"G"/"B".
    MObject createColor(const MString& fullName, const MString& briefName, MStatus* ReturnStatus = nullptr);
    /// A point: three children fullName + "X"/"Y"/"Z".
    MObject createPoint(const MString& fullName, const MString& briefName, MStatus* ReturnStatus = nullptr);

    MFnNumericData::Type unitType(MStatus* ReturnStatus = nullptr) const;
    MStatus setDefault(bool value);
    MStatus setDefault(int value);
    MStatus setDefault(double value);
    MStatus setDefault(double a, double b, double c);
    MStatus getDefault(double& value);
};
