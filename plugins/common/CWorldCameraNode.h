#pragma once

#include "plugins/common/CCameraNode.h"

#include <string>
#include <utility>

namespace vex::orb::addon {

/// A camera whose tool computes its world matrix: each step writes `worldMatrix` as the camera's
/// world transform, whatever the camera is parented to.
class CWorldCameraNode : public CCameraNode {
public:
    /// The camera `name` of `tool`, not created yet; see CCameraNode for `identityOnCreate`.
    CWorldCameraNode(CCamera* tool, std::string name, bool identityOnCreate)
        : CCameraNode(tool, std::move(name), identityOnCreate) {}

    /// Writes `worldMatrix` as the camera's world matrix at `t`.
    void update(double t) override;
};

} // namespace vex::orb::addon
