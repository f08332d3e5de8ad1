#pragma once

#include "plugins/common/CFreeCameraNode.h"

namespace vex::orb::addon {

/// The camera "DirivodaRez" that the free flight moves.
class CDirivodaRezNode : public CFreeCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "DirivodaRez";

    /// The camera of `tool`, not created yet.
    explicit CDirivodaRezNode(CCamera* tool) : CFreeCameraNode(tool, kName) {}
};

} // namespace vex::orb::addon
