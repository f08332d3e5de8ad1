#pragma once

#include "host/scene/CommandSyntax.h"

#include <maya/MPxCommand.h>

namespace vex::host::program {

/// "pathPlot": samples the world positions of transforms (in metres) once per frame and writes them as CSV
/// and/or as a PNG plot (top view, the ground-plane z and the height over time, a legend entry per
/// transform).
///   pathPlot [-csv file] [-png file] [-title text] [-start frame] [-end frame] transform...
/// The frames default to the playback range. The result is the number of samples per transform.
class PathPlotCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override;
    static void* Creator() { return new PathPlotCommand; }
    /// The flags the command reads, checked before it runs and listed by "help".
    static CommandSyntax Syntax();
};

} // namespace vex::host::program
