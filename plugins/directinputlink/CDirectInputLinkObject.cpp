#include "plugins/directinputlink/CDirectInputLinkObject.h"

#include "util/MathOps.h"
#include "util/Rotation.h"

#include <numbers>

namespace vex::orb::addon {

CDirectInputLinkObject::CDirectInputLinkObject(const CreateParam& param)
    : CLinkToolObject(param,
                      {{kInputNames[kLinkForward], 1.0},
                       {kInputNames[kLinkRight], 1.0},
                       {kInputNames[kLinkUp], 1.0},
                       {kInputNames[kLinkYaw], std::numbers::pi / 2},
                       {kInputNames[kLinkPitch], std::numbers::pi / 2},
                       {kInputNames[kLinkRoll], std::numbers::pi / 2}},
                      cage, link, &camera),
      cage(this, kCageName), link(this, cage), camera(this, kCameraName, false, &link) {}

util::Matrix<double> CDirectInputLinkObject::LinkMatrix(const Filtered& f) const {
    using V = util::Vector3<double>;
    const util::Quat<double> yaw = util::FromRotationVector(V{0.0, -f[kLinkYaw], 0.0});
    const util::Quat<double> pitch = util::FromRotationVector(V{f[kLinkPitch], 0.0, 0.0});
    const util::Quat<double> roll = util::FromRotationVector(V{0.0, 0.0, -f[kLinkRoll]});
    return util::ToMatrix(util::QTransform<double>{V{f[kLinkRight], f[kLinkUp], -f[kLinkForward]},
                                                   util::Multiply(util::Multiply(yaw, pitch), roll)});
}

} // namespace vex::orb::addon
