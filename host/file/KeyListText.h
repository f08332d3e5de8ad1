#pragma once

#include "host/scene/AnimCurveData.h"

#include <span>
#include <string>
#include <vector>

namespace vex::host::file {

/// The numbers of curves' key lists as scene text: " time value" for every key, each number in a
/// short exact form in the "C" form (util::WriteNumber). A recorded scene is mostly these numbers,
/// so many curves are formatted at once, on as many threads as the machine has cores.
class KeyListText {
public:
    /// The text of one curve's keys.
    static std::string Format(const AnimCurveData& curve);
    /// The texts of `curves`, in their order.
    static std::vector<std::string> Format(std::span<const AnimCurveData* const> curves);
};

} // namespace vex::host::file
