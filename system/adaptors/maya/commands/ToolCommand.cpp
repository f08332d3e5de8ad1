#include "system/adaptors/maya/commands/ToolCommand.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"

#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

std::string ToolCommand::StringAt(const MArgList& args, unsigned int index) {
    MStatus status;
    const MString text = args.asString(index, &status);
    return status ? std::string(text.asChar()) : std::string();
}

std::string ToolCommand::NameArgument(const MArgList& args, unsigned int& flag) {
    flag = args.flagIndex("n", "name");
    return flag == MArgList::kInvalidArgIndex ? std::string() : StringAt(args, flag + 1);
}

MStatus ToolCommand::Usage(const char* usage) {
    const MStatus failure(MS::kFailure);
    failure.perror(usage);
    return failure;
}

MayaAdaptorInterface& ToolCommand::Adaptor() {
    return MayaAdaptorInterface::Instance();
}

core::CoreImplementation* ToolCommand::Core() {
    Adaptor();
    return core::FindCore();
}

} // namespace vex::orb::adaptor::maya
