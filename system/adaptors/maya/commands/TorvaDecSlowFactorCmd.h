#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaDecSlowFactorCmd": One slow-motion level less, at least 1.
class TorvaDecSlowFactorCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaDecSlowFactorCmd";

    static void* Creator() { return new TorvaDecSlowFactorCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
