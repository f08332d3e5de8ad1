#pragma once

#include "host/scene/AnimCurveData.h"

#include <memory>
#include <vector>

namespace vex::host::builtins {

/// Replaces every key of a curve at once, recorded in the open journals so that undo restores the
/// keys exactly as they were.
void replaceCurveKeys(const std::shared_ptr<AnimCurveData>& curve, std::vector<AnimCurveData::Key> keys);

} // namespace vex::host::builtins
