#pragma once

#include "host/scene/CommandSyntax.h"

#include <maya/MPxCommand.h>

namespace vex::host::gui {

class Viewport;

/// "lookThru": the camera the host window's viewport looks through.
///   lookThru CAMERA      looks through the camera (its transform or its shape), a tool's camera included
///   lookThru -q          answers the camera's transform, or "persp (free)" for the viewport's own view
///   lookThru -fr         (-free) goes back to the viewport's own perspective view
/// Fails when no host window is open or the node is not a camera.
class LookThroughCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override;
    static void* Creator() { return new LookThroughCommand; }
    /// The flags the command reads, checked before it runs and listed by "help".
    static CommandSyntax Syntax();

    /// The viewport the command drives (the host window's; null when no window is open).
    static void SetViewport(Viewport* viewport);
};

} // namespace vex::host::gui
