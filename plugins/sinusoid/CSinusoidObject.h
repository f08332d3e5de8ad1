#pragma once

#include "plugins/common/COutputChannel.h"
#include "plugins/common/CToolObject.h"
#include "plugins/sinusoid/CSinusNode.h"
#include "util/AVar_Linear.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::addon {

/// The Sinusoid accessory: moves "SinusNode" up and down along the y-axis of "Reference Node" as a
/// sine wave whose amplitude and angular frequency follow the user's settings smoothly, and publishes
/// the wave's value as the virtual control "Sinus value" that other tools can bind.
class CSinusoidObject : public CToolObject {
public:
    /// Name of the saved-state record.
    static constexpr const char* kChunkName = "Sinus";
    /// Name of the virtual control the wave's value is published as.
    static constexpr const char* kOutputName = "Sinus value";
    /// The button that computes the value at the host's current time.
    static constexpr const char* kUpdateValues = "Update Values";
    /// Events that change the sinus node's helper display.
    static constexpr const char* kHideHelpers = "Hide Helpers";
    static constexpr const char* kWireframeMode = "Wireframe Mode";

    /// Copies the plug-in and the instance name; the nodes are not created yet.
    explicit CSinusoidObject(const CreateParam& param);

    /// The value at host time `t`: amplitude and angular frequency follow the user settings one frame
    /// on from their recorded values at t - frame (and are recorded at `t`), then the wave is taken.
    double ValueAt(double t);
    /// The value ValueAt(t) would give, with nothing recorded.
    double PreviewAt(double t) const;

    /// Starts a take at `t`: the current value for t + frame, undo records of the settings, the
    /// recorded settings restarted from the user values at t + frame, helpers hidden when asked.
    void begin(double t) override;
    /// Ends the take; helpers hidden only for the recording are shown again.
    void end() override;
    /// Places the sinus node, updates the output control and refreshes the page.
    void step(double t) override;
    /// Shows the value recorded for `t` (no keys are written) and refreshes the page.
    void timeChanged(double t) override;
    /// The "Sinus Values" and "General Modes" groups.
    ToolPage Page() override;
    std::string RecordName() const override { return kChunkName; }
    /// The current value, the user settings, the flags and the smoothed settings by time.
    std::vector<RecordField> RecordFields() override;

    /// Extension 40 with the output control: pushes the wave's value into it and returns 1 (during a
    /// take the value of the step being recorded, else the value at the host's current time); any
    /// other id or pointer returns 0.
    int extension(int id, void* data) override;
    /// {40}.
    std::vector<int32_t> getExtensionIds() const override;

    /// "Update Values", "Hide Helpers", "Wireframe Mode" and the "REALUNDO"/"REALREDO" events.
    void onEvent(std::string name) override;

    /// Shows or hides both nodes as "Hide Helpers" says and redraws the view.
    void ApplyHelperVisibility();

    /// "Current Value": the last computed value.
    double currentValue = 0.0;
    /// "Amplitude" and "Angular Frequency" (radians per second) as the user or a channel set them.
    double userAmplitude = 1.0;
    double userFrequency = 1.0;
    /// "Response Factor" with which amplitude and frequency follow the user values (not saved).
    double responseFactor = 0.1;
    /// The smoothed amplitude and angular frequency by time.
    util::AVar_Linear<double> amplitude{1.0};
    util::AVar_Linear<double> frequency{1.0};
    /// Between begin and end.
    bool running = false;
    /// "Absolute Values": the magnitude of the wave.
    bool absolute = false;
    /// "Hide Helpers During Recording".
    bool hideDuringRecording = false;
    /// "Hide Helpers" (no page item; kept in the saved state).
    bool hideHelpers = false;
    /// "Sinus value", or null when the core offers no virtual controls.
    std::unique_ptr<COutputChannel> output;
    /// The node whose world matrix gives the origin and axis of the motion.
    CReferenceNode referenceNode;
    /// The moving node; declared after the reference, whose node it reads.
    CSinusNode sinusNode;

protected:
    /// The output control "Sinus value", when the core offers virtual controls.
    void DeclareOutputs() override;
};

} // namespace vex::orb::addon
