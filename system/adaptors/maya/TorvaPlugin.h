#pragma once

#include <maya/MObject.h>
#include <maya/MStatus.h>

namespace vex::orb::adaptor::maya {

/// What Maya's loading and unloading of the plug-in does: the data folders, the shelf, the
/// fourteen commands, the two storage node types and the callbacks, and taking them out again.
class TorvaPlugin {
public:
    static constexpr const char* kVendor = "Torva Labs";
    static constexpr const char* kVersion = "7.0";

    /// The whole load; the first failing registration reports its text and answers its status.
    static MStatus Load(MObject plugin);
    /// The whole unload; a failing deregistration reports its text and answers its status.
    static MStatus Unload(MObject plugin);
};

} // namespace vex::orb::adaptor::maya
