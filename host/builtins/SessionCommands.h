#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "undoInfo [-q] [-st bool] [-swf bool] [-ock] [-cck [-cn name]] [-un] [-infinity bool] [-l n]": turns
/// undo on or off (-st off also forgets the queue unless -swf off), opens and closes chunks (what runs
/// in one is one undo step), and answers the state (-q -st), the next undo's text (-q -un), and the
/// queue length settings, which are kept but not enforced.
bool UndoInfoCommand(CommandContext& context);
/// "about -v | -api | -os | -linux | -batch | -osv": the host's version, API number, operating system,
/// whether it runs on Linux, whether it runs without a window and the system's name and release.
bool AboutCommand(CommandContext& context);
/// "optionVar -iv name n | -fv name x | -sv name text | -iva/-fva/-sva name value" sets (the array forms
/// append); "-q name" answers, "-ex name" tells whether it exists, "-rm name" removes, "-ca name"
/// clears an array. Kept for the session.
bool OptionVarCommand(CommandContext& context);

/// Whether built-in commands enter the undo queue (undoInfo -st).
bool UndoEnabled();

} // namespace vex::host::builtins
