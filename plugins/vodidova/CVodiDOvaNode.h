#pragma once

#include "plugins/common/CFreeCameraNode.h"

namespace vex::orb::addon {

/// The camera "VodiDOva" that the zero-gravity body moves.
class CVodiDOvaNode : public CFreeCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "VodiDOva";

    /// The camera of `tool`, not created yet.
    explicit CVodiDOvaNode(CCamera* tool) : CFreeCameraNode(tool, kName) {}
};

} // namespace vex::orb::addon
