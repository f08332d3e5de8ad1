#include "plugins/humanizercam/CHumanizerCamObject.h"

#include "interface/CNode.h"
#include "interface/CVariableModUndo.h"
#include "plugins/common/ChannelValue.h"
#include "plugins/common/HelperToggle.h"
#include "plugins/common/InputSettingItems.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/common/RecordedTake.h"
#include "plugins/common/StateRecordCodec.h"
#include "plugins/common/ToolEvents.h"
#include "unidevice/ControlKind.h"

#include <limits>
#include <string_view>

namespace vex::orb::addon {
namespace {

// The gains take axes, sliders, hat halves or keys.
constexpr uint32_t kGainKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;

// Saved keys of each axis's amplitude and frequency, in axis order.
constexpr std::array<std::string_view, kShakeAxisCount> kAmplitudeKeys{
    "xAmplitude", "yAmplitude", "zAmplitude", "yawAmplitude", "pitchAmplitude", "rollAmplitude"};
constexpr std::array<std::string_view, kShakeAxisCount> kFrequencyKeys{
    "xFrequency", "yFrequency", "zFrequency", "yawFrequency", "pitchFrequency", "rollFrequency"};
constexpr std::array<std::string_view, kShakeInputCount> kResponseKeys{"amplitudeResponseFactor",
                                                                       "frequencyResponseFactor"};
constexpr std::array<std::string_view, kShakeInputCount> kMaximumKeys{"amplitudeMaximum", "frequencyMaximum"};

SpinnerItem Spinner(std::string name, double& value, double max, double step) {
    return SpinnerItem{.name = name, .help = name, .value = &value, .min = 0.0, .max = max, .step = step};
}

} // namespace

CHumanizerCamObject::CHumanizerCamObject(const CreateParam& param)
    : CToolObject(param, {&camera}), camera(this) {}

void CHumanizerCamObject::DeclareChannels() {
    for (std::size_t k = 0; k < kShakeInputCount; ++k)
        channels[k] = core->addInputChannel(kInputNames[k], kGainKinds, &channelFactory_);
}

void CHumanizerCamObject::Created() {
    if (camera.node != nullptr) camera.node->select();
}

void CHumanizerCamObject::begin(double t) {
    BeginRecordedTake(core, record, state, t, [this, t] {
        // The host shows an earlier take's shake away from its frames; its rest pose is the camera's.
        util::Matrix<double> rest;
        if (const ShakeState* earlier = record.Nearest(t))
            rest = earlier->rest;
        else
            ReadLocalMatrix(core, camera.node, t, rest);
        return StartShake(settings, rest, camera.ParentPosition(t));
    });
}

void CHumanizerCamObject::step(double t) {
    std::array<double, kShakeInputCount> raw{};
    for (std::size_t k = 0; k < kShakeInputCount; ++k) raw[k] = ChannelValue(channels[k]);
    StepShake(state, raw, camera.ParentPosition(t), settings, core->getFrameDuration());
    record.Set(t, state);
    camera.localMatrix = ShakenLocal(state, settings);
    camera.update(t);
}

std::vector<PageItem> CHumanizerCamObject::AxisItems(std::size_t first, std::size_t last) {
    std::vector<PageItem> items;
    for (std::size_t k = first; k <= last; ++k) {
        const std::string axis = kAxisNames[k];
        items.push_back(Spinner(axis + " Amplitude", settings.amplitudes[k], 1e16, 0.001));
        items.push_back(Spinner(axis + " Frequency", settings.frequencies[k], 1000.0, 0.1));
    }
    return items;
}

ToolPage CHumanizerCamObject::Page() {
    std::vector<double*> responseFactors, maxima;
    for (std::size_t k = 0; k < kShakeInputCount; ++k) {
        responseFactors.push_back(&settings.responseFactors[k]);
        maxima.push_back(&settings.maxima[k]);
    }
    return {
        {.name = "General Modes",
         .items = {CheckBoxItem{
                       .name = kHideCamera, .help = kHideCamera, .value = &hideCamera, .callback = this},
                   ButtonItem{.name = kReinitialize,
                              .help = "Forgets the recorded takes: the next take shakes about the camera's "
                                      "place under its parent then.",
                              .callback = this}}},
        {.name = "Translation Shake", .items = AxisItems(kShakeX, kShakeZ)},
        {.name = "Rotation Shake", .items = AxisItems(kShakeYaw, kShakeRoll)},
        {.name = "Motion Shake",
         .items = {Spinner("Motion Threshold", settings.motionThreshold, 1e16, 0.01),
                   Spinner("Motion Shake Gain", settings.motionGain, 1e16, 0.01),
                   Spinner("Motion Response Factor", settings.motionResponseFactor, 1.0, 0.01)}},
        {.name = "Noise",
         .items = {IntSpinnerItem{.name = "Random Seed",
                                  .help =
                                      "Where the random shake starts: the same seed gives the same shake.",
                                  .value = &settings.seed,
                                  .min = 0,
                                  .max = std::numeric_limits<int>::max()}}},
        {.name = "Input Property Parameters",
         .items = InputSettingItems({kInputNames.begin(), kInputNames.end()}, responseFactors, maxima)},
    };
}

std::vector<RecordField> CHumanizerCamObject::RecordFields() {
    std::vector<RecordField> fields{{"hideCamera", hideCamera},
                                    {"motionThreshold", settings.motionThreshold},
                                    {"motionGain", settings.motionGain},
                                    {"motionResponseFactor", settings.motionResponseFactor},
                                    {"seed", settings.seed}};
    for (std::size_t k = 0; k < kShakeAxisCount; ++k) {
        fields.emplace_back(kAmplitudeKeys[k], settings.amplitudes[k]);
        fields.emplace_back(kFrequencyKeys[k], settings.frequencies[k]);
    }
    for (std::size_t k = 0; k < kShakeInputCount; ++k) {
        fields.emplace_back(kResponseKeys[k], settings.responseFactors[k]);
        fields.emplace_back(kMaximumKeys[k], settings.maxima[k]);
    }
    fields.push_back(StateRecordField(
        "shakeStates", record, [](auto& s, auto&& field) { VisitShakeState(s, field); },
        [](const ShakeState&) { return true; }));
    return fields;
}

void CHumanizerCamObject::onEvent(std::string name) {
    if (ToggleHelpers(core, this, name, kHideCamera, hideCamera, {&camera})) return;
    if (name == kReinitialize) {
        core->addUndo(new CVariableModUndo<StateRecord<ShakeState>>(&record));
        record.Clear();
    }
}

} // namespace vex::orb::addon
