#pragma once

#include "core/CoreNode.h"

namespace vex::orb::adaptor::maya {

class CMayaNode;

/// A Maya NURBS curve measured by arc length in metres: points and tangents in core world space.
class CMayaSnapshot_Shape : public core::CoreNode::Snapshot_Shape {
public:
    explicit CMayaSnapshot_Shape(CMayaNode& node) : node_(node) {}

    /// 1: a curve.
    int getShapeType() override { return 1; }
    /// The curve's arc length (object space) in metres.
    double getLength() override;
    void getPointAtLength(util::Vector3<double>& point, double s) override;
    void getTangentAtLength(util::Vector3<double>& tangent, double s) override;

private:
    CMayaNode& node_;
};

} // namespace vex::orb::adaptor::maya
