#include "system/adaptors/maya/commands/TorvaIncSlowFactorCmd.h"

#include "core/CoreImplementation.h"

#include <maya/MString.h>

#include <algorithm>

namespace vex::orb::adaptor::maya {

MStatus TorvaIncSlowFactorCmd::doIt(const MArgList& args) {
    (void)args;
    if (core::CoreImplementation* running = Core())
        running->SetSlowLevel(std::min(running->GetSlowLevel() + 1, kMostSlow));
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
