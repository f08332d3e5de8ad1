#pragma once

#include "plugins/common/CToolObject.h"
#include "plugins/common/StateRecord.h"
#include "plugins/humanizercam/CHumanizerCamNode.h"
#include "plugins/humanizercam/HandShake.h"
#include "unidevice/PropertyFactory.h"

#include <array>
#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// The HumanizerCam tool: one camera ("HumanizerCam") that the user parents to an animated camera or
/// object. While a take runs, the camera follows its parent and wobbles about its rest pose as a
/// hand-held camera does: a seeded, smooth random shake per axis with its own amplitude and frequency,
/// scaled by the "Shake Amplitude" and "Shake Frequency" channels and growing when the parent moves
/// fast (HandShake.h gives the model).
///
/// A take records the whole shake state per frame, so a re-simulation repeats the take exactly and a
/// take started at a recorded frame goes on from that frame's state; elsewhere a take starts afresh
/// from the seed, about the rest pose the earlier takes used ("Re-Initialize" forgets them, so the
/// next take takes the camera's place under its parent then as its rest pose).
class CHumanizerCamObject : public CToolObject {
public:
    /// Name of the saved-state record.
    static constexpr const char* kRecordName = "HumanizerCamDataChunk";
    /// Names of the gain channels, in ShakeInput order.
    static constexpr std::array<const char*, kShakeInputCount> kInputNames{"Shake Amplitude",
                                                                           "Shake Frequency"};
    /// Names of the axes on the page, in ShakeAxis order.
    static constexpr std::array<const char*, kShakeAxisCount> kAxisNames{"X",   "Y",     "Z",
                                                                         "Yaw", "Pitch", "Roll"};

    /// Page item names (they double as help texts).
    static constexpr const char* kHideCamera = "Hide Camera";
    static constexpr const char* kReinitialize = "Re-Initialize";

    /// Copies the plug-in and the instance name; default settings, no nodes yet.
    explicit CHumanizerCamObject(const CreateParam& param);

    /// Starts at `t` from the state recorded there, else afresh from the seed.
    void begin(double t) override;
    /// Reads the channels, shakes a frame on and writes the camera at `t`.
    void step(double t) override;
    /// "General Modes", "Translation Shake", "Rotation Shake", "Motion Shake", "Noise", "Input
    /// Property Parameters".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    /// The settings and the recorded states.
    std::vector<RecordField> RecordFields() override;

    /// Page and undo notifications: "Hide Camera" and "Re-Initialize".
    void onEvent(std::string name) override;

    /// The page's shake settings.
    ShakeSettings settings;
    /// The shake state of the last step.
    ShakeState state;
    /// The states of the takes, per frame.
    StateRecord<ShakeState> record;
    bool hideCamera = false;
    /// The gain channels declared in buildConfiguration, in input order; owned by the instance.
    std::array<unidevice::Property*, kShakeInputCount> channels{};

    CHumanizerCamNode camera;

protected:
    /// The gain channels, before the page.
    void DeclareChannels() override;
    /// Selects the new camera.
    void Created() override;

private:
    /// The spinners of the axes `first` to `last` (inclusive).
    std::vector<PageItem> AxisItems(std::size_t first, std::size_t last);

    unidevice::PropertyFactory channelFactory_;
};

} // namespace vex::orb::addon
