#pragma once

#include <maya/MArray.h>
#include <maya/MFloatVector.h>

/// An array of single-precision vectors.
class MFloatVectorArray : public MArray<MFloatVector> {
public:
    using MArray<MFloatVector>::MArray;
};
