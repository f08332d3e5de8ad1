#include "plugins/vodidova/CVodiDOvaObject.h"

#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/ByteReader.h"
#include "util/ByteWriter.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <string_view>
#include <utility>
#include <vector>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;

// Channel kinds: the brakes also take buttons and keys, the forces and torques need a direction.
constexpr uint32_t kBrakeKinds = unidevice::kBinaryControl | unidevice::kTrinaryControl |
                                 unidevice::kFiniteControl | unidevice::kInfiniteControl;
constexpr uint32_t kForceKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;

// Default response factors and maxima of the inputs.
constexpr double kDefaultResponse[kBodyInputCount] = {0.5, 0.5, 0.5, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
constexpr double kDefaultMaximum[kBodyInputCount] = {0.5, 0.5,   0.2,   0.2,   0.2,
                                                     0.2, 0.003, 0.002, 0.002, 0.003};

// Offsets in the saved-state record.
constexpr size_t kHideHelpersDuringRecordingAt = 0;
constexpr size_t kHideHelpersAt = 1;
constexpr size_t kHideCameraAt = 2;
constexpr size_t kFieldOfViewAt = 8;
constexpr size_t kTargetDistanceAt = 16;
constexpr size_t kAllowRollAt = 24;
constexpr size_t kResponseFactorsAt = 32;
constexpr size_t kMaximaAt = 112;
constexpr size_t kRelativeScaleAt = 192;

using Record = std::array<uint8_t, CVodiDOvaObject::kRecordSize>;

// A pose read from the camera's transform at `t`; the identity at the origin without a snapshot.
BodyPose ReadPose(const CVodiDOvaNode& camera, double t) {
    util::Matrix<double> local;
    if (!camera.ReadMatrix(t, local)) return {};
    const util::QTransform<double> rigid = util::ToQTransform(local);
    return {rigid.translation, rigid.rotation};
}

} // namespace

CVodiDOvaObject::CVodiDOvaObject(const CreateParam& param)
    : CFreeCameraObject(param, camera, humanoid), camera(this), humanoid(this) {
    for (size_t k = 0; k < kBodyInputCount; ++k) {
        body.inputs[k].responseFactor = kDefaultResponse[k];
        body.inputs[k].maximum = kDefaultMaximum[k];
    }
}

void CVodiDOvaObject::ReleaseInputs() {
    // A run starts with every control released and both filter stages empty, so a re-simulation
    // does not depend on what the previous run left in the filters; the priming below refills the
    // forces and torques.
    for (BodyInput& input : body.inputs) input = {0.0, 0.0, 0.0, input.responseFactor, input.maximum};
}

void CVodiDOvaObject::begin(double t) {
    const double dt = core->getFrameDuration();
    ReleaseInputs();
    BeginCamera(t);

    const BodyPose a = ReadPose(camera, t);
    const BodyPose b = ReadPose(camera, t - dt);
    const BodyPose c = ReadPose(camera, t - 2.0 * dt);
    body.Push(a);
    body.Push(b);
    body.Push(c);

    body.velocity = (a.position - b.position) / dt / relativeScale;
    // The rotation from b to a, Multiply(Q_A, conjugate(Q_B)), is a turn in the camera's own axes.
    // The body turns by Multiply(Q, FromRotationVector(h·W)), a turn about world axes, so the rotation
    // vector is carried into world axes by a's rotation matrix (as a row vector). Its axis is fixed
    // by the turn itself, so b's matrix would give the same.
    const V local = util::ToRotationVector(util::Multiply(a.rotation, util::Conjugate(b.rotation))) / dt;
    body.angularVelocity = util::TransformDirection(util::ToMatrix(a.rotation), local);
    PrimeInputs(body.inputs, a, b, c, dt, relativeScale);

    // From c, two frames bring the ring up to t.
    body.Run(dt, relativeScale);
    body.Run(dt, relativeScale);
}

void CVodiDOvaObject::step(double t) {
    for (size_t k = 0; k < kBodyInputCount; ++k)
        body.inputs[k].raw = channels[k] != nullptr ? channels[k]->getValue() : 0.0;
    body.Run(core->getFrameDuration(), relativeScale);

    WriteCamera(t, body.Current().position, body.Current().rotation);
}

void CVodiDOvaObject::DeclareChannels() {
    DeclareInputChannels(
        {kInputNames.begin(), kInputNames.end()},
        [](size_t k) { return k >= kAirplaneBrake ? kBrakeKinds : kForceKinds; }, kChannelExponent,
        channels.data());
}

ToolPage CVodiDOvaObject::Page() {
    std::vector<double*> responseFactors, maxima;
    for (BodyInput& input : body.inputs) {
        responseFactors.push_back(&input.responseFactor);
        maxima.push_back(&input.maximum);
    }
    return {
        {.name = "Hide Modes", .items = HideItems()},
        {.name = "Camera Parameters",
         .items = {CameraSpinner(kRelativeScale, relativeScale, 1e-8, 1e16, 0.001, true),
                   CameraSpinner(kFieldOfView, fieldOfView, 0.0, 180.0, 0.01, false),
                   CameraSpinner(kTargetDistance, targetDistance, 0.0, 1e16, 0.01, false)}},
        {.name = "Input Property Parameters",
         .items = InputItems({kInputNames.begin(), kInputNames.end()}, responseFactors, maxima)},
    };
}

int CVodiDOvaObject::restore() {
    if (!camera.Find()) return 1;
    TakeLens(0.0);
    if (!humanoid.Find()) return 1;
    for (BodyInput& input : body.inputs) input.output = 0.0;
    relativeScale = camera.XRowLength(0.0, relativeScale);

    uint32_t size = 0;
    const uint8_t* bytes = core->getToolData(&size);
    if (bytes == nullptr || size != kRecordSize) return 1;
    hideHelpersDuringRecording = (bytes[kHideHelpersDuringRecordingAt] & 1) != 0;
    hideHelpers = (bytes[kHideHelpersAt] & 1) != 0;
    hideCamera = (bytes[kHideCameraAt] & 1) != 0;
    // The last-sent values stay the lens's, so the first step sends saved values that differ.
    util::ByteReader in(bytes, size);
    in.ReadAt(kFieldOfViewAt, fieldOfView);
    in.ReadAt(kTargetDistanceAt, targetDistance);
    allowRoll = (in.ReadAt<uint64_t>(kAllowRollAt).value_or(0) & 1) != 0;
    for (size_t k = 0; k < kBodyInputCount; ++k) {
        in.ReadAt(kResponseFactorsAt + 8 * k, body.inputs[k].responseFactor);
        in.ReadAt(kMaximaAt + 8 * k, body.inputs[k].maximum);
    }
    in.ReadAt(kRelativeScaleAt, relativeScale);
    core->refreshConfiguration();
    return 0;
}

std::array<uint8_t, CVodiDOvaObject::kRecordSize> CVodiDOvaObject::MakeRecord() const {
    Record record{};
    record[kHideHelpersDuringRecordingAt] = hideHelpersDuringRecording ? 1 : 0;
    record[kHideHelpersAt] = hideHelpers ? 1 : 0;
    record[kHideCameraAt] = hideCamera ? 1 : 0;
    util::ByteWriter out(record);
    out.WriteAt(kFieldOfViewAt, fieldOfView);
    out.WriteAt(kTargetDistanceAt, targetDistance);
    out.WriteAt(kAllowRollAt, uint64_t{allowRoll ? 1u : 0u});
    for (size_t k = 0; k < kBodyInputCount; ++k) {
        out.WriteAt(kResponseFactorsAt + 8 * k, body.inputs[k].responseFactor);
        out.WriteAt(kMaximaAt + 8 * k, body.inputs[k].maximum);
    }
    out.WriteAt(kRelativeScaleAt, relativeScale);
    return record;
}

int CVodiDOvaObject::store() {
    const Record record = MakeRecord();
    core->setToolData(record.data(), static_cast<uint32_t>(record.size()));
    return 0;
}

} // namespace vex::orb::addon
