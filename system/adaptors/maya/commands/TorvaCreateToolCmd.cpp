#include "system/adaptors/maya/commands/TorvaCreateToolCmd.h"

#include "core/CoreImplementation.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaCreateToolCmd::doIt(const MArgList& args) {
    unsigned int flag = 0;
    const std::string type = NameArgument(args, flag);
    core::CoreImplementation* running = Core();
    setResult(MString(type.empty() || running == nullptr ? "" : running->CreateTool(type).c_str()));
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
