#pragma once

#include "host/scene/Node.h"

namespace vex::host::file {

/// The nodes every scene has from the start: the cameras persp, top, front and side with their shapes,
/// lambert1 and initialShadingGroup. A scene file creates the cameras as shared nodes ("createNode -s"),
/// which go on as the scene's own, and selects the others ("select -ne") for the lines about them.
class DefaultNodes {
public:
    /// True for one of the default nodes (by name, type and place).
    static bool Contains(const Node& node);
    /// Empties the scene and builds the default nodes as a new scene has them, every change recorded in
    /// the open journals so that undo brings the scene back exactly.
    static void ReplaceScene();
};

} // namespace vex::host::file
