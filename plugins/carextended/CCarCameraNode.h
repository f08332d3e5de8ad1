#pragma once

#include "interface/SceneNode.h"

#include <string>

namespace vex::orb::addon {

/// A camera of the vehicle rig under another node of the rig (or the world), written as a local
/// transform.
class CCarCameraNode : public SceneNode {
public:
    /// The camera `name` of `tool` under `parent`'s node (null: the world); `parent` must outlive it.
    CCarCameraNode(CCamera* tool, std::string name, const SceneNode* parent);

    /// Creates the host camera under its parent; true when the host created it.
    bool create() override;
    /// Writes `localMatrix` as the camera's local transform at `t`.
    void update(double t) override;

private:
    const SceneNode* parent_;
};

} // namespace vex::orb::addon
