#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaIncSlowFactorCmd": One slow-motion level more, at most 10.
class TorvaIncSlowFactorCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaIncSlowFactorCmd";
    static constexpr int kMostSlow = 10;

    static void* Creator() { return new TorvaIncSlowFactorCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
