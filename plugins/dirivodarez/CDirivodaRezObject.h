#pragma once

#include "plugins/common/CFreeCameraObject.h"
#include "plugins/common/CHumanoidNode.h"
#include "plugins/dirivodarez/CDirivodaRezNode.h"
#include "plugins/dirivodarez/FlightStateCodec.h"
#include "plugins/dirivodarez/FreeFlight.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// The DirivodaRez tool: a free-flying camera the user flies in any direction and at any speed and
/// turns in real time (the motion is described in FreeFlight.h), with a walk cycle, camera shake and
/// regulators that pull it back to a remembered pose or level its roll. Parented to a moving object
/// or a path, it films from there: its pose is local to its parent. A human figure shows the scale.
///
/// A take records the flight's whole state per frame, so a re-simulation repeats the take exactly and
/// a take started at a recorded frame goes on from that frame's state, unless the camera was moved
/// away from where the take left it: then the flight starts at rest where the camera is.
class CDirivodaRezObject : public CFreeCameraObject {
public:
    /// Name of the saved-state record.
    static constexpr const char* kRecordName = "DirivodaRezDataChunk";
    /// Exponent every input channel is shaped with.
    static constexpr double kChannelExponent = 1.3;
    /// "Allow Roll", in "Camera Modes".
    static constexpr const char* kAllowRoll = "Allow Roll";
    /// Names of the input channels, in FreeFlightInputIndex order.
    static constexpr std::array<const char*, kFlightInputCount> kInputNames{
        "Forw/Backw Speed",      "Right/Left Speed",        "Up/Down Speed",        "Yaw Speed (Right/Left)",
        "Pitch Speed (Up/Down)", "Roll Speed (Right/Left)", "Cam Shaker Amplitude", "Walk Cycle Amplitude",
        "Transl MemRegulator",   "Orient MemRegulator",     "Save MemReg State",    "Anti-Roll Regulator"};

    /// The full tool: all twelve channels; default settings, no nodes yet.
    explicit CDirivodaRezObject(const CreateParam& param) : CDirivodaRezObject(param, kFlightInputCount) {}

    /// Starts the flight at `t`: from the state recorded at `t` when the camera is where that take left
    /// it, else at rest at the camera's pose; reads the lens and hides the figure when asked to.
    void begin(double t) override;
    /// Reads the channels, flies a frame and writes the camera's transform and lens at `t`.
    void step(double t) override;
    /// "General Modes", "Camera Modes", "Camera Parameters" and "Input Property Parameters".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    /// The settings and the recorded states.
    std::vector<RecordField> RecordFields() override;

    FreeFlightParameters parameters;
    FreeFlightState state;
    /// The states of the takes, per frame.
    FlightStateRecord record;
    /// The channels declared in buildConfiguration, in input order (the reduced tool leaves the last
    /// ones null); owned by the instance.
    std::array<unidevice::Property*, kFlightInputCount> channels{};

    CDirivodaRezNode camera;
    CHumanoidNode humanoid;

protected:
    /// A tool with the first `channelCount` channels only.
    CDirivodaRezObject(const CreateParam& param, std::size_t channelCount);

    /// The input channels, before the page.
    void DeclareChannels() override;

private:
    std::size_t channelCount_;
};

} // namespace vex::orb::addon
