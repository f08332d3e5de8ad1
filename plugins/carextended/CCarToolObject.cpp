#include "plugins/carextended/CCarToolObject.h"

#include "interface/CVariableModUndo.h"
#include "interface/SceneNode.h"
#include "plugins/common/CameraPose.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/common/ToolEvents.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/Rotation.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;
using Transform = util::QTransform<double>;

// Channel kinds: the gas pedal and the steering need a direction, the rest also take buttons and keys.
constexpr uint32_t kDirectionKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;
constexpr uint32_t kAnyKinds = kDirectionKinds | unidevice::kBinaryControl;

// Below these the speed gauges read 0.
constexpr double kStillSpeed = 0.0001;
constexpr double kStillPercent = 0.01;

Transform At(const V& position) {
    return {position, {0.0, 0.0, 0.0, 1.0}};
}

// The unit vector of `row` of `world` turned round, or `fallback` for a degenerate one.
V NegatedAxis(const util::Matrix<double>& world, int row, const V& fallback) {
    const V axis{-world.m[row][0], -world.m[row][1], -world.m[row][2]};
    const double length = util::Length(axis);
    return length > 0.0 && std::isfinite(length) ? axis / length : fallback;
}

} // namespace

CCarToolObject::CCarToolObject(const CreateParam& param, bool extended)
    : CToolObject(param, {}), extended_(extended), model_(parameters, geometry) {}

void CCarToolObject::Attach(std::vector<SceneNode*> nodes, const CarRig& rig) {
    allNodes_ = std::move(nodes);
    rig_ = rig;
}

int CCarToolObject::initialize() {
    for (SceneNode* node : allNodes_) node->create();
    Created();
    core->refreshConfiguration();
    return 0;
}

void CCarToolObject::DeclareChannels() {
    for (std::size_t k = 0; k < kCarInputCount; ++k) {
        const uint32_t kinds = k <= kSteering ? kDirectionKinds : kAnyKinds;
        channels[k] = core->addInputChannel(kInputNames[k], kinds, &channelFactory_);
        if (channels[k] != nullptr) channels[k]->SetExponent(kChannelExponent);
    }
}

void CCarToolObject::DeclareOutputs() {
    if (!extended_ || !core->hasExtension(CInterface::kAddVirtualControl)) return;
    for (const char* name : kOutputNames) {
        outputs.push_back(std::make_unique<COutputChannel>(name, unidevice::kInfiniteControl));
        outputs.back()->Push(0.0);
        core->extension(CInterface::kAddVirtualControl, outputs.back().get());
    }
}

void CCarToolObject::Created() {
    geometry = CarGeometry::Default(kDefaultScale);
    const double now = core->getCurrentTime();
    const double length = geometry.scale;
    const auto place = [this, now](SceneNode* node, const util::Matrix<double>& local) {
        if (node == nullptr) return;
        node->localMatrix = local;
        WriteLocalMatrix(core, node->node, now, local);
    };
    place(rig_.gravity, {});
    place(rig_.base, {});
    place(rig_.body, util::ToMatrix(Transform{}, {length, length, length}));
    place(rig_.chassisRelocator, {});
    // Children of the body are in car lengths: the steering wheel and the driver's eye sit left of the
    // middle, behind the bonnet; both keep their world size.
    const double inverse = 1.0 / length;
    steeringWheelRest = util::ToMatrix(At({-0.1, 0.24, -0.06}), {inverse, inverse, inverse});
    place(rig_.steeringWheel, steeringWheelRest);
    place(rig_.driverCam, util::ToMatrix(At({-0.1, 0.3, 0.04}), {inverse, inverse, inverse}));
    for (std::size_t w = 0; w < 4; ++w) {
        const V& centre = geometry.wheelCentres[w];
        const double radius = geometry.wheelRadii[w];
        place(rig_.wheelRelocators[w], util::ToMatrix(At(centre)));
        place(rig_.wheels[w], util::ToMatrix(At(centre), {geometry.wheelWidths[w], radius, radius}));
        place(rig_.wheelCenters[w], util::ToMatrix(At(centre)));
        place(rig_.wheelSuspensions[w], util::ToMatrix(At(centre)));
    }
    const double backAxle = 0.5 * (geometry.wheelCentres[2].z + geometry.wheelCentres[3].z);
    place(rig_.turnBase,
          util::ToMatrix(At({0.0, 0.0, backAxle - parameters.turnBase * geometry.Wheelbase()})));
    place(rig_.externalForce, util::ToMatrix(At({0.0, 0.5 * length, -0.75 * length})));
    place(rig_.target, util::ToMatrix(At({0.0, 0.0, -3.0 * length})));
    // The follow camera looks at the car from behind and above, the top-view camera straight down.
    place(rig_.followCam, util::ToMatrix(Transform{{0.0, 0.4 * length, 1.5 * length},
                                                   util::EulerXYZToQuat(V{-0.2, 0.0, 0.0})}));
    place(rig_.topViewCam,
          util::ToMatrix(Transform{{0.0, 3.0 * length, 0.0},
                                   util::EulerXYZToQuat(V{-std::numbers::pi / 2.0, 0.0, 0.0})}));
    ApplyVisibility();
    ShowPageValues();
    UpdateGauges(0.0);
}

CarGeometry CCarToolObject::ReadGeometry(double t) const {
    util::Matrix<double> local;
    double scale = geometry.scale;
    if (rig_.body != nullptr && ReadLocalMatrix(core, rig_.body->node, t, local))
        scale = AxisLengths(local).x;
    CarGeometry read = CarGeometry::Default(scale);
    for (std::size_t w = 0; w < 4; ++w) {
        if (rig_.wheelRelocators[w] != nullptr &&
            ReadLocalMatrix(core, rig_.wheelRelocators[w]->node, t, local))
            read.wheelCentres[w] = {local.m[3][0], local.m[3][1], local.m[3][2]};
        if (rig_.wheels[w] != nullptr && ReadLocalMatrix(core, rig_.wheels[w]->node, t, local))
            read.wheelRadii[w] = AxisLengths(local).y;
    }
    return read;
}

CarEnvironment CCarToolObject::Environment(double t) const {
    CarEnvironment environment;
    environment.ground = collision.Query();
    util::Matrix<double> world;
    if (rig_.gravity != nullptr && ReadWorldMatrix(core, rig_.gravity->node, t, world))
        environment.down = NegatedAxis(world, 1, environment.down);
    if (rig_.externalForce != nullptr && ReadWorldMatrix(core, rig_.externalForce->node, t, world))
        environment.forceDirection = NegatedAxis(world, 2, environment.forceDirection);
    if (rig_.target != nullptr && ReadWorldMatrix(core, rig_.target->node, t, world))
        environment.target = {world.m[3][0], world.m[3][1], world.m[3][2]};
    return environment;
}

void CCarToolObject::begin(double t) {
    TakePageValues();
    core->addUndo(new CVariableModUndo<CarStateRecord>(&record));
    core->addUndo(new CVariableModUndo<util::AVar_Linear<double>>(&speed));
    const bool fresh = firstRun || reinitializeRequested || record.Empty();
    if (firstRun || reinitializeRequested) geometry = ReadGeometry(t);
    // The ground world is built afresh for every take and re-simulation, so each gives the same hits.
    collision.Build(core, rig_.gravity != nullptr ? rig_.gravity->node : nullptr, t, useFastRayCast,
                    storedGround);
    if (fresh) {
        util::Matrix<double> base;
        ReadWorldMatrix(core, rig_.base != nullptr ? rig_.base->node : nullptr, t, base);
        state = model_.Start(util::ToQTransform(base), Environment(t));
        record.Clear();
        speed.clear();
        startTime = t;
    } else if (const CarState* recorded = record.Nearest(t)) {
        state = *recorded;
    }
    record.TruncateAfter(t);
    record.Set(t, state);
    speed.TruncateFrom(t + core->getFrameDuration());
    speed.set(t, state.speed / geometry.scale);
    firstRun = false;
    running = true;
    if (hideHelpersDuringRecording || hideHelpers) hiddenForRecording_.hide(Helpers());
}

void CCarToolObject::step(double t) {
    if (!running) return;
    // A ground that is gone ends what the take can do: it keeps what it recorded.
    if (!collision.Update(t)) return;
    CarRawInputs raw{};
    for (std::size_t k = 0; k < kCarInputCount; ++k)
        raw[k] = channels[k] != nullptr ? channels[k]->getValue() : 0.0;
    model_.Advance(state, raw, Environment(t), core->getFrameDuration());
    record.Set(t, state);
    speed.set(t, state.speed / geometry.scale);
    WritePose(t, model_.Pose(state));
    UpdateGauges(state.speed / geometry.scale);
}

void CCarToolObject::end() {
    CToolObject::end();
    running = false;
    if (reinitializeRequested) {
        reinitializeRequested = false;
        core->refreshConfiguration();
    }
    if (hideHelpersDuringRecording && !hideHelpers) hiddenForRecording_.restore();
}

void CCarToolObject::timeChanged(double t) {
    UpdateGauges(speed.get(t));
    core->refreshConfiguration();
}

void CCarToolObject::WritePose(double t, const CarPose& pose) {
    const auto write = [t](SceneNode* node, const util::Matrix<double>& local) {
        if (node == nullptr) return;
        node->localMatrix = local;
        node->update(t);
    };
    const double length = geometry.scale;
    write(rig_.base, util::ToMatrix(pose.base));
    // The GravityDirectionMesh keeps its own place; it is keyed there so the take holds the down
    // direction it was driven with.
    util::Matrix<double> gravity;
    if (rig_.gravity != nullptr && ReadLocalMatrix(core, rig_.gravity->node, t, gravity))
        write(rig_.gravity, gravity);
    write(rig_.body, util::ToMatrix(pose.body, {length, length, length}));
    for (std::size_t w = 0; w < 4; ++w) {
        const double radius = geometry.wheelRadii[w];
        write(rig_.wheels[w],
              util::ToMatrix(pose.wheels[w].wheel, {geometry.wheelWidths[w], radius, radius}));
    }
    // Only the car, its wheels and the GravityDirectionMesh are keyed when "Keyframe only essential
    // objects" is on.
    if (keyframeOnlyEssential) return;
    for (std::size_t w = 0; w < 4; ++w) {
        const WheelPose& wheel = pose.wheels[w];
        write(rig_.wheelSuspensions[w], util::ToMatrix(wheel.suspension));
        if (fixateWheelCenterNodes) continue;
        const Transform centre{moveWheelCenterToGround ? wheel.contact.translation
                                                       : wheel.suspension.translation,
                               alignWheelCenterToGround ? wheel.contact.rotation : wheel.suspension.rotation};
        write(rig_.wheelCenters[w], util::ToMatrix(centre));
    }
    const util::Matrix<double> turn =
        util::ToMatrix(util::EulerXYZToQuat(V{0.0, 0.0, -pose.steeringAngle * steeringWheelRotMult}));
    write(rig_.steeringWheel, turn * steeringWheelRest);
    write(rig_.followCam, util::ToMatrix(pose.followCam));
    write(rig_.topViewCam, util::ToMatrix(pose.topViewCam));
}

void CCarToolObject::UpdateGauges(double carSpeed) {
    const double scale = geometry.scale;
    const double gasMaximum = parameters.inputs[kGasPedal].maximum;
    maxVelocityGauge = gasMaximum * velocityMultiplier * scale;
    currentVelocity = std::abs(carSpeed) < kStillSpeed ? 0.0 : scale * velocityMultiplier * carSpeed;
    const double percent = gasMaximum != 0.0 ? 100.0 * carSpeed / gasMaximum : 0.0;
    currentVelocityPercent = std::abs(percent) < kStillPercent ? 0.0 : percent;
    const double acceleration = parameters.acceleration;
    accelerationGauge100 = ((100.0 / velocityMultiplier) / acceleration) / scale;
    accelerationGauge60 = ((60.0 / velocityMultiplier) / acceleration) / scale;
}

std::vector<SceneNode*> CCarToolObject::Helpers() const {
    std::vector<SceneNode*> helpers{rig_.gravity,          rig_.base,          rig_.body,
                                    rig_.chassisRelocator, rig_.steeringWheel, rig_.turnBase,
                                    rig_.externalForce,    rig_.target};
    for (std::size_t w = 0; w < 4; ++w)
        for (SceneNode* node :
             {rig_.wheelRelocators[w], rig_.wheels[w], rig_.wheelCenters[w], rig_.wheelSuspensions[w]})
            if (std::find(helpers.begin(), helpers.end(), node) == helpers.end()) helpers.push_back(node);
    std::erase(helpers, nullptr);
    return helpers;
}

void CCarToolObject::ApplyVisibility() {
    for (SceneNode* helper : Helpers()) SetVisible(*helper, !hideHelpers);
    const std::pair<SceneNode*, bool> cameras[] = {
        {rig_.followCam, hideFollowCam}, {rig_.driverCam, hideDriverCam}, {rig_.topViewCam, hideTopViewCam}};
    for (const auto& [camera, hidden] : cameras)
        if (camera != nullptr) SetVisible(*camera, !hidden);
}

void CCarToolObject::onEvent(std::string name) {
    const ToolEvent event = ParseToolEvent(name);
    if (event.undo || event.redo) {
        // The page has put the flags back; the nodes follow them.
        ApplyVisibility();
        core->refreshView();
        return;
    }
    if (name == kHideHelpers || name == kHideFollowCam || name == kHideDriverCam || name == kHideTopViewCam) {
        ApplyVisibility();
        RegisterEventUndo(core, this, name);
        core->refreshView();
    } else if (name == kReinitialize) {
        reinitializeRequested = true;
    }
    UpdateGauges(speed.get(core->getCurrentTime()));
    core->refreshConfiguration();
}

double CCarToolObject::OutputValue(std::size_t index, const CarState& carState) const {
    switch (index) {
    case 0:
        return currentVelocity;
    case 1:
        return currentVelocityPercent / 100.0;
    case 2:
        return carState.steering;
    default:
        return carState.wheels[index - 3].contact ? 0.0 : 1.0;
    }
}

int CCarToolObject::extension(int id, void* data) {
    if (id != kOutputChannelValue || data == nullptr) return 0;
    const auto found =
        std::find_if(outputs.begin(), outputs.end(),
                     [data](const std::unique_ptr<COutputChannel>& output) { return output.get() == data; });
    if (found == outputs.end()) return 0;
    // During a take the live state answers; otherwise the state recorded at the host's time.
    const CarState* shown = &state;
    if (!running)
        if (const CarState* recorded = record.Nearest(core->getCurrentTime())) shown = recorded;
    (*found)->Push(OutputValue(static_cast<std::size_t>(found - outputs.begin()), *shown));
    return 1;
}

std::vector<int32_t> CCarToolObject::getExtensionIds() const {
    return {kOutputChannelValue};
}

} // namespace vex::orb::addon
