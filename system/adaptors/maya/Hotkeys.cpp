#include "system/adaptors/maya/Hotkeys.h"

#include "system/adaptors/maya/MelText.h"

#include <maya/MGlobal.h>
#include <maya/MString.h>

namespace vex::orb::adaptor::maya {
namespace {

void Run(const std::string& mel) {
    MGlobal::executeCommand(MString(mel.c_str()));
}

} // namespace

std::vector<std::string>& Hotkeys::RunRestores() {
    static std::vector<std::string> restores;
    return restores;
}

std::string& Hotkeys::StartRestore() {
    static std::string restore;
    return restore;
}

std::string Hotkeys::Bind(const std::string& key, const std::string& modifiers, const std::string& command) {
    const std::string quotedKey = MelText::Quote(key);
    const std::string query =
        key == "-" ? "hotkey -q -name Dash " + modifiers : "hotkey -q -name " + quotedKey + " " + modifiers;
    MString present;
    MGlobal::executeCommand(MString(query.c_str()), present);
    std::string restore;
    if (present.length() > 0)
        restore = "hotkey -k " + quotedKey + " " + modifiers + " -name " + std::string(present.asChar());
    Run("nameCommand -ann " + command + " -c " + command + " " + command);
    Run("hotkey -k " + quotedKey + " " + modifiers + " -name " + command);
    return restore;
}

void Hotkeys::Apply(int flags) {
    if (flags & kStart) StartRestore() = Bind("Space", "-ctl -alt", "TorvaStartAnimationCmd");
    if (flags & kRun) {
        for (const auto& [key, command] : {std::pair<const char*, const char*>{"+", "TorvaIncSlowFactorCmd"},
                                           {"-", "TorvaDecSlowFactorCmd"},
                                           {"Space", "TorvaStopAnimationCmd"}}) {
            const std::string restore = Bind(key, "", command);
            if (!restore.empty()) RunRestores().push_back(restore);
        }
    }
    if (flags & kRestoreRun) {
        while (!RunRestores().empty()) {
            Run(RunRestores().back());
            RunRestores().pop_back();
        }
    }
    if ((flags & kRestoreStart) && !StartRestore().empty()) {
        Run(StartRestore());
        StartRestore().clear();
    }
}

} // namespace vex::orb::adaptor::maya
