#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaReSimulateCmd": Re-simulates from the current time to the end of the playback range.
class TorvaReSimulateCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaReSimulateCmd";

    static void* Creator() { return new TorvaReSimulateCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
