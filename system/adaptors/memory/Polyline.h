#pragma once

#include "util/Vector3.h"

#include <vector>

namespace vex::orb::adaptor::memory {

/// A curve made of straight segments between points, measured by arc length.
class Polyline {
public:
    explicit Polyline(std::vector<util::Vector3<double>> points);

    /// The total length.
    double GetLength() const { return lengths_.empty() ? 0.0 : lengths_.back(); }
    /// The point at arc length `s` (clamped to the curve); the origin for a curve without points.
    util::Vector3<double> GetPointAt(double s) const;
    /// The unit direction of the segment at arc length `s` (at a joint, of the segment that starts
    /// there; past the end, of the last one); zero when the curve has no length.
    util::Vector3<double> GetTangentAt(double s) const;

private:
    /// The segment holding arc length `s`, from 0; -1 when no segment has a length.
    int SegmentAt(double s) const;

    std::vector<util::Vector3<double>> points_;
    /// Arc length at each point.
    std::vector<double> lengths_;
};

} // namespace vex::orb::adaptor::memory
