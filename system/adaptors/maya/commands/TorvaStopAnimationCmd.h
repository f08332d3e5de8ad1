#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaStopAnimationCmd": Stops the recording.
class TorvaStopAnimationCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaStopAnimationCmd";

    static void* Creator() { return new TorvaStopAnimationCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
