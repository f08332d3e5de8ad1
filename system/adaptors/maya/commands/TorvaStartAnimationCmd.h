#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaStartAnimationCmd": Starts real-time playback and recording.
class TorvaStartAnimationCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaStartAnimationCmd";

    static void* Creator() { return new TorvaStartAnimationCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
