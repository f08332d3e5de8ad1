#include "host/gui/WindowCommands.h"

#include "host/gui/DockControlCommand.h"
#include "host/gui/LookThroughCommand.h"
#include "host/scene/CommandRegistry.h"

#include <memory>

namespace vex::host::gui {

void InstallWindowCommands() {
    CommandRegistry& registry = CommandRegistry::get();
    if (registry.Find("lookThru") == nullptr)
        registry.Add("lookThru", &LookThroughCommand::Creator, "",
                     std::make_shared<const CommandSyntax>(LookThroughCommand::Syntax()));
    if (registry.Find("dockControl") == nullptr)
        registry.Add("dockControl", &DockControlCommand::Creator, "",
                     std::make_shared<const CommandSyntax>(DockControlCommand::Syntax()));
}

} // namespace vex::host::gui
