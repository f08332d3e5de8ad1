#include "system/adaptors/maya/commands/TorvaDecSlowFactorCmd.h"

#include "core/CoreImplementation.h"

#include <maya/MString.h>

#include <algorithm>

namespace vex::orb::adaptor::maya {

MStatus TorvaDecSlowFactorCmd::doIt(const MArgList& args) {
    (void)args;
    if (core::CoreImplementation* running = Core())
        running->SetSlowLevel(std::max(running->GetSlowLevel() - 1, 1));
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
