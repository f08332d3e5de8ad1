#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaRenameToolCmd": -name instance, then its new name.
class TorvaRenameToolCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaRenameToolCmd";
    static constexpr const char* kUsage = "Usage: TorvaRenameToolCmd -name \"nameOfTool\" \"newName\".";

    static void* Creator() { return new TorvaRenameToolCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
