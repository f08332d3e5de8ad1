#pragma once

#include "interface/SceneNode.h"

#include <string>

namespace vex::orb::addon {

/// A tool node that is a host camera: created through CInterface::createNode under its name (under
/// the world, or under another node of the tool) and found by that name when a saved instance is
/// restored. Its step does nothing unless a derived
/// class says otherwise.
class CCameraNode : public SceneNode {
public:
    /// The camera `name` of `tool` under `parent`'s node (null: the world; it must outlive the camera),
    /// not created yet; with `identityOnCreate` its world matrix is set to the identity at the current
    /// time when it is created.
    CCameraNode(CCamera* tool, std::string name, bool identityOnCreate, const SceneNode* parent = nullptr);

    /// Creates the host camera (and sets the identity when asked to); true when it exists.
    bool create() override;
    /// Nothing: a plain camera is moved by the user or by its tool's own code.
    void update(double t) override;

    /// The lens's field of view (degrees) and focus distance at `t`; false (both untouched) without
    /// a lens.
    bool ReadLens(double t, double& fieldOfView, double& focusDistance) const;
    /// Sets the lens's field of view and focus distance at `t`, each only when its flag is set.
    void WriteLens(double t, bool setFieldOfView, double fieldOfView, bool setFocusDistance,
                   double focusDistance) const;

private:
    bool identityOnCreate_;
    const SceneNode* parent_;
};

} // namespace vex::orb::addon
