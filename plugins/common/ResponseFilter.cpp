#include "plugins/common/ResponseFilter.h"

#include "util/MathOps.h"

namespace vex::orb::addon {

double FilterStep(double state, double target, double factor, double h) {
    // The common case of a step shorter than the reference frame is Smooth's single sub-step, written
    // out: the free cameras filter a dozen inputs in every sub-step of a few milliseconds.
    const double frames = h / util::detail::kReferenceFrame;
    if (factor != 0.0 && factor != 1.0 && frames < 1.0) return state + (target - state) * frames * factor;
    util::Smooth(state, target, factor, h);
    return state;
}

double ResponseFilter::Step(double target, double factor, double h) {
    first = FilterStep(first, target, factor, h);
    second = FilterStep(second, first, factor, h);
    return second;
}

} // namespace vex::orb::addon
