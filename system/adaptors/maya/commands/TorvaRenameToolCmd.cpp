#include "system/adaptors/maya/commands/TorvaRenameToolCmd.h"

#include "core/CoreImplementation.h"
#include "core/InstanceReference.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

MStatus TorvaRenameToolCmd::doIt(const MArgList& args) {
    unsigned int flag = 0;
    const std::string name = NameArgument(args, flag);
    const std::string newName = name.empty() ? std::string() : StringAt(args, flag + 2);
    if (newName.empty()) return Usage(kUsage);
    if (core::CoreImplementation* running = Core()) {
        if (core::InstanceReference* item = running->FindItem(name)) running->RenameItem(item, newName);
    }
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
