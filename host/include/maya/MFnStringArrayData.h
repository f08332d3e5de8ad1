#pragma once

#include <maya/MFnData.h>
#include <maya/MStringArray.h>

/// Function set for string-array data: the value of string-array plugs read and written as an MObject.
class MFnStringArrayData : public MFnData {
public:
    MFnStringArrayData() = default;
    explicit MFnStringArrayData(const MObject& object, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kStringArrayData; }

    /// Creates a string-array data object holding the strings and attaches to it.
    MObject create(const MStringArray& strings, MStatus* ReturnStatus = nullptr);
    MStringArray array(MStatus* ReturnStatus = nullptr) const;
    MStatus set(const MStringArray& strings);
};
