#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaCreateToolCmd": -name tool type: creates an instance (a vehicle stands on the selected ground mesh);
/// the result is its name (empty when none was made).
class TorvaCreateToolCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaCreateToolCmd";

    static void* Creator() { return new TorvaCreateToolCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
