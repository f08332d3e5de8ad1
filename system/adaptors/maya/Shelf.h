#pragma once

#include <string>

namespace vex::orb::adaptor::maya {

/// The plug-in's shelf tab "TorvaPanel" with its one button, "Start Torva Suite".
class Shelf {
public:
    static constexpr const char* kName = "TorvaPanel";

    /// The MEL that adds the tab and its button unless the tab exists already; `icon` is the
    /// button's image (backslashes become forward slashes).
    static std::string CreateMel(const std::string& icon);
    /// The MEL that deletes the tab when it exists.
    static std::string DeleteMel();
};

} // namespace vex::orb::adaptor::maya
