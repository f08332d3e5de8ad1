#pragma once

#include <maya/MArray.h>
#include <maya/MPoint.h>

/// An array of points.
class MPointArray : public MArray<MPoint> {
public:
    using MArray<MPoint>::MArray;
    using MArray<MPoint>::append;

    /// Adds the point (x, y, z, w) at the end.
    MStatus append(double x, double y, double z = 0.0, double w = 1.0) { return append(MPoint(x, y, z, w)); }
};
