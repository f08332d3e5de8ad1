#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "spaceLocator [-n name] [-p x y z]": a transform with a locator shape (at the local position -p);
/// answers the transform's name and selects it.
bool SpaceLocatorCommand(CommandContext& context);
/// "group [-n name] [-em] [-w | -p parent] [objects]": a new transform holding the objects named or
/// selected (none with -em), under the world, the parent or (by default) the first object's parent,
/// the objects keeping their world placement. Answers the group's name and selects it.
bool GroupCommand(CommandContext& context);
/// "polyCube [-n name] [-w x] [-h y] [-d z] [-sx n] [-sy n] [-sz n] [-ch bool]": a box mesh under a new
/// transform; answers the transform and, with history (the default), the polyCube node that holds
/// the sizes.
bool PolyCubeCommand(CommandContext& context);
/// "polyPlane [-n name] [-w x] [-h z] [-sx n] [-sy n] [-ch bool]": a plane mesh on XZ, answered as
/// polyCube answers.
bool PolyPlaneCommand(CommandContext& context);

} // namespace vex::host::builtins
