#pragma once

#include "plugins/common/CToolObject.h"
#include "plugins/common/HelperToggle.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/OutputChannels.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace vex::orb::addon {

/// What the rulers share: helper nodes the user attaches to the objects to measure, a measure taken at
/// every step and shown on the page, and outputs other tools bind like joystick axes. A step measures,
/// publishes every output (each through the output-value extension, so the previous value moves on)
/// and refreshes the page; moving the host's time or "Update Values" measures and shows without
/// publishing. A ruler keeps no state between steps, so a re-simulation repeats its take exactly.
class CRulerObject : public CToolObject {
public:
    static constexpr const char* kUpdateValues = "Update Values";

    /// Hides the helpers when asked to, measures at `t` and publishes every output, so that tools
    /// bound to the outputs start from the measure.
    void begin(double t) override;
    /// Shows the helpers hidden for the take again.
    void end() override;
    /// Measures at `t`, publishes every output and refreshes the page.
    void step(double t) override;
    /// Measures at `t` and refreshes the page.
    void timeChanged(double t) override;
    /// "Update Values" and the limit spinners measure again at the host's time.
    void onEvent(std::string name) override;
    /// Output-value requests: the output `data` points to takes its value from the last measure.
    int extension(int id, void* data) override;
    std::vector<int32_t> getExtensionIds() const override;

    /// Takes the measure at `t` into the page's current values.
    virtual void Measure(double t) = 0;
    /// Output `k`'s value from the last measure.
    virtual double OutputValue(std::size_t k) const = 0;

    /// The outputs; none when the host cannot add virtual controls.
    OutputChannels outputs;
    bool hideHelpersDuringRecording = true;

protected:
    /// A ruler named by `param` measuring between `nodes` (members of the derived tool, created in
    /// that order) with the outputs `declared`.
    CRulerObject(const CreateParam& param, std::initializer_list<SceneNode*> nodes,
                 std::vector<OutputChannels::Output> declared);

    /// The outputs, once the page exists.
    void DeclareOutputs() override;
    /// Measures the new helpers.
    void Created() override;
    /// Measures the restored helpers.
    void Restored(bool fromRecord) override;

    /// "General Modes" with "Hide Helpers During Recording".
    static PageGroup GeneralModes(bool& hideHelpersDuringRecording);
    /// The "Update Values" button with `help`.
    ButtonItem UpdateButton(const char* help);
    /// A value spinner of the ruler pages (0 … 10000, step 0.1); a limit (`limit`) measures again when
    /// edited.
    SpinnerItem ValueSpinner(std::string name, std::string help, double& value, bool limit);

private:
    // Every output takes its value from the last measure.
    void Publish();

    std::vector<SceneNode*> helpers_;
    std::vector<OutputChannels::Output> declared_;
    HideDuringRecording hiddenForTake_;
};

} // namespace vex::orb::addon
