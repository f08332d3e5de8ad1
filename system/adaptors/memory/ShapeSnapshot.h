#pragma once

#include "core/CoreNode.h"
#include "system/adaptors/memory/Polyline.h"

namespace vex::orb::adaptor::memory {

class MemoryNode;

/// A memory curve at the snapshot's time: its points in world space joined by straight segments.
class ShapeSnapshot : public core::CoreNode::Snapshot_Shape {
public:
    explicit ShapeSnapshot(MemoryNode& node) : node_(node) {}

    /// 1: a curve.
    int getShapeType() override { return 1; }
    double getLength() override;
    void getPointAtLength(util::Vector3<double>& point, double s) override;
    void getTangentAtLength(util::Vector3<double>& tangent, double s) override;

private:
    Polyline WorldCurve() const;

    MemoryNode& node_;
};

} // namespace vex::orb::adaptor::memory
