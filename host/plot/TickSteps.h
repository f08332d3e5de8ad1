#pragma once

#include <string>
#include <vector>

namespace vex::host::plot {

/// The ticks of one plot axis: round values inside its range, the step between them and the digits
/// after the point their labels need.
struct AxisTicks {
    double step = 0.0;          ///< 1, 2 or 5 times a power of ten; 0 when the range gives no step
    int decimals = 0;           ///< digits after the point that the step needs (0.5 and 0.2: 1, 2: 0)
    std::vector<double> values; ///< ascending whole multiples of `step` inside the range
};

/// The ticks of the axis range [min, max] (either order): the round step that gives the count closest
/// to `wished` (taken between 2 and 20), so for 6 between 3 and 9 ticks, most often 4 to 8. A flat or
/// vanishingly thin range gives its one value as the only tick (step 0); a range with a bound that is
/// not finite gives none.
AxisTicks ChooseTicks(double min, double max, int wished);

/// The label of a tick `value` with `decimals` digits after the point, in the "C" form; zero (of
/// either sign) is written "0".
std::string TickLabel(double value, int decimals);

} // namespace vex::host::plot
