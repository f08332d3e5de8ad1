#include "system/adaptors/maya/commands/TorvaCreateToolCmd.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaCreateToolCmd::doIt(const MArgList& args) {
    unsigned int flag = 0;
    setResult(MString(CreateTool(NameArgument(args, flag)).c_str()));
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
