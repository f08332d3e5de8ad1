#include "plugins/common/CFreeCameraNode.h"

#include "interface/CInterface.h"
#include "interface/ScopedSnapshot.h"
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

bool CFreeCameraNode::ReadLens(double t, double& fieldOfView, double& focusDistance) const {
    ScopedSnapshot<CSnapshot_Lens> lens(core(), node, t);
    if (!lens) return false;
    fieldOfView = lens->getFieldOfView();
    focusDistance = lens->getFocusDistance();
    return true;
}

void CFreeCameraNode::WriteLens(double t, bool setFieldOfView, double fieldOfView, bool setFocusDistance,
                                double focusDistance) const {
    if (!setFieldOfView && !setFocusDistance) return;
    ScopedSnapshot<CSnapshot_Lens> lens(core(), node, t);
    if (!lens) return;
    if (setFieldOfView) lens->setFieldOfView(fieldOfView);
    if (setFocusDistance) lens->setFocusDistance(focusDistance);
}

} // namespace vex::orb::addon
