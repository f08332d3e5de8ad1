#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaDeleteToolCmd": -name instance: deletes it and its nodes.
class TorvaDeleteToolCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaDeleteToolCmd";
    static constexpr const char* kUsage = "Usage: TorvaDeleteToolCmd -name \"nameOfTool\".";

    static void* Creator() { return new TorvaDeleteToolCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
