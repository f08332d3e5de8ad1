#include "system/adaptors/maya/commands/TorvaDeleteToolCmd.h"

#include "core/CoreImplementation.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaDeleteToolCmd::doIt(const MArgList& args) {
    unsigned int flag = 0;
    const std::string name = NameArgument(args, flag);
    if (name.empty()) return Usage(kUsage);
    if (core::CoreImplementation* running = Core()) running->DeleteInstance(name);
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
