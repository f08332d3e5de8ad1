#include "system/adaptors/maya/commands/TorvaSelectToolCmd.h"

#include "core/CoreImplementation.h"
#include "core/Instance.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaSelectToolCmd::doIt(const MArgList& args) {
    unsigned int flag = 0;
    const std::string name = NameArgument(args, flag);
    if (flag == MArgList::kInvalidArgIndex) return Usage(kUsage);
    MStatus read;
    const int select = args.asInt(flag + 2, &read);
    core::CoreImplementation* running = Core();
    if (running == nullptr || name.empty()) return MS::kSuccess;
    if (core::Instance* instance = running->FindInstance(name))
        Adaptor().SelectNodesOf(instance, read && select == 1);
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
