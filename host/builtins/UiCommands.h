#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "hotkey -k key [-alt] [-ctl] [-sht] [-cmd] -name nameCommand" binds a key ("Dash" is the "-" key);
/// "hotkey -q -name key [modifiers]" answers the name command bound to it ("" when none).
bool HotkeyCommand(CommandContext& context);
/// "nameCommand [-ann text] -c command name": defines a name command; answers its name.
bool NameCommandCommand(CommandContext& context);
/// "shelfLayout -exists name" answers whether the shelf exists; "shelfLayout name" makes one.
bool ShelfLayoutCommand(CommandContext& context);
/// "layout -exists name": whether the top-level shelf layout or a shelf of that name exists.
bool LayoutCommand(CommandContext& context);
/// "addNewShelfTab name": adds a shelf tab and makes it current.
bool AddNewShelfTabCommand(CommandContext& context);
/// "shelfButton -flag value ...": adds a button to the -parent shelf or the current one.
bool ShelfButtonCommand(CommandContext& context);
/// "deleteShelfTab name": removes a shelf tab with its buttons.
bool DeleteShelfTabCommand(CommandContext& context);
/// "shelfTabLayout -e -st name layout" makes a shelf current; "-q -st" and "-q -ca" answer the current
/// shelf and all shelves.
bool ShelfTabLayoutCommand(CommandContext& context);
/// "confirmDialog -title t -message m -button b ... [-db b]": without a window, prints the message and
/// answers the default button (else the first button).
bool ConfirmDialogCommand(CommandContext& context);
/// "echo args": prints its arguments separated by blanks.
bool EchoCommand(CommandContext& context);

} // namespace vex::host::builtins
