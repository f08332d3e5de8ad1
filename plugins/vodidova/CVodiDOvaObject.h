#pragma once

#include "plugins/common/CFreeCameraObject.h"
#include "plugins/common/CHumanoidNode.h"
#include "plugins/vodidova/CVodiDOvaNode.h"
#include "plugins/vodidova/ZeroGravityBody.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// The VodiDOva tool: a camera that moves as a rigid body in zero gravity. Six channels push it with
/// forces and torques along its own axes, four brake it; nothing else slows it down, so every push
/// lasts until it is braked away. A human figure beside it shows the scale of the rig.
class CVodiDOvaObject : public CFreeCameraObject {
public:
    /// Size of the saved-state record.
    static constexpr std::size_t kRecordSize = 200;
    /// Exponent every input channel is shaped with.
    static constexpr double kChannelExponent = 1.3;
    /// Names of the input channels, in the order of the body's inputs.
    static constexpr std::array<const char*, kBodyInputCount> kInputNames{
        "Forw/Backw Force",      "Right/Left Force",        "Up/Down Force",  "Yaw Force (Right/Left)",
        "Pitch Force (Up/Down)", "Roll Force (Right/Left)", "Airplane Brake", "Brake All",
        "Translational Brake",   "Rotational Brake"};

    /// Copies the plug-in and the instance name; default inputs and settings, no nodes yet.
    explicit CVodiDOvaObject(const CreateParam& param);

    /// Primes the body from the camera's last three frames so that it moves on smoothly from `t`,
    /// reads the lens and hides the figure when asked to.
    void begin(double t) override;
    /// Reads the channels, runs the body for a frame and writes the camera's transform and lens at `t`.
    void step(double t) override;
    /// "Hide Modes", "Camera Parameters" and "Input Property Parameters".
    ToolPage Page() override;
    /// Finds both nodes, reads the lens and the saved 200-byte record; 1 when a node is missing or
    /// the record has another size.
    int restore() override;
    /// Writes the 200-byte record into the tool data.
    int store() override;

    /// The saved-state record of the current settings.
    std::array<uint8_t, kRecordSize> MakeRecord() const;

    ZeroGravityBody body;
    /// The channels declared in buildConfiguration, in input order; owned by the instance.
    std::array<unidevice::Property*, kBodyInputCount> channels{};

    /// Kept in the saved state; the page offers no item for it.
    bool allowRoll = true;

    CVodiDOvaNode camera;
    CHumanoidNode humanoid;

protected:
    /// The ten input channels, before the page.
    void DeclareChannels() override;

private:
    /// Zeroes the raw values and both filter stages of every input.
    void ReleaseInputs();
};

} // namespace vex::orb::addon
