#include "plugins/sinusoid/CSinusoidObject.h"

#include "interface/CVariableModUndo.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/ToolEvents.h"
#include "plugins/sinusoid/SinusWave.h"
#include "unidevice/ControlKind.h"

#include <numbers>
#include <optional>
#include <string_view>

namespace vex::orb::addon {
namespace {

constexpr std::string_view kValueKey = "sinusVal";
constexpr std::string_view kUserAmplitudeKey = "userAmplitude";
constexpr std::string_view kUserFrequencyKey = "userFrequency";
constexpr std::string_view kAbsoluteKey = "sinusAbs";
constexpr std::string_view kFlagsKey = "sDataChunkSaveStruct";
constexpr std::string_view kAmplitudeKey = "amplitude";
constexpr std::string_view kFrequencyKey = "frequency";

// Every spinner of the page shows ten steps per unit of its setting.
constexpr int32_t kSpinnerSetting = 10;
// The display flag the "Wireframe Mode" event passes to the sinus node's helper.
constexpr int kWireframeFlag = 1;

} // namespace

CSinusoidObject::CSinusoidObject(const CreateParam& param)
    : CToolObject(param, {&referenceNode, &sinusNode}), referenceNode(this), sinusNode(this, referenceNode) {
    amplitude.set(0.0, 1.0);
    frequency.set(0.0, 1.0);
}

double CSinusoidObject::ValueAt(double t) {
    const double dt = core->getFrameDuration();
    const double a = FollowSetting(amplitude, userAmplitude, responseFactor, t, dt);
    const double w = FollowSetting(frequency, userFrequency, responseFactor, t, dt);
    return WaveValue(a, w, t, absolute);
}

double CSinusoidObject::PreviewAt(double t) const {
    const double dt = core->getFrameDuration();
    const double a = FollowedSetting(amplitude, userAmplitude, responseFactor, t, dt);
    const double w = FollowedSetting(frequency, userFrequency, responseFactor, t, dt);
    return WaveValue(a, w, t, absolute);
}

void CSinusoidObject::begin(double t) {
    const double dt = core->getFrameDuration();
    running = true;
    currentValue = ValueAt(t + dt);
    core->addUndo(new CVariableModUndo<double>(&currentValue));
    core->addUndo(new CVariableModUndo<bool>(&absolute));
    core->addUndo(new CVariableModUndo<double>(&responseFactor));
    core->addUndo(new CVariableModUndo<double>(&userAmplitude));
    core->addUndo(new CVariableModUndo<double>(&userFrequency));
    amplitude.TruncateFrom(t + dt);
    amplitude.set(t + dt, userAmplitude);
    frequency.TruncateFrom(t + dt);
    frequency.set(t + dt, userFrequency);
    core->refreshConfiguration();
    if (hideDuringRecording || hideHelpers) {
        sinusNode.hide();
        referenceNode.hide();
    }
}

void CSinusoidObject::end() {
    CToolObject::end();
    running = false;
    if (hideDuringRecording && !hideHelpers) {
        sinusNode.show();
        referenceNode.show();
    }
}

void CSinusoidObject::step(double t) {
    currentValue = ValueAt(t);
    sinusNode.value = currentValue;
    sinusNode.update(t);
    extension(kOutputChannelValue, output.get());
    core->refreshConfiguration();
}

void CSinusoidObject::timeChanged(double t) {
    // Only shows what was recorded: scrubbing must not rewrite the take.
    currentValue = WaveValue(amplitude.get(t), frequency.get(t), t, absolute);
    core->refreshConfiguration();
}

ToolPage CSinusoidObject::Page() {
    constexpr double kMaxFrequency = 100.0 * std::numbers::pi;
    return {
        {.name = "Sinus Values",
         .items = {ButtonItem{.name = kUpdateValues,
                              .help = "Click this button to update the Sinus Value.",
                              .callback = this},
                   SpinnerItem{.name = "Current Value",
                               .help = "Shows the Sinus Value.",
                               .value = &currentValue,
                               .min = -1.0,
                               .max = 1.0,
                               .step = 0.01,
                               .setting = kSpinnerSetting},
                   SpinnerItem{.name = "Angular Frequency",
                               .help = "Sets the angular frequency.",
                               .value = &userFrequency,
                               .min = -kMaxFrequency,
                               .max = kMaxFrequency,
                               .step = std::numbers::pi / 4.0,
                               .setting = kSpinnerSetting,
                               .channel = true},
                   SpinnerItem{.name = "Amplitude",
                               .help = "Sets the amplitude of the sinus wave.",
                               .value = &userAmplitude,
                               .min = -100.0,
                               .max = 100.0,
                               .step = 0.1,
                               .setting = kSpinnerSetting,
                               .channel = true},
                   SpinnerItem{.name = "Response Factor",
                               .help = "Sets the Response Factor for the amplitude and frequency.",
                               .value = &responseFactor,
                               .min = 0.0,
                               .max = 1.0,
                               .step = 0.01,
                               .setting = kSpinnerSetting,
                               .channel = true},
                   CheckBoxItem{.name = "Absolute Values",
                                .help = "Set the sinus to absolute values.",
                                .value = &absolute,
                                .callback = this}}},
        {.name = "General Modes",
         .items = {CheckBoxItem{.name = "Hide Helpers During Recording",
                                .help = "Hide Helpers During Recording",
                                .value = &hideDuringRecording}}},
    };
}

void CSinusoidObject::DeclareOutputs() {
    if (!core->hasExtension(CInterface::kAddVirtualControl)) return;
    output = std::make_unique<COutputChannel>(kOutputName, unidevice::kFiniteControl);
    output->Push(0.0);
    core->extension(CInterface::kAddVirtualControl, output.get());
}

std::vector<RecordField> CSinusoidObject::RecordFields() {
    // A record from before the user settings were kept starts them at 1, not at 0.
    return {{kValueKey, currentValue},
            {kUserAmplitudeKey, userAmplitude, 1.0},
            {kUserFrequencyKey, userFrequency, 1.0},
            {kAbsoluteKey, absolute},
            {kFlagsKey, {&hideDuringRecording, &hideHelpers}},
            {kAmplitudeKey, amplitude},
            {kFrequencyKey, frequency}};
}

int CSinusoidObject::extension(int id, void* data) {
    if (id != kOutputChannelValue || data == nullptr || data != output.get()) return 0;
    // The loop moves the host's clock on after its steps, so during a take the host's time is the
    // previous tick's: the step's own value is the one being recorded. Reading the output never
    // records anything, so a take re-simulates to the same values.
    output->Push(running ? currentValue : PreviewAt(core->getCurrentTime()));
    return 1;
}

std::vector<int32_t> CSinusoidObject::getExtensionIds() const {
    return {kOutputChannelValue};
}

void CSinusoidObject::onEvent(std::string name) {
    const ToolEvent parsed = ParseToolEvent(name);
    const std::string_view event = parsed.item;
    if (parsed.undo || parsed.redo) {
        // The undo records already put the values back; what they show is applied again.
        ApplyHelperVisibility();
        core->refreshConfiguration();
        return;
    }
    if (event == kUpdateValues) {
        currentValue = PreviewAt(core->getCurrentTime());
        core->refreshConfiguration();
    } else if (event == kHideHelpers) {
        ApplyHelperVisibility();
    } else if (event == kWireframeMode) {
        sinusNode.setDisplayFlag(kWireframeFlag);
        core->refreshView();
    }
}

void CSinusoidObject::ApplyHelperVisibility() {
    SetVisible(sinusNode, !hideHelpers);
    SetVisible(referenceNode, !hideHelpers);
    core->refreshView();
}

} // namespace vex::orb::addon
