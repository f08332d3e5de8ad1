#include "system/adaptors/maya/commands/TorvaCreate4VeredevOroCmd.h"

#include "core/CoreImplementation.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaCreate4VeredevOroCmd::doIt(const MArgList& args) {
    (void)args;
    core::CoreImplementation* running = Core();
    setResult(MString(running == nullptr ? "" : running->CreateTool("4VeredevOro").c_str()));
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
