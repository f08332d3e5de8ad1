#pragma once

namespace vex::host::builtins {

/// Registers the node types the creation commands make that the scene does not know by itself: the
/// locator shape and the polyCube and polyPlane history nodes. Registering twice changes nothing.
void RegisterPrimitiveNodeTypes();

} // namespace vex::host::builtins
