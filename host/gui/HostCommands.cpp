#include "host/gui/HostCommands.h"

#include "host/command/CommandCall.h"
#include "host/scene/CommandEngine.h"

namespace vex::host::gui {

bool RunCommand(const std::string& name, const std::vector<CommandArg>& args, bool undoable) {
    command::CommandCall call;
    call.name = name;
    for (const CommandArg& arg : args) call.args.push_back({arg.value, arg.isFlag});
    return static_cast<bool>(CommandEngine::get().Execute(CommandEngine::CallText(call), false, undoable));
}

} // namespace vex::host::gui
