#pragma once

#include <maya/MFnData.h>
#include <maya/MMatrix.h>

/// Function set for matrix data: the value of matrix plugs read and written as an MObject.
class MFnMatrixData : public MFnData {
public:
    MFnMatrixData() = default;
    explicit MFnMatrixData(const MObject& object, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kMatrixData; }

    /// Creates a matrix data object holding the matrix and attaches to it.
    MObject create(const MMatrix& matrix, MStatus* ReturnStatus = nullptr);
    MMatrix matrix(MStatus* ReturnStatus = nullptr) const;
    MStatus set(const MMatrix& matrix);
};
