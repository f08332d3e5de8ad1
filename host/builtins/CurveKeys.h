#pragma once

#include "host/builtins/Units.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/Node.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vex::host::builtins {

/// Replaces every key of a curve at once with keys in time order (as Keys() gives them), recorded in the open
/// journals so that undo restores the keys exactly as they were.
void ReplaceCurveKeys(const std::shared_ptr<AnimCurveData>& curve, std::vector<AnimCurveData::Key> keys);

/// Replaces the whole curve (keys and settings) with `after`, recorded in the open journals so that
/// undo restores the curve exactly as it was.
void ReplaceCurve(const std::shared_ptr<AnimCurveData>& curve, const AnimCurveData& after);

/// Sets keys on the anim curve `node` from (time in frames of the current unit, value in the UI unit)
/// pairs, as a file's key list gives them: each key of the curve's default tangent type, replacing a key at
/// the same time. False with `error` when the node is no curve or a value lacks its time.
bool SetCurveKeys(const Node& node, std::span<const double> timeValues, std::string& error);

/// Whether setCurveKeys would take `numbers` numbers on `node`; false with its error when not.
bool CanSetCurveKeys(const Node& node, std::size_t numbers, std::string& error);

} // namespace vex::host::builtins
