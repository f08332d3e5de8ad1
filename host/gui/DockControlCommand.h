#pragma once

#include "host/scene/CommandSyntax.h"

#include <maya/MPxCommand.h>

class QMainWindow;

namespace vex::host::gui {

/// "dockControl": the docked panels of the host window, the host's own ("Outliner", "Attributes",
/// "Timeline and Script", "Shelf") and those plug-ins dock in it, by their names.
///   dockControl -ex NAME             (-exists) whether the window has a dock of that name
///   dockControl -q -vis NAME         (-visible) whether it shows (a tab behind another counts as shown)
///   dockControl -q -l NAME           (-label) its title
///   dockControl -q -a NAME           (-area) "left", "right", "top", "bottom" or "floating"
/// Fails when no host window is open or no dock has the name. A dock is shown and closed by what it
/// holds (a plug-in's window opens and closes its own), so the command only reads.
class DockControlCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override;
    static void* Creator() { return new DockControlCommand; }
    /// The flags the command reads, checked before it runs and listed by "help".
    static CommandSyntax Syntax();

    /// The window whose docks the command reads (the host window; null when none is open).
    static void SetWindow(QMainWindow* window);
};

} // namespace vex::host::gui
