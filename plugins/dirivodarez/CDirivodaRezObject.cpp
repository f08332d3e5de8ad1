#include "plugins/dirivodarez/CDirivodaRezObject.h"

#include "interface/CVariableModUndo.h"
#include "plugins/common/PoseMatch.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/ByteReader.h"
#include "util/ByteWriter.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <cmath>
#include <utility>

namespace vex::orb::addon {
namespace {

// Channel kinds: the speeds and turns need a direction; the effects and regulators also take buttons.
constexpr uint32_t kSpeedKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;
constexpr uint32_t kButtonKinds = kSpeedKinds | unidevice::kBinaryControl;

// The pose of a recorded flight state, as the host shows the camera.
util::QTransform<double> PoseOf(const FreeFlightState& state) {
    return {state.Pose().position, state.Pose().rotation};
}

} // namespace

CDirivodaRezObject::CDirivodaRezObject(const CreateParam& param, std::size_t channelCount)
    : CFreeCameraObject(param, camera, humanoid), camera(this), humanoid(this), channelCount_(channelCount) {
    state = RestingFlight({});
}

void CDirivodaRezObject::DeclareChannels() {
    DeclareInputChannels(
        {kInputNames.begin(), kInputNames.begin() + static_cast<std::ptrdiff_t>(channelCount_)},
        [](size_t k) { return k >= kFlightShaker ? kButtonKinds : kSpeedKinds; }, kChannelExponent,
        channels.data());
}

void CDirivodaRezObject::begin(double t) {
    core->addUndo(new CVariableModUndo<FlightStateRecord>(&record));
    BeginCamera(t);
    FlightPose scene;
    util::Matrix<double> local;
    if (camera.ReadMatrix(t, local)) {
        const util::QTransform<double> rigid = util::ToQTransform(local);
        scene = {rigid.translation, rigid.rotation};
    }
    const FreeFlightState* recorded =
        ContinuedState(record, t, core->getFrameDuration(), {scene.position, scene.rotation}, PoseOf);
    if (recorded != nullptr)
        state = *recorded;
    else
        state = RestingFlight(scene);
    record.TruncateAfter(t);
    record.Set(t, state);
}

void CDirivodaRezObject::step(double t) {
    FlightRawInputs raw{};
    for (std::size_t k = 0; k < channelCount_; ++k)
        raw[k] = channels[k] != nullptr ? channels[k]->getValue() : 0.0;
    parameters.relativeScale = relativeScale;
    RunFreeFlight(state, raw, parameters, core->getFrameDuration());
    record.Set(t, state);
    WriteCamera(t, state.Pose().position, state.Pose().rotation);
}

ToolPage CDirivodaRezObject::Page() {
    std::vector<double*> responseFactors, maxima;
    for (std::size_t k = 0; k < channelCount_; ++k) {
        responseFactors.push_back(&parameters.responseFactors[k]);
        maxima.push_back(&parameters.maxima[k]);
    }
    return {
        {.name = "General Modes", .items = HideItems()},
        {.name = "Camera Modes",
         .items = {CheckBoxItem{.name = kAllowRoll, .help = kAllowRoll, .value = &parameters.allowRoll}}},
        {.name = "Camera Parameters",
         .items = {CameraSpinner(kFieldOfView, fieldOfView, 0.0, 180.0, 0.01, false),
                   CameraSpinner(kTargetDistance, targetDistance, 0.0, 1e16, 0.01, false)}},
        {.name = "Input Property Parameters",
         .items = InputItems(
             {kInputNames.begin(), kInputNames.begin() + static_cast<std::ptrdiff_t>(channelCount_)},
             responseFactors, maxima)},
    };
}

std::vector<RecordField> CDirivodaRezObject::RecordFields() {
    // Each input's response factor and maximum, in channel order, as one field.
    RecordField inputs(
        "inputSettings",
        [this] {
            std::vector<uint8_t> bytes;
            util::ByteWriter out(bytes);
            for (std::size_t k = 0; k < kFlightInputCount; ++k) {
                out.Write(parameters.responseFactors[k]);
                out.Write(parameters.maxima[k]);
            }
            return util::DataChunk("inputSettings", bytes.data(), bytes.size());
        },
        [this](const util::DataChunk& field) {
            if (field.GetSize() != 16 * kFlightInputCount) return;
            util::ByteReader in(field.GetData(), field.GetSize());
            for (std::size_t k = 0; k < kFlightInputCount; ++k) {
                in.Read(parameters.responseFactors[k]);
                in.Read(parameters.maxima[k]);
            }
        });
    RecordField states(
        "flightStates",
        [this] {
            const std::vector<uint8_t> bytes = EncodeFlightRecord(record);
            return util::DataChunk("flightStates", bytes.data(), bytes.size());
        },
        // A damaged record of states is dropped: the next take starts at rest where the camera is.
        [this](const util::DataChunk& field) {
            DecodeFlightRecord(field.GetData(), field.GetSize(), record);
        });
    return {RecordField("hideHelpers", hideHelpers),
            RecordField("hideHelpersDuringRecording", hideHelpersDuringRecording),
            RecordField("hideCamera", hideCamera),
            RecordField("allowRoll", parameters.allowRoll),
            RecordField("fieldOfView", fieldOfView),
            RecordField("targetDistance", targetDistance),
            RecordField("relativeScale", relativeScale),
            RecordField("shakerFadeOutFactor", parameters.shakerFadeOutFactor),
            RecordField("walkCycleFadeOutFactor", parameters.walkCycleFadeOutFactor),
            RecordField("walkCycleFrequency", parameters.walkCycleFrequency),
            std::move(inputs),
            std::move(states)};
}

} // namespace vex::orb::addon
