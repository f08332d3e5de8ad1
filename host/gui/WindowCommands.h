#pragma once

namespace vex::host::gui {

/// Registers the commands that read and drive the host window (lookThru and dockControl), each with
/// the flags it reads; a name already registered is left as it is. They fail while no window is open.
void InstallWindowCommands();

} // namespace vex::host::gui
