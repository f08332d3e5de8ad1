#pragma once

#include <maya/MArray.h>
#include <maya/MVector.h>

/// An array of vectors.
class MVectorArray : public MArray<MVector> {
public:
    using MArray<MVector>::MArray;
};
