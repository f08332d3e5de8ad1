#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "xform [-q] [-ws | -os] [-r | -a] [-t x y z] [-ro x y z] [-s x y z] [-m 16 numbers] [-roo order]
/// [-piv] [objects]": edits or (-q) answers the transforms named or selected. Queries answer one
/// value: translation, rotation (UI units), scale, the 16 matrix values, the six pivot values or the
/// rotate order's name, in object space unless -ws. Pivots sit at the object's origin and cannot be
/// moved.
bool XformCommand(CommandContext& context);
/// "move [-r] [-ws | -os | -ls] x y z [objects]": places the transforms at x y z in world space (-os
/// and -ls: their own translate values), or moves them by it with -r (-os: along their own axes).
bool MoveCommand(CommandContext& context);
/// "rotate [-r] [-ws | -os] x y z [objects]": gives the transforms that rotation (degrees in the UI
/// unit), or turns them by it with -r, about their own axes or (-ws) the world's.
bool RotateCommand(CommandContext& context);
/// "scale [-r] x y z [objects]": sets the transforms' scale, or multiplies it with -r; scaling is
/// along the objects' own axes in either space.
bool ScaleCommand(CommandContext& context);

} // namespace vex::host::builtins
