#pragma once

#include "host/builtins/CommandContext.h"
#include "host/scene/CommandSyntax.h"

#include <string>

namespace vex::host::builtins {

/// "help": the registered commands in name order, one per line. "help name": the command's synopsis
/// and its flags, as the host prints them:
///     Synopsis: move [flags] [Float] [Float] [Float] [String...]
///     Flags:
///        -a -absolute
/// An unknown name is an error naming it.
bool HelpCommand(CommandContext& context);

/// The synopsis text of a command with that syntax (null: a command that declares none).
std::string SynopsisText(const std::string& name, const CommandSyntax* syntax);

} // namespace vex::host::builtins
