#include "plugins/sinusoid/CSinusoidObject.h"

#include "interface/CVariableModUndo.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/ToolEvents.h"
#include "plugins/common/ToolRecord.h"
#include "plugins/sinusoid/SinusWave.h"
#include "unidevice/ControlKind.h"
#include "util/DataChunk.h"

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
    : CCamera(param), referenceNode(this), sinusNode(this, referenceNode) {
    amplitude.set(0.0, 1.0);
    frequency.set(0.0, 1.0);
}

double CSinusoidObject::valueAt(double t) {
    const double dt = core->getFrameDuration();
    const double a = FollowSetting(amplitude, userAmplitude, responseFactor, t, dt);
    const double w = FollowSetting(frequency, userFrequency, responseFactor, t, dt);
    return WaveValue(a, w, t, absolute);
}

double CSinusoidObject::previewAt(double t) const {
    const double dt = core->getFrameDuration();
    const double a = FollowedSetting(amplitude, userAmplitude, responseFactor, t, dt);
    const double w = FollowedSetting(frequency, userFrequency, responseFactor, t, dt);
    return WaveValue(a, w, t, absolute);
}

void CSinusoidObject::begin(double t) {
    const double dt = core->getFrameDuration();
    running = true;
    currentValue = valueAt(t + dt);
    core->addUndo(new CVariableModUndo<double>(&currentValue));
    core->addUndo(new CVariableModUndo<bool>(&absolute));
    core->addUndo(new CVariableModUndo<double>(&responseFactor));
    core->addUndo(new CVariableModUndo<double>(&userAmplitude));
    core->addUndo(new CVariableModUndo<double>(&userFrequency));
    amplitude.truncateFrom(t + dt);
    amplitude.set(t + dt, userAmplitude);
    frequency.truncateFrom(t + dt);
    frequency.set(t + dt, userFrequency);
    core->refreshConfiguration();
    if (hideDuringRecording || hideHelpers) {
        sinusNode.hide();
        referenceNode.hide();
    }
}

void CSinusoidObject::end() {
    running = false;
    if (hideDuringRecording && !hideHelpers) {
        sinusNode.show();
        referenceNode.show();
    }
}

void CSinusoidObject::step(double t) {
    currentValue = valueAt(t);
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

int CSinusoidObject::buildConfiguration() {
    constexpr double kMaxFrequency = 100.0 * std::numbers::pi;
    core->beginConfiguration();
    core->beginGroup("Sinus Values", "");
    core->addButton(kUpdateValues, "Click this button to update the Sinus Value.", this);
    core->addSpinner("Current Value", "Shows the Sinus Value.", &currentValue, -1.0, 1.0, 0.01,
                     kSpinnerSetting, false, 0, nullptr);
    core->addSpinner("Angular Frequency", "Sets the angular frequency.", &userFrequency, -kMaxFrequency,
                     kMaxFrequency, std::numbers::pi / 4.0, kSpinnerSetting, true, 0, nullptr);
    core->addSpinner("Amplitude", "Sets the amplitude of the sinus wave.", &userAmplitude, -100.0, 100.0, 0.1,
                     kSpinnerSetting, true, 0, nullptr);
    core->addSpinner("Response Factor", "Sets the Response Factor for the amplitude and frequency.",
                     &responseFactor, 0.0, 1.0, 0.01, kSpinnerSetting, true, 0, nullptr);
    core->addCheckBox("Absolute Values", "Set the sinus to absolute values.", &absolute, this);
    core->endGroup();
    core->beginGroup("General Modes", "");
    core->addCheckBox("Hide Helpers During Recording", "Hide Helpers During Recording", &hideDuringRecording,
                      nullptr);
    core->endGroup();
    core->endConfiguration();
    if (core->hasExtension(CInterface::kAddVirtualControl)) {
        output = std::make_unique<COutputChannel>(kOutputName, unidevice::kFiniteControl);
        output->push(0.0);
        core->extension(CInterface::kAddVirtualControl, output.get());
    }
    core->refreshConfiguration();
    return 0;
}

int CSinusoidObject::initialize() {
    referenceNode.create();
    sinusNode.create();
    core->refreshConfiguration();
    return 0;
}

int CSinusoidObject::restore() {
    // Both are looked up, so every missing node is reported.
    const bool sinusFound = sinusNode.find();
    const bool referenceFound = referenceNode.find();
    if (!sinusFound || !referenceFound) return 1;

    if (const std::optional<util::DataChunk> record = ReadToolRecord(core)) {
        record->FindChild(kValueKey).Read(currentValue);
        ReadBool(record->FindChild(kAbsoluteKey), absolute);
        // A record from before the user settings were kept starts them at 1, not at 0.
        if (!record->FindChild(kUserAmplitudeKey).Read(userAmplitude)) userAmplitude = 1.0;
        if (!record->FindChild(kUserFrequencyKey).Read(userFrequency)) userFrequency = 1.0;
        ReadSerializedField(record->FindChild(kAmplitudeKey), amplitude);
        ReadSerializedField(record->FindChild(kFrequencyKey), frequency);
        const util::DataChunk& flags = record->FindChild(kFlagsKey);
        if (flags.GetSize() == 2) {
            hideDuringRecording = flags.GetData()[0] != 0;
            hideHelpers = flags.GetData()[1] != 0;
        }
    }
    core->refreshConfiguration();
    return 0;
}

int CSinusoidObject::store() {
    util::DataChunk record(kChunkName, nullptr, 0);
    record.AddChild(util::DataChunk::Make(kValueKey, currentValue));
    record.AddChild(util::DataChunk::Make(kUserAmplitudeKey, userAmplitude));
    record.AddChild(util::DataChunk::Make(kUserFrequencyKey, userFrequency));
    record.AddChild(util::DataChunk::Make(kAbsoluteKey, absolute));
    const uint8_t flags[2] = {static_cast<uint8_t>(hideDuringRecording), static_cast<uint8_t>(hideHelpers)};
    record.AddChild(util::DataChunk(kFlagsKey, flags, sizeof flags));
    record.AddChild(SerializedField(kAmplitudeKey, amplitude));
    record.AddChild(SerializedField(kFrequencyKey, frequency));
    WriteToolRecord(core, record);
    return 0;
}

int CSinusoidObject::extension(int id, void* data) {
    if (id != kOutputChannelValue || data == nullptr || data != output.get()) return 0;
    // The loop moves the host's clock on after its steps, so during a take the host's time is the
    // previous tick's: the step's own value is the one being recorded. Reading the output never
    // records anything, so a take re-simulates to the same values.
    output->push(running ? currentValue : previewAt(core->getCurrentTime()));
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
        applyHelperVisibility();
        core->refreshConfiguration();
        return;
    }
    if (event == kUpdateValues) {
        currentValue = previewAt(core->getCurrentTime());
        core->refreshConfiguration();
    } else if (event == kHideHelpers) {
        applyHelperVisibility();
    } else if (event == kWireframeMode) {
        sinusNode.setDisplayFlag(kWireframeFlag);
        core->refreshView();
    }
}

void CSinusoidObject::applyHelperVisibility() {
    SetVisible(sinusNode, !hideHelpers);
    SetVisible(referenceNode, !hideHelpers);
    core->refreshView();
}

} // namespace vex::orb::addon
