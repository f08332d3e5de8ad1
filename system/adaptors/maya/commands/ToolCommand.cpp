#include "system/adaptors/maya/commands/ToolCommand.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "system/adaptors/maya/GroundPlacement.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"

#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>
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

std::string ToolCommand::CreateTool(const std::string& type) {
    core::CoreImplementation* running = Core();
    if (type.empty() || running == nullptr) return std::string();
    // The selection is read first: making the tool may change it.
    MDagPath ground;
    const bool selected = GroundPlacement::FindSelectedGround(Adaptor(), ground);
    Adaptor().beginUndoGroup("Create Tool");
    const std::string name = running->CreateTool(type);
    core::Instance* instance = name.empty() ? nullptr : running->FindInstance(name.c_str());
    const auto warn = [](const std::string& text) { MGlobal::displayWarning(MString(text.c_str())); };
    if (instance != nullptr && !selected && GroundPlacement::WantsGround(Adaptor(), instance))
        warn(name + " stands at the origin without a ground: select a ground mesh before creating it, or "
                    "parent its GravityDirectionMesh to a ground surface.");
    if (instance != nullptr && selected) {
        const std::string mesh = MFnDagNode(ground).name().asChar();
        switch (GroundPlacement::Place(Adaptor(), instance, ground)) {
        case GroundPlacement::Placed::kNoStandingPoint:
            warn(name + " stands at the origin: the selected mesh " + mesh + " has no usable point.");
            break;
        case GroundPlacement::Placed::kNotParented:
            warn(name + " stands on " + mesh + ", but its GravityDirectionMesh could not be parented to it.");
            break;
        case GroundPlacement::Placed::kNoGround:
        case GroundPlacement::Placed::kPlaced:
            break;
        }
    }
    Adaptor().endUndoGroup();
    return name;
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
