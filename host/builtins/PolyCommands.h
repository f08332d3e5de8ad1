#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "polySoftEdge [-a angle] [-ch bool] mesh[.e[..]|.f[..]]": sets which edges shade soft. The host's
/// meshes carry no per-edge shading, so the command checks its target and angle and changes nothing.
bool PolySoftEdgeCommand(CommandContext& context);
/// "polyTriangulate [-ch bool] mesh[.f[..]]": splits every polygon of the mesh into triangles
/// (undoable).
bool PolyTriangulateCommand(CommandContext& context);

} // namespace vex::host::builtins
