#include "system/adaptors/maya/commands/TorvaStopAnimationCmd.h"

#include "core/CoreImplementation.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaStopAnimationCmd::doIt(const MArgList& args) {
    (void)args;
    if (core::CoreImplementation* running = Core()) running->StopRecording();
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
