#pragma once

#include <maya/MFnData.h>
#include <maya/MString.h>

/// Function set for string data (the default value of string attributes).
class MFnStringData : public MFnData {
public:
    MFnStringData() = default;
    explicit MFnStringData(const MObject& object, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kStringData; }

    /// Creates a string data object holding the text and attaches to it.
    MObject create(const MString& text, MStatus* ReturnStatus = nullptr);
    MString string(MStatus* ReturnStatus = nullptr) const;
    MStatus set(const MString& text);
};
