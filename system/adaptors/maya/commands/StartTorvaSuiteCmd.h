#pragma once

#include "system/adaptors/maya/commands/ToolCommand.h"

namespace vex::orb::adaptor::maya {

/// "TorvaShowUICmd": Opens the core's main window under Maya's main window, or brings it forward.
class StartTorvaSuiteCmd : public ToolCommand {
public:
    static constexpr const char* kName = "TorvaShowUICmd";

    static void* Creator() { return new StartTorvaSuiteCmd; }
    MStatus doIt(const MArgList& args) override;
};

} // namespace vex::orb::adaptor::maya
