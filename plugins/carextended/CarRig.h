#pragma once

#include <array>

namespace vex::orb {
class SceneNode;
}

namespace vex::orb::addon {

/// The scene nodes a car tool drives, by role; a tool without a node of some role leaves it null. The
/// nodes are members of the tool and outlive the rig.
struct CarRig {
    SceneNode* gravity = nullptr;
    SceneNode* base = nullptr;
    SceneNode* body = nullptr;
    SceneNode* chassisRelocator = nullptr;
    SceneNode* steeringWheel = nullptr;
    SceneNode* driverCam = nullptr;
    SceneNode* turnBase = nullptr;
    SceneNode* externalForce = nullptr;
    SceneNode* target = nullptr;
    SceneNode* followCam = nullptr;
    SceneNode* topViewCam = nullptr;
    /// Where the wheels are rigged: the relocators, or the wheels themselves in a rig without them.
    std::array<SceneNode*, 4> wheelRelocators{};
    std::array<SceneNode*, 4> wheels{};
    std::array<SceneNode*, 4> wheelCenters{};
    std::array<SceneNode*, 4> wheelSuspensions{};
};

} // namespace vex::orb::addon
