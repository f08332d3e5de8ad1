#pragma once

#include "interface/CInterface.h"

#include <string>
#include <string_view>

namespace vex::orb::addon {

/// Prefixes of the undo and redo event strings a tool's callback receives.
inline constexpr std::string_view kUndoEventPrefix = "REALUNDO";
inline constexpr std::string_view kRedoEventPrefix = "REALREDO";

/// A callback event split up: the item name and whether it came from an undo or a redo.
struct ToolEvent {
    std::string_view item;
    bool undo = false;
    bool redo = false;
};

/// `name` with a leading "REALUNDO" or "REALREDO" stripped and flagged; other strings unchanged.
ToolEvent ParseToolEvent(std::string_view name);
/// Hands `core` an undo record that sends `callback` "REALUNDO" + `item` on undo and "REALREDO" +
/// `item` on redo; nothing without a core.
void RegisterEventUndo(CInterface* core, CInterface::Callback* callback, std::string_view item);

} // namespace vex::orb::addon
