#pragma once

#include <string>
#include <vector>

namespace vex::orb::adaptor::maya {

/// The hotkeys the plug-in binds in Maya, each replaced binding kept as a MEL string that puts it
/// back: the start key for as long as the plug-in is loaded, the run keys while a take runs.
class Hotkeys {
public:
    enum Flag : int {
        kStart = 1,        ///< Ctrl+Alt+Space starts a take
        kRun = 2,          ///< "+" and "-" change the slow-motion level, Space stops
        kRestoreRun = 4,   ///< puts back what kRun replaced
        kRestoreStart = 8, ///< puts back what kStart replaced
    };

    /// Applies the flags' bindings and restores, in the order of the flag values.
    static void Apply(int flags);
    /// Binds `key` (with MEL modifier flags such as "-ctl -alt") to the command `command`; answers
    /// the MEL that restores the binding it replaced (empty when the key was free).
    static std::string Bind(const std::string& key, const std::string& modifiers, const std::string& command);

private:
    static std::vector<std::string>& RunRestores();
    static std::string& StartRestore();
};

} // namespace vex::orb::adaptor::maya
