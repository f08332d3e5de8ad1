#include "plugins/carextended/CarStateFields.h"

#include "plugins/carextended/CarStateRecord.h"
#include "plugins/carextended/WheelSuffix.h"
#include "util/AVar_Nearest.h"

#include <cstdint>
#include <string>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;
using Q = util::Quat<double>;
using T = util::QTransform<double>;

// One recorded quantity of `State` (CarState or WheelState): its key and how it is read from and
// written into the state. A key without `set` names a quantity the model does not have: it is saved
// with the neutral value `get` gives and ignored on reading.
template <class Value, class State>
struct Track {
    const char* key;
    Value (*get)(const State&);
    void (*set)(State&, const Value&);
};

// The mapping of CarState to the saved keys ("an" + owner + type letter + name). Keys the model has
// no quantity for are written with their neutral value (no setter).
// clang-format off
constexpr Track<T, CarState> kTransforms[] = {
    {"ancCarCamqTransCarAbsIncr", [](const CarState& s) { return s.pose; }, [](CarState& s, const T& v) { s.pose = v; }},
    {"anFollowCamFilterMem", [](const CarState& s) { return s.followCam; }, [](CarState& s, const T& v) { s.followCam = v; }},
};
constexpr Track<Q, CarState> kQuats[] = {
    {"anQGravityFilterMem", [](const CarState& s) { return s.gravityFilter; }, [](CarState& s, const Q& v) { s.gravityFilter = v; }},
};
constexpr Track<V, CarState> kVectors[] = {
    {"ancCarCamvVelocity", [](const CarState& s) { return s.velocity; }, [](CarState& s, const V& v) { s.velocity = v; }},
    {"ancCarCamvAngularVelocity", [](const CarState& s) { return s.angularVelocity; }, [](CarState& s, const V& v) { s.angularVelocity = v; }},
    {"anvAcceleration", [](const CarState& s) { return s.acceleration; }, [](CarState& s, const V& v) { s.acceleration = v; }},
    // The skid brake moves the car with the rest of the dynamics: no separate increment (neutral zero).
    {"ancCarCamvSkidBrakePosIncr", [](const CarState&) { return V{}; }, nullptr},
};
constexpr Track<double, CarState> kDoubles[] = {
    {"ancCarCamcCarBodyfRelYPos", [](const CarState& s) { return s.bodyRelYPos; }, [](CarState& s, const double& v) { s.bodyRelYPos = v; }},
    {"ancCarCamcCarBodyfRelXAng", [](const CarState& s) { return s.bodyRelXAng; }, [](CarState& s, const double& v) { s.bodyRelXAng = v; }},
    {"ancCarCamcCarBodyfRelZAng", [](const CarState& s) { return s.bodyRelZAng; }, [](CarState& s, const double& v) { s.bodyRelZAng = v; }},
    {"ancCarCamcCarBodyfRelYVel", [](const CarState& s) { return s.bodyRelYVel; }, [](CarState& s, const double& v) { s.bodyRelYVel = v; }},
    {"ancCarCamcCarBodyfRelXAngVel", [](const CarState& s) { return s.bodyRelXAngVel; }, [](CarState& s, const double& v) { s.bodyRelXAngVel = v; }},
    {"ancCarCamcCarBodyfRelZAngVel", [](const CarState& s) { return s.bodyRelZAngVel; }, [](CarState& s, const double& v) { s.bodyRelZAngVel = v; }},
    {"ancCarCampcInput_GAS_PEDAL", [](const CarState& s) { return s.inputs[kGasPedal]; }, [](CarState& s, const double& v) { s.inputs[kGasPedal] = v; }},
    {"ancCarCampcInput_STEERING_WHEEL", [](const CarState& s) { return s.inputs[kSteering]; }, [](CarState& s, const double& v) { s.inputs[kSteering] = v; }},
    {"ancCarCampcInput_BOOSTER", [](const CarState& s) { return s.inputs[kBooster]; }, [](CarState& s, const double& v) { s.inputs[kBooster] = v; }},
    {"ancCarCampcInput_ABS_BRAKE", [](const CarState& s) { return s.inputs[kAbsBrake]; }, [](CarState& s, const double& v) { s.inputs[kAbsBrake] = v; }},
    {"ancCarCampcInput_SKIDDING", [](const CarState& s) { return s.inputs[kSkidding]; }, [](CarState& s, const double& v) { s.inputs[kSkidding] = v; }},
    {"ancCarCampcInput_SKID_BRAKE", [](const CarState& s) { return s.inputs[kSkidBrake]; }, [](CarState& s, const double& v) { s.inputs[kSkidBrake] = v; }},
    {"ancCarCampcInput_GRAVEL_SHAKE", [](const CarState& s) { return s.inputs[kGravelShake]; }, [](CarState& s, const double& v) { s.inputs[kGravelShake] = v; }},
    {"ancCarCampcInput_BURNOUT", [](const CarState& s) { return s.inputs[kBurnout]; }, [](CarState& s, const double& v) { s.inputs[kBurnout] = v; }},
    {"ancCarCampcInput_EXTERNAL_FORCE", [](const CarState& s) { return s.inputs[kExternalForce]; }, [](CarState& s, const double& v) { s.inputs[kExternalForce] = v; }},
    {"ancCarCampcInput_GAS_PEDAL_inp_prev", [](const CarState& s) { return s.gasPedalPrev; }, [](CarState& s, const double& v) { s.gasPedalPrev = v; }},
    {"ancCarCamdPendingTime", [](const CarState& s) { return s.pendingTime; }, [](CarState& s, const double& v) { s.pendingTime = v; }},
    {"ancCarCamdSteering", [](const CarState& s) { return s.steering; }, [](CarState& s, const double& v) { s.steering = v; }},
    {"ancCarCamdSpeed", [](const CarState& s) { return s.speed; }, [](CarState& s, const double& v) { s.speed = v; }},
    {"ancCarCamfCarLocalYawIncr", [](const CarState& s) { return s.localYawRate; }, [](CarState& s, const double& v) { s.localYawRate = v; }},
    {"ancCarCamdSkidBrakeLevel", [](const CarState& s) { return s.skidBrakeLevel; }, [](CarState& s, const double& v) { s.skidBrakeLevel = v; }},
    {"ancCarCamdSkiddingLevel", [](const CarState& s) { return s.skiddingLevel; }, [](CarState& s, const double& v) { s.skiddingLevel = v; }},
    {"ancCarCamdBurnoutLevel", [](const CarState& s) { return s.burnoutLevel; }, [](CarState& s, const double& v) { s.burnoutLevel = v; }},
    {"andFollowAccMem", [](const CarState& s) { return s.followSpeed; }, [](CarState& s, const double& v) { s.followSpeed = v; }},
    {"andAutoSteeringValueMem", [](const CarState& s) { return s.autoSteering; }, [](CarState& s, const double& v) { s.autoSteering = v; }},
    {"ancCarCamrandomValue_gravelShake", [](const CarState& s) { return s.randomValues[0]; }, [](CarState& s, const double& v) { s.randomValues[0] = v; }},
    {"ancCarCamrandomValue_burnout", [](const CarState& s) { return s.randomValues[1]; }, [](CarState& s, const double& v) { s.randomValues[1] = v; }},
    {"ancCarCamrandomValue_steeringNoise", [](const CarState& s) { return s.randomValues[2]; }, [](CarState& s, const double& v) { s.randomValues[2] = v; }},
    // The generators' states are 32-bit and held exactly by a double.
    {"ancCarCamrandomSeed_gravelShake", [](const CarState& s) { return double(s.randomSeeds[0]); }, [](CarState& s, const double& v) { s.randomSeeds[0] = static_cast<std::uint32_t>(v); }},
    {"ancCarCamrandomSeed_burnout", [](const CarState& s) { return double(s.randomSeeds[1]); }, [](CarState& s, const double& v) { s.randomSeeds[1] = static_cast<std::uint32_t>(v); }},
    {"ancCarCamrandomSeed_steeringNoise", [](const CarState& s) { return double(s.randomSeeds[2]); }, [](CarState& s, const double& v) { s.randomSeeds[2] = static_cast<std::uint32_t>(v); }},
    // The skid brake slows the car through its level alone: no wanted gas pedal value and no separate
    // yaw increment of its own (neutral zero).
    {"ancCarCamfSkidWantedGasPedalValue", [](const CarState&) { return 0.0; }, nullptr},
    {"ancCarCamdSkidBrakeLocalYawIncr", [](const CarState&) { return 0.0; }, nullptr},
};
constexpr Track<bool, CarState> kBools[] = {
    {"ancCarCambSkidBreakingOn", [](const CarState& s) { return s.skidBrakingOn; }, [](CarState& s, const bool& v) { s.skidBrakingOn = v; }},
    {"ancCarCambSkiddingOn", [](const CarState& s) { return s.skiddingOn; }, [](CarState& s, const bool& v) { s.skiddingOn = v; }},
    {"ancCarCambIsReverseVelAbsBraking", [](const CarState& s) { return s.isReverseVelAbsBraking; }, [](CarState& s, const bool& v) { s.isReverseVelAbsBraking = v; }},
    {"anbCarInTheAir", [](const CarState& s) { return s.carInTheAir; }, [](CarState& s, const bool& v) { s.carInTheAir = v; }},
    // The skid brake never switches the other features off, and starts the same way every time
    // (neutral false).
    {"ancCarCambSkidBreakingOnDisableFeatures", [](const CarState&) { return false; }, nullptr},
    {"ancCarCambSkidFirstTime", [](const CarState&) { return false; }, nullptr},
};

constexpr Track<double, WheelState> kWheelDoubles[] = {
    {"ancCarCampcWheelfSuspZeroDiff", [](const WheelState& w) { return w.compression; }, [](WheelState& w, const double& v) { w.compression = v; }},
    {"ancCarCampcWheelfSuspZeroDiff_prev", [](const WheelState& w) { return w.compressionPrev; }, [](WheelState& w, const double& v) { w.compressionPrev = v; }},
    {"ancCarCampcWheelpfTotalPitch", [](const WheelState& w) { return w.spinAngle; }, [](WheelState& w, const double& v) { w.spinAngle = v; }},
    {"ancWheelNodeCurrDelta", [](const WheelState& w) { return w.steerAngle; }, [](WheelState& w, const double& v) { w.steerAngle = v; }},
    {"ancWheelNodeCurrDeltaW", [](const WheelState& w) { return w.spinRate; }, [](WheelState& w, const double& v) { w.spinRate = v; }},
    {"andWheelGroundNormalDiff", [](const WheelState& w) { return w.groundNormalDiff; }, [](WheelState& w, const double& v) { w.groundNormalDiff = v; }},
    {"ancCarCampcWheelfDroop", [](const WheelState& w) { return w.droop; }, [](WheelState& w, const double& v) { w.droop = v; }},
    {"ancCarCampcWheelfGravelHeight", [](const WheelState& w) { return w.gravelHeight; }, [](WheelState& w, const double& v) { w.gravelHeight = v; }},
    {"ancCarCampcWheelfLockedTime", [](const WheelState& w) { return w.lockedTime; }, [](WheelState& w, const double& v) { w.lockedTime = v; }},
};
constexpr Track<bool, WheelState> kWheelBools[] = {
    {"ancCarCampcWheelbContact", [](const WheelState& w) { return w.contact; }, [](WheelState& w, const bool& v) { w.contact = v; }},
    {"ancCarCampcWheelbAnchored", [](const WheelState& w) { return w.anchored; }, [](WheelState& w, const bool& v) { w.anchored = v; }},
};
constexpr Track<V, WheelState> kWheelVectors[] = {
    {"ancCarCampcWheelvContactPoint", [](const WheelState& w) { return w.contactPoint; }, [](WheelState& w, const V& v) { w.contactPoint = v; }},
    {"ancCarCampcWheelvContactNormal", [](const WheelState& w) { return w.contactNormal; }, [](WheelState& w, const V& v) { w.contactNormal = v; }},
    {"ancCarCampcWheelvAnchor", [](const WheelState& w) { return w.anchor; }, [](WheelState& w, const V& v) { w.anchor = v; }},
};
// clang-format on

// The old name of the skid brake's input key, still read.
constexpr const char* kSkidBrakeOldKey = "ancCarCampcInput_SKID_BREAK";
constexpr const char* kWheelStoreKey = "wheelstore";
// The old name of the wheels' sub-record, still read.
constexpr const char* kWheelStoreOldKey = "wheelstore2";
// The wheels' children of the sub-record, by wheel.
constexpr const char* kWheelChildren[4] = {"pcWheel_FL", "pcWheel_FR", "pcWheel_BL", "pcWheel_BR"};

// The state that a track of `State` reads within a CarState.
struct WholeState {
    CarState& operator()(CarState& s) const { return s; }
    const CarState& operator()(const CarState& s) const { return s; }
};
struct OneWheel {
    int wheel;
    WheelState& operator()(CarState& s) const { return s.wheels[static_cast<std::size_t>(wheel)]; }
    const WheelState& operator()(const CarState& s) const {
        return s.wheels[static_cast<std::size_t>(wheel)];
    }
};

// The track as an animated variable over the record's frames, in its serial form.
template <class Value, class State, class StateOf>
util::DataChunk WriteTrack(const Track<Value, State>& track, const CarStateRecord& record, StateOf stateOf) {
    util::AVar_Nearest<Value> variable;
    for (const CarStateRecord::Frame& frame : record.Frames())
        variable.set(frame.time, track.get(stateOf(frame.state)));
    std::vector<uint8_t> bytes(variable.getSerializedSize());
    variable.serialize(bytes.data(), bytes.size());
    return util::DataChunk(track.key, bytes.data(), bytes.size());
}

// Reads the track's keys from `field` into the record's frames at their times.
template <class Value, class State, class StateOf>
void ReadTrack(const Track<Value, State>& track, const util::DataChunk& field, CarStateRecord& record,
               StateOf stateOf) {
    if (track.set == nullptr || field.GetSize() == 0) return;
    util::AVar_Nearest<Value> variable;
    if (!variable.deserialize(field.GetData(), field.GetSize())) return;
    for (const auto& key : variable.GetKeys()) track.set(stateOf(record.At(key.time)), key.value);
}

template <class Value, std::size_t Count>
void AddTracks(std::vector<RecordField>& fields, const Track<Value, CarState> (&tracks)[Count],
               CarStateRecord& record) {
    for (const Track<Value, CarState>& track : tracks)
        fields.emplace_back(
            track.key, [&track, &record] { return WriteTrack(track, record, WholeState{}); },
            [&track, &record](const util::DataChunk& field) {
                ReadTrack(track, field, record, WholeState{});
            });
}

template <class Value, std::size_t Count>
void WriteWheelTracks(util::DataChunk& chunk, const Track<Value, WheelState> (&tracks)[Count],
                      const CarStateRecord& record, int wheel) {
    for (const Track<Value, WheelState>& track : tracks)
        chunk.AddChild(WriteTrack(track, record, OneWheel{wheel}));
}

template <class Value, std::size_t Count>
void ReadWheelTracks(const util::DataChunk& chunk, const Track<Value, WheelState> (&tracks)[Count],
                     CarStateRecord& record, int wheel) {
    for (const Track<Value, WheelState>& track : tracks)
        ReadTrack(track, chunk.FindChild(track.key), record, OneWheel{wheel});
}

util::DataChunk WriteWheelStore(const CarStateRecord& record) {
    util::DataChunk store(kWheelStoreKey, nullptr, 0);
    for (int wheel = 0; wheel < 4; ++wheel) {
        util::DataChunk chunk(kWheelChildren[wheel], nullptr, 0);
        WriteWheelTracks(chunk, kWheelDoubles, record, wheel);
        WriteWheelTracks(chunk, kWheelBools, record, wheel);
        WriteWheelTracks(chunk, kWheelVectors, record, wheel);
        store.AddChild(std::move(chunk));
    }
    return store;
}

void ReadWheelStore(const util::DataChunk& store, CarStateRecord& record) {
    for (int wheel = 0; wheel < 4; ++wheel) {
        const util::DataChunk& chunk = store.FindChild(kWheelChildren[wheel]);
        ReadWheelTracks(chunk, kWheelDoubles, record, wheel);
        ReadWheelTracks(chunk, kWheelBools, record, wheel);
        ReadWheelTracks(chunk, kWheelVectors, record, wheel);
    }
}

} // namespace

std::vector<RecordField> CarStateFields(CarStateRecord& record) {
    std::vector<RecordField> fields;
    AddTracks(fields, kTransforms, record);
    AddTracks(fields, kQuats, record);
    AddTracks(fields, kVectors, record);
    AddTracks(fields, kDoubles, record);
    AddTracks(fields, kBools, record);
    for (RecordField& field : fields)
        if (field.Key() == "ancCarCampcInput_SKID_BRAKE") field.Or(kSkidBrakeOldKey);
    fields.emplace_back(
        kWheelStoreKey, [&record] { return WriteWheelStore(record); },
        [&record](const util::DataChunk& store) { ReadWheelStore(store, record); });
    fields.back().Or(kWheelStoreOldKey);
    return fields;
}

} // namespace vex::orb::addon
