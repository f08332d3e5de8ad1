#pragma once

#include <maya/MFnAttribute.h>
#include <maya/MFnData.h>

/// Function set for typed attributes: strings, string arrays, matrices and geometry data.
class MFnTypedAttribute : public MFnAttribute {
public:
    MFnTypedAttribute() = default;
    explicit MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kTypedAttribute; }

    /// Creates a new attribute of the data type (a null default gives an empty value) and attaches to it.
    MObject create(const MString& fullName, const MString& briefName, MFnData::Type type,
                   const MObject& defaultData = MObject::kNullObj, MStatus* ReturnStatus = nullptr);
    MObject create(const MString& fullName, const MString& briefName, MFnData::Type type,
                   MStatus* ReturnStatus);

    MFnData::Type attrType(MStatus* ReturnStatus = nullptr) const;
    MStatus getDefault(MObject& defaultData);
    MStatus setDefault(const MObject& defaultData);
};
