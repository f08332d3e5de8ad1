#pragma once

namespace vex::orb::core {

/// A flag of the instance tree: an item whose children disagree shows it undetermined.
enum class FlagState : int { kFalse = 0, kTrue = 1, kUndetermined = 2 };

} // namespace vex::orb::core
