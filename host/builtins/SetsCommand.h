#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "sets [-n name] [-em] [members]" makes an object set and answers its name; "sets -e -fe set
/// members" puts the members in a set (out of any other shading group when the set is one),
/// "-add set" adds them, "-rm set" takes them out. Members default to the selection.
bool SetsCommand(CommandContext& context);

} // namespace vex::host::builtins
