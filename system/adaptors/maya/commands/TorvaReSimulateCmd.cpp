#include "system/adaptors/maya/commands/TorvaReSimulateCmd.h"

#include "core/CoreImplementation.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaReSimulateCmd::doIt(const MArgList& args) {
    (void)args;
    if (core::CoreImplementation* running = Core())
        running->Resimulate(Adaptor().getCurrentTime(), Adaptor().getPlaybackRange().second);
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
