#include "plugins/common/ResponseFilter.h"

#include "util/MathOps.h"

namespace vex::orb::addon {

double FilterStep(double state, double target, double factor, double h) {
    util::Smooth(state, target, factor, h);
    return state;
}

double ResponseFilter::Step(double target, double factor, double h) {
    first = FilterStep(first, target, factor, h);
    second = FilterStep(second, first, factor, h);
    return second;
}

} // namespace vex::orb::addon
