#include "plugins/common/CFreeCameraNode.h"

#include "interface/CInterface.h"
#include "plugins/common/CameraPose.h"
#include "plugins/common/MatrixAccess.h"
#include "util/Rotation.h"

#include <utility>

namespace vex::orb::addon {

CFreeCameraNode::CFreeCameraNode(CCamera* tool, std::string name)
    : CCameraNode(tool, std::move(name), false) {}

void CFreeCameraNode::update(double t) {
    localMatrix = util::ToMatrix(util::QTransform<double>{position, rotation}, {scale, scale, scale});
    WriteMatrix(t, localMatrix);
}

bool CFreeCameraNode::ReadMatrix(double t, util::Matrix<double>& local) const {
    return ReadLocalMatrix(core(), node, t, local);
}

void CFreeCameraNode::WriteMatrix(double t, const util::Matrix<double>& local) const {
    WriteLocalMatrix(core(), node, t, local);
}

double CFreeCameraNode::XRowLength(double t, double fallback) const {
    util::Matrix<double> local;
    return ReadMatrix(t, local) ? AxisLengths(local).x : fallback;
}

} // namespace vex::orb::addon
