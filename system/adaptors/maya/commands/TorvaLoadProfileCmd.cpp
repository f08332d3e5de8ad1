#include "system/adaptors/maya/commands/TorvaLoadProfileCmd.h"

#include "core/CoreImplementation.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaLoadProfileCmd::doIt(const MArgList& args) {
    unsigned int flag = 0;
    const std::string name = NameArgument(args, flag);
    if (name.empty()) return Usage(kMissingTool);
    const std::string profile = StringAt(args, flag + 2);
    if (profile.empty()) return Usage(kMissingProfile);
    if (core::CoreImplementation* running = Core()) running->LoadProfile(name, profile);
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
