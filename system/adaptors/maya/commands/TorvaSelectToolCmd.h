#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaSelectToolCmd": -name instance, then 1 to select it (anything else, or nothing, deselects).
class TorvaSelectToolCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaSelectToolCmd";
    static constexpr const char* kUsage = "Usage: TorvaSelectToolCmd -name \"nameOfTool\" 1 to select.";

    static void* Creator() { return new TorvaSelectToolCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
