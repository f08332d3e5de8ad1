#include "system/adaptors/memory/ShapeSnapshot.h"

#include "system/adaptors/memory/MemoryNode.h"

namespace vex::orb::adaptor::memory {

double ShapeSnapshot::getLength() {
    return WorldCurve().GetLength();
}

void ShapeSnapshot::getPointAtLength(util::Vector3<double>& point, double s) {
    point = WorldCurve().GetPointAt(s);
}

void ShapeSnapshot::getTangentAtLength(util::Vector3<double>& tangent, double s) {
    tangent = WorldCurve().GetTangentAt(s);
}

Polyline ShapeSnapshot::WorldCurve() const {
    const MemoryScene& scene = node_.GetScene();
    const HostObject* object = scene.Find(node_.GetObject());
    if (!object) return Polyline({});
    const util::Matrix<double> world = scene.GetWorldMatrix(node_.GetObject(), time);
    std::vector<util::Vector3<double>> points;
    for (const auto& p : object->curvePoints) points.push_back(util::TransformPoint(world, p));
    return Polyline(std::move(points));
}

} // namespace vex::orb::adaptor::memory
