#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaCloneToolCmd": -name instance: clones it with its scene nodes; the result is the clone's name.
class TorvaCloneToolCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaCloneToolCmd";
    static constexpr const char* kUsage = "Usage: TorvaCloneToolCmd -name \"nameOfTool\".";

    static void* Creator() { return new TorvaCloneToolCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
