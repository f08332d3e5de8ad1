#pragma once

#include <maya/MArray.h>
#include <maya/MFloatPoint.h>

/// An array of single-precision points.
class MFloatPointArray : public MArray<MFloatPoint> {
public:
    using MArray<MFloatPoint>::MArray;
};
