#pragma once

#include "host/scene/CommandSyntax.h"

#include <maya/MPxCommand.h>

namespace vex::host::program {

/// "virtualJoystick": plugs scripted game controllers in and out (see VirtualJoystick).
///   virtualJoystick -name N [-axes A] [-buttons B] [-hats H]    plugs in N; the result is N
///   virtualJoystick -edit -axis I -plug "node.attr" N          axis I follows the plug
///   virtualJoystick -edit -button I -plug "node.attr" N        button I follows the plug
///   virtualJoystick -edit -csv "file.csv" N                    the axes follow the file's columns
///   virtualJoystick -delete N                                  unplugs N
///   virtualJoystick -query -list                               the names plugged in
/// The followed values are set before every round of the program's events.
class VirtualJoystickCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override;
    static void* Creator() { return new VirtualJoystickCommand; }
    /// The flags the command reads, checked before it runs and listed by "help".
    static CommandSyntax Syntax();
};

} // namespace vex::host::program
