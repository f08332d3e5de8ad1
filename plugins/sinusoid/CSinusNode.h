#pragma once

#include "interface/SceneNode.h"

namespace vex::orb::addon {

/// "SinusNode", the node the wave moves: every step it is placed the wave's value along the y-axis of
/// the reference node, keeping its own rotation and scale.
class CSinusNode : public SceneNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "SinusNode";

    /// The sinus node of `tool`, moved along `reference` (which must outlive it), not created yet.
    CSinusNode(CCamera* tool, const SceneNode& reference);

    /// Creates the host node with the sine-wave helper, at the identity at the current time.
    bool create() override;
    /// Places the node at `value` along the reference's y-axis at host time `t` (the reference reads
    /// as the identity when it cannot be obtained; its own matrix likewise).
    void update(double t) override;

    /// The wave value the next update places the node at.
    double value = 0.0;

private:
    const SceneNode& reference_;
};

/// "Reference Node", whose world matrix gives the origin and the axis of the motion: a small box.
class CReferenceNode : public SceneNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "Reference Node";

    /// The reference node of `tool`, not created yet.
    explicit CReferenceNode(CCamera* tool) : SceneNode(tool, kName) {}

    /// Creates the host node with a box helper, at the identity at the current time.
    bool create() override;
    /// Nothing: the user places and animates the reference.
    void update(double t) override;
};

} // namespace vex::orb::addon
