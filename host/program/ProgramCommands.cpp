#include "host/program/ProgramCommands.h"

#include "host/program/PathPlotCommand.h"
#include "host/program/ProcessEventsCommand.h"
#include "host/program/QuitCommand.h"
#include "host/program/VirtualJoystickCommand.h"
#include "host/scene/CommandRegistry.h"

#include <memory>

namespace vex::host::program {

namespace {

struct ProgramCommand {
    const char* name;
    CommandRegistry::Creator creator;
    CommandSyntax (*syntax)();
};

// Waiting for the real-time loops, plugging in scripted controllers, plotting paths and quitting.
constexpr ProgramCommand kCommands[] = {
    {"processEvents", &ProcessEventsCommand::Creator, &ProcessEventsCommand::Syntax},
    {"virtualJoystick", &VirtualJoystickCommand::Creator, &VirtualJoystickCommand::Syntax},
    {"pathPlot", &PathPlotCommand::Creator, &PathPlotCommand::Syntax},
    {"quit", &QuitCommand::Creator, &QuitCommand::Syntax}};

} // namespace

void InstallProgramCommands() {
    CommandRegistry& registry = CommandRegistry::get();
    for (const ProgramCommand& command : kCommands)
        if (registry.Find(command.name) == nullptr)
            registry.Add(command.name, command.creator, "",
                         std::make_shared<const CommandSyntax>(command.syntax()));
}

} // namespace vex::host::program
