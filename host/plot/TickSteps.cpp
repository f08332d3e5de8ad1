#include "host/plot/TickSteps.h"

#include "util/NumberText.h"

#include <algorithm>
#include <cmath>

namespace vex::host::plot {

namespace {

// Ranges whose ideal step has a power of ten beyond these are taken as flat, so every step tried
// (down to a tenth of it) is a normal number; steps that overflow are not tried.
constexpr int kLowestExponent = -305;
constexpr int kHighestExponent = 308;

// m x 10^e for m in {1, 2, 5}: the nearest double to the decimal value, so 0.1 * 3 reads 0.3.
double Scaled(double whole, int exponent) {
    return exponent < 0 ? whole / std::pow(10.0, -exponent) : whole * std::pow(10.0, exponent);
}

// The digits after the point that a step of m x 10^e needs.
int DecimalsOf(int exponent) {
    return std::max(0, -exponent);
}

AxisTicks Flat(double value) {
    AxisTicks ticks;
    ticks.values.push_back(value + 0.0); // + 0.0 turns -0 into 0
    if (value != 0.0) {
        // As many decimals as a range of the value's own size would give its ticks.
        const double exponent = std::floor(std::log10(std::abs(value) / 5.0));
        ticks.decimals = static_cast<int>(std::clamp(-exponent, 0.0, 20.0));
    }
    return ticks;
}

} // namespace

AxisTicks ChooseTicks(double min, double max, int wished) {
    if (!std::isfinite(min) || !std::isfinite(max)) return {};
    if (min > max) std::swap(min, max);
    wished = std::clamp(wished, 2, 20);

    // Halves first, so the span of a range across nearly all doubles does not overflow.
    const double halfSpan = max / 2 - min / 2;
    const double largest = std::max(std::abs(min), std::abs(max));
    if (!(halfSpan > 0.0)) return Flat(min);
    // A span lost in the bounds' own rounding has no multiples worth telling apart.
    if (halfSpan * 2 <= largest * 1e-10) return Flat(min / 2 + max / 2);
    const double ideal = halfSpan / (wished - 1) * 2;
    const int exponent = static_cast<int>(std::floor(std::log10(ideal)));
    if (exponent < kLowestExponent || exponent > kHighestExponent) return Flat(min / 2 + max / 2);

    // The 1-2-5 steps around the ideal one; the count closest to the wish wins, the larger step on a tie.
    double bestStep = 0.0, bestFirst = 0.0, bestLast = -1.0;
    int bestExponent = 0;
    double bestMantissa = 0.0;
    for (int e = exponent + 1; e >= exponent - 1; --e) {
        for (double mantissa : {5.0, 2.0, 1.0}) {
            const double step = Scaled(mantissa, e);
            if (!std::isfinite(step) || step <= 0.0) continue;
            const double first = std::ceil(min / step), last = std::floor(max / step);
            const double count = last - first + 1;
            const double bestCount = bestLast - bestFirst + 1;
            if (bestStep == 0.0 || std::abs(count - wished) < std::abs(bestCount - wished)) {
                bestStep = step;
                bestFirst = first;
                bestLast = last;
                bestExponent = e;
                bestMantissa = mantissa;
            }
        }
    }

    if (!(bestLast - bestFirst < 1000)) return Flat(min / 2 + max / 2); // never for finite bounds
    AxisTicks ticks;
    ticks.step = bestStep;
    ticks.decimals = DecimalsOf(bestExponent);
    // One multiple beyond each end as well, since min / step rounds; only those inside are kept.
    for (double k = bestFirst - 1; k <= bestLast + 1; ++k) {
        const double value = Scaled(k * bestMantissa, bestExponent) + 0.0;
        if (value >= min && value <= max) ticks.values.push_back(value);
    }
    return ticks;
}

std::string TickLabel(double value, int decimals) {
    if (value == 0.0) return "0";
    std::string text = util::FormatFixed(value, decimals);
    // A value that rounds to zero at these decimals is zero too, not "-0.0".
    if (text.find_first_not_of("-0.") == std::string::npos) return "0";
    return text;
}

} // namespace vex::host::plot
