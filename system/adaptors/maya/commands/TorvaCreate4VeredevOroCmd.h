#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaCreate4VeredevOroCmd": Creates an instance of the tool type "4VeredevOro" standing on the selected
/// ground mesh; the result is its name.
class TorvaCreate4VeredevOroCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaCreate4VeredevOroCmd";

    static void* Creator() { return new TorvaCreate4VeredevOroCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
