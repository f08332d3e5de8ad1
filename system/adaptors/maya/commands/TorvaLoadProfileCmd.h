#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaLoadProfileCmd": -name instance, then a configuration profile to load into it.
class TorvaLoadProfileCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaLoadProfileCmd";
    static constexpr const char* kMissingTool =
        "Missing tool name. Usage: TorvaLoadProfileCmd -name \"nameOfTool\" \"profileFileName\" to load.";
    static constexpr const char* kMissingProfile =
        "Missing profile name. Usage: TorvaLoadProfileCmd -name \"nameOfTool\" \"profileFileName\" to load.";

    static void* Creator() { return new TorvaLoadProfileCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
