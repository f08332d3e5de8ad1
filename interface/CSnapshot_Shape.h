#pragma once

#include "interface/CExtendable.h"
#include "util/Vector3.h"

namespace vex::orb {

/// A curve shape at one point in time, measured by arc length in metres.
class CSnapshot_Shape : public CExtendable {
public:
    /// The kind of shape: 1 for a curve.
    virtual int getShapeType() = 0;
    /// Reserved; answers 0.
    virtual int ReservedQuery() { return 0; }
    /// Reserved; does nothing.
    virtual void Reserved() {}
    /// The curve's length.
    virtual double getLength() = 0;
    /// The point at arc length `s`.
    virtual void getPointAtLength(util::Vector3<double>& point, double s) = 0;
    /// The tangent at arc length `s`.
    virtual void getTangentAtLength(util::Vector3<double>& tangent, double s) = 0;
    virtual ~CSnapshot_Shape() = default;
};

} // namespace vex::orb
