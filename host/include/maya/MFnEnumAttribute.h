#pragma once

#include <maya/MFnAttribute.h>

/// Function set for enum attributes: a whole number chosen from named fields. Plugs read and write the
/// number; the fields give names to the numbers.
class MFnEnumAttribute : public MFnAttribute {
public:
    MFnEnumAttribute() = default;
    explicit MFnEnumAttribute(const MObject& object, MStatus* ReturnStatus = nullptr);
    MFn::Type type() const override { return MFn::kEnumAttribute; }

    /// Creates a new enum attribute with the default value and attaches to it.
    MObject create(const MString& fullName, const MString& briefName, short defaultValue = 0,
                   MStatus* ReturnStatus = nullptr);
    /// Adds a field; kInvalidParameter when the name or the value is already a field's.
    MStatus addField(const MString& fieldString, short index);
    /// The name of the field with the value; kInvalidParameter when none has it.
    MString fieldName(short index, MStatus* ReturnStatus = nullptr) const;
    /// The value of the named field; kInvalidParameter when there is no such field.
    short fieldIndex(const MString& fieldString, MStatus* ReturnStatus = nullptr) const;
    /// The smallest and largest field values; kFailure when there are no fields.
    MStatus getMin(short& minValue) const;
    MStatus getMax(short& maxValue) const;
    /// Sets the default by value or by field name.
    MStatus setDefault(short index);
    MStatus setDefault(const MString& fieldName);
    MStatus getDefault(short& index) const;
    /// The name of the default's field.
    MString defaultValue(MStatus* ReturnStatus = nullptr) const;
};
