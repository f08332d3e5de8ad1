#include "plugins/1dpositioner/C1DPositionerObject.h"

namespace vex::orb::addon {

C1DPositionerObject::C1DPositionerObject(const CreateParam& param)
    : CLinkToolObject(param, {{kInputName, 1.0}}, cage, positioner, nullptr), cage(this, kCageName),
      positioner(this, cage) {}

util::Matrix<double> C1DPositionerObject::LinkMatrix(const Filtered& f) const {
    util::Matrix<double> local;
    local.m[3][2] = -f[0];
    return local;
}

} // namespace vex::orb::addon
