#include "system/adaptors/maya/commands/TorvaCreate4VeredevOroCmd.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaCreate4VeredevOroCmd::doIt(const MArgList& args) {
    (void)args;
    setResult(MString(CreateTool("4VeredevOro").c_str()));
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
