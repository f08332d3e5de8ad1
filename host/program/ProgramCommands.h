#pragma once

namespace vex::host::program {

/// Registers the program's own commands beside the host's built-ins (processEvents, virtualJoystick,
/// pathPlot and quit), each with the flags it reads; a name already registered is left as it is.
void InstallProgramCommands();

} // namespace vex::host::program
