#include "plugins/vodidova/CVodiDOvaNode.h"

#include "interface/CInterface.h"
#include "interface/ScopedSnapshot.h"
#include "plugins/common/CameraPose.h"
#include "plugins/common/MatrixAccess.h"
#include "util/Rotation.h"

namespace vex::orb::addon {

CVodiDOvaNode::CVodiDOvaNode(CCamera* tool) : CCameraNode(tool, kName, false) {}

void CVodiDOvaNode::update(double t) {
    localMatrix = util::ToMatrix(util::QTransform<double>{position, rotation}, {scale, scale, scale});
    WriteMatrix(t, localMatrix);
}

bool CVodiDOvaNode::ReadMatrix(double t, util::Matrix<double>& local) const {
    return ReadLocalMatrix(core(), node, t, local);
}

void CVodiDOvaNode::WriteMatrix(double t, const util::Matrix<double>& local) const {
    WriteLocalMatrix(core(), node, t, local);
}

double CVodiDOvaNode::XRowLength(double t, double fallback) const {
    util::Matrix<double> local;
    return ReadMatrix(t, local) ? AxisLengths(local).x : fallback;
}

bool CVodiDOvaNode::ReadLens(double t, double& fieldOfView, double& focusDistance) const {
    ScopedSnapshot<CSnapshot_Lens> lens(core(), node, t);
    if (!lens) return false;
    fieldOfView = lens->getFieldOfView();
    focusDistance = lens->getFocusDistance();
    return true;
}

void CVodiDOvaNode::WriteLens(double t, bool setFieldOfView, double fieldOfView, bool setFocusDistance,
                              double focusDistance) const {
    if (!setFieldOfView && !setFocusDistance) return;
    ScopedSnapshot<CSnapshot_Lens> lens(core(), node, t);
    if (!lens) return;
    if (setFieldOfView) lens->setFieldOfView(fieldOfView);
    if (setFocusDistance) lens->setFocusDistance(focusDistance);
}

} // namespace vex::orb::addon
