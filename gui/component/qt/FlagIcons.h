#pragma once

#include <QIcon>

#include <array>

namespace vex::gui::component::qt {

/// The three images of one flag column, indexed by FlagState (false, true, undetermined). An image
/// that failed to load is null; the painters then draw the style's check box instead.
using FlagIcons = std::array<QIcon, 3>;

} // namespace vex::gui::component::qt
