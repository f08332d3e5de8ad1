#include "plugins/activescaler/C1DScalerObject.h"

#include <algorithm>

namespace vex::orb::addon {

C1DScalerObject::C1DScalerObject(const CreateParam& param)
    : CLinkToolObject(param,
                      {{kInputNames[kScaleUniform], 1.0},
                       {kInputNames[kScaleX], 1.0},
                       {kInputNames[kScaleY], 1.0},
                       {kInputNames[kScaleZ], 1.0}},
                      cage, scaler, nullptr),
      cage(this, kCageName), scaler(this, cage) {}

util::Matrix<double> C1DScalerObject::LinkMatrix(const Filtered& f) const {
    util::Matrix<double> local;
    for (int axis = 0; axis < 3; ++axis)
        local.m[axis][axis] = std::max(kSmallestScale, 1.0 + f[kScaleUniform] + f[kScaleX + axis]);
    return local;
}

} // namespace vex::orb::addon
