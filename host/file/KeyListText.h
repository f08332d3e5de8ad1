#pragma once

#include "host/builtins/Units.h"
#include "host/scene/AnimCurveData.h"

#include <span>
#include <string>
#include <vector>

namespace vex::host::file {

/// The numbers of curves' key lists as scene text: " time value" for every key, times in frames and
/// values in the user's units, each number in a short form that reads back exactly (UnitText). A recorded
/// scene is mostly these numbers, so many curves are formatted at once, on as many threads as the machine has
/// cores.
class KeyListText {
public:
    /// A curve with the unit of its values.
    struct Curve {
        const AnimCurveData* keys;
        builtins::units::Kind valueKind;
    };

    /// The text of one curve's keys.
    static std::string Format(const Curve& curve);
    /// The texts of `curves`, in their order.
    static std::vector<std::string> Format(std::span<const Curve> curves);
};

} // namespace vex::host::file
