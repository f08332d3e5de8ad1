#include "plugins/common/ResponseFilter.h"

#include <cmath>

namespace vex::orb::addon {

namespace {
constexpr double kFilterPeriod = 0.04;
}

double FilterStep(double state, double target, double factor, double h) {
    if (factor == 0.0 || factor == 1.0) return target;
    const double periods = h / kFilterPeriod;
    const double repetitions = 1.0 + std::trunc(periods);
    const double fraction = periods / repetitions;
    for (double i = 0.0; i < repetitions; i += 1.0) state += (target - state) * fraction * factor;
    return state;
}

double ResponseFilter::Step(double target, double factor, double h) {
    first = FilterStep(first, target, factor, h);
    second = FilterStep(second, first, factor, h);
    return second;
}

} // namespace vex::orb::addon
