#include "system/adaptors/memory/Polyline.h"

#include <algorithm>
#include <utility>

namespace vex::orb::adaptor::memory {

Polyline::Polyline(std::vector<util::Vector3<double>> points) : points_(std::move(points)) {
    double length = 0.0;
    for (size_t i = 0; i < points_.size(); ++i) {
        if (i > 0) length += util::Length(points_[i] - points_[i - 1]);
        lengths_.push_back(length);
    }
}

int Polyline::SegmentAt(double s) const {
    int found = -1;
    // The last segment with a length that starts at or before s (the first one when s is before it).
    for (size_t i = 0; i + 1 < points_.size(); ++i) {
        if (lengths_[i + 1] <= lengths_[i]) continue;
        if (found < 0 || lengths_[i] <= s) found = static_cast<int>(i);
    }
    return found;
}

util::Vector3<double> Polyline::GetPointAt(double s) const {
    if (points_.empty()) return {};
    const int i = SegmentAt(s);
    if (i < 0) return points_.front();
    const double start = lengths_[static_cast<size_t>(i)];
    const double end = lengths_[static_cast<size_t>(i) + 1];
    const double f = std::clamp((s - start) / (end - start), 0.0, 1.0);
    const auto& a = points_[static_cast<size_t>(i)];
    return a + (points_[static_cast<size_t>(i) + 1] - a) * f;
}

util::Vector3<double> Polyline::GetTangentAt(double s) const {
    const int i = SegmentAt(s);
    if (i < 0) return {};
    const auto d = points_[static_cast<size_t>(i) + 1] - points_[static_cast<size_t>(i)];
    return d / util::Length(d);
}

} // namespace vex::orb::adaptor::memory
