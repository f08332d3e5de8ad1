#include "system/adaptors/maya/commands/TorvaCloneToolCmd.h"

#include "core/CoreImplementation.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaCloneToolCmd::doIt(const MArgList& args) {
    unsigned int flag = 0;
    const std::string name = NameArgument(args, flag);
    if (name.empty()) return Usage(kUsage);
    core::CoreImplementation* running = Core();
    setResult(MString(running == nullptr ? "" : running->CloneInstance(name).c_str()));
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
