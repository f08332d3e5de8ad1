#include "system/adaptors/maya/commands/TorvaStartAnimationCmd.h"

#include "core/CoreImplementation.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaStartAnimationCmd::doIt(const MArgList& args) {
    (void)args;
    if (core::CoreImplementation* running = Core()) running->StartRecording();
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
