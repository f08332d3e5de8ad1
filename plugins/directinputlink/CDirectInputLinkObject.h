#pragma once

#include "plugins/common/CCameraNode.h"
#include "plugins/directinputlink/CDirectInputLinkNode.h"
#include "plugins/directinputlink/CLinkToolObject.h"

#include <array>

namespace vex::orb::addon {

/// The channels of a direct link, in input order.
enum DirectInputLinkChannel : std::size_t {
    kLinkForward,
    kLinkRight,
    kLinkUp,
    kLinkYaw,
    kLinkPitch,
    kLinkRoll,
    kLinkChannelCount
};

/// DirectInputLink: six channels moving a camera in its own frame, three translations and three
/// rotations (CLinkToolObject.h). With f0..f5 the channels' filtered values, the link node stands at
/// (f1, f2, −f0) in the cage, turned by q_Y(−f3) ⊗ q_X(f4) ⊗ q_Z(−f5): forward, right and up are
/// positive, and so are yaw to the right, pitch up and roll to the right.
class CDirectInputLinkObject : public CLinkToolObject {
public:
    static constexpr std::array<const char*, kLinkChannelCount> kInputNames{
        "Forw/Backw Transl", "Right/Left Transl", "Up/Down Transl",
        "Yaw (Right/Left)",  "Pitch (Up/Down)",   "Roll (Right/Left)"};
    /// The camera's node name in the host.
    static constexpr const char* kCameraName = "DirectInputLinkCam";

    /// Copies the plug-in and the instance name; default settings, no nodes yet.
    explicit CDirectInputLinkObject(const CreateParam& param);

    util::Matrix<double> LinkMatrix(const Filtered& f) const override;

    CRelativeCageNode cage;
    CDirectInputLinkNode link;
    CCameraNode camera;
};

} // namespace vex::orb::addon
