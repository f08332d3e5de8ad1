// The four-wheeler's saved state: the record "CarCamDataChunk" with the fixed record, the settings, the
// per-frame state and, on request, the ground meshes.

#include "interface/CMeshStorage.h"
#include "interface/SceneNode.h"
#include "plugins/carextended/CCarToolObject.h"
#include "plugins/carextended/CarStateFields.h"
#include "plugins/carextended/MeshParts.h"
#include "plugins/carextended/WheelSuffix.h"
#include "plugins/common/ToolRecord.h"
#include "util/ByteReader.h"
#include "util/ByteWriter.h"

#include <algorithm>
#include <optional>

namespace vex::orb::addon {
namespace {

// The fixed record "sDataChunkSaveStruct": the settings that have no key of their own and the rig's
// geometry. Little-endian doubles unless said otherwise.
//
//   offset  size  field
//   0       8     front stiffness
//   8       8     front damping
//   16      8     tyre pressure
//   24      8     mass multiplier
//   32      8     acceleration (scale relative)
//   40      8     turn base (back wheel relative)
//   48      8     skid brake stop factor
//   56      8     gravel roughness
//   64      8     grip
//   72      8     skidding release response factor
//   80      72    the nine inputs' response factors, in channel order
//   152     72    the nine inputs' maxima, in channel order
//   224     8     geometry: scale (the car's length)
//   232     96    geometry: the four wheel centres (x, y, z each), front left first
//   328     32    geometry: the four wheel radii
//   360     1     hide helpers (0 or 1)
//   361     1     hide helpers during recording
//   362     1     hide follow camera
//   363     1     hide driver camera
//   364     1     hide top-view camera
//   365     1     the rig's geometry has been read (no longer the first run)
//   366     2     zero
//   368     4     random seed adder (32-bit signed)
//   372     12    zero
// The rest of the geometry (tyre widths, centre of mass, extents) follows from the scale as in a new
// rig.
constexpr std::size_t kFrontStiffnessAt = 0;
constexpr std::size_t kFrontDampingAt = 8;
constexpr std::size_t kTirePressureAt = 16;
constexpr std::size_t kMassMultiplierAt = 24;
constexpr std::size_t kAccelerationAt = 32;
constexpr std::size_t kTurnBaseAt = 40;
constexpr std::size_t kSkidBrakeStopAt = 48;
constexpr std::size_t kGravelRoughnessAt = 56;
constexpr std::size_t kGripAt = 64;
constexpr std::size_t kSkiddingReleaseResponseAt = 72;
constexpr std::size_t kResponseFactorsAt = 80;
constexpr std::size_t kMaximaAt = 152;
constexpr std::size_t kScaleAt = 224;
constexpr std::size_t kWheelCentresAt = 232;
constexpr std::size_t kWheelRadiiAt = 328;
constexpr std::size_t kFlagsAt = 360;
constexpr std::size_t kRandomSeedAdderAt = 368;

constexpr const char* kSaveStructKey = "sDataChunkSaveStruct";
constexpr const char* kStoredGroundKey = "cMesh_storedGroundMesh";
constexpr const char* kPreparedGroundKey = "mBulletGroundMesh";

// Wheel centre nodes of older rigs were named on "WheelBottomMesh", with the wheel's suffix or its
// number (01 front left … 04 back right).
constexpr const char* kOldWheelCenterName = "WheelBottomMesh";

} // namespace

bool CCarToolObject::FindOldName(SceneNode& wheelCenter) {
    const auto found = std::find(rig_.wheelCenters.begin(), rig_.wheelCenters.end(), &wheelCenter);
    const int wheel = static_cast<int>(found - rig_.wheelCenters.begin());
    const std::string original = wheelCenter.name;
    for (const std::string& old : {WheelNodeName(kOldWheelCenterName, wheel),
                                   std::string(kOldWheelCenterName) + "0" + std::to_string(wheel + 1)}) {
        wheelCenter.name = old;
        if (wheelCenter.Find()) return true;
    }
    wheelCenter.name = original;
    return false;
}

std::array<uint8_t, CCarToolObject::kSaveStructSize> CCarToolObject::MakeSaveStruct() const {
    std::array<uint8_t, kSaveStructSize> bytes{};
    util::ByteWriter out(bytes);
    const CarParameters& p = parameters;
    out.WriteAt(kFrontStiffnessAt, p.frontStiffness);
    out.WriteAt(kFrontDampingAt, p.frontDamping);
    out.WriteAt(kTirePressureAt, p.tirePressure);
    out.WriteAt(kMassMultiplierAt, p.massMultiplier);
    out.WriteAt(kAccelerationAt, p.acceleration);
    out.WriteAt(kTurnBaseAt, p.turnBase);
    out.WriteAt(kSkidBrakeStopAt, p.skidBrakeStopFactor);
    out.WriteAt(kGravelRoughnessAt, p.gravelRoughness);
    out.WriteAt(kGripAt, p.grip);
    out.WriteAt(kSkiddingReleaseResponseAt, p.skiddingReleaseResponse);
    for (std::size_t k = 0; k < kCarInputCount; ++k) {
        out.WriteAt(kResponseFactorsAt + 8 * k, p.inputs[k].responseFactor);
        out.WriteAt(kMaximaAt + 8 * k, p.inputs[k].maximum);
    }
    out.WriteAt(kScaleAt, geometry.scale);
    for (std::size_t w = 0; w < 4; ++w) {
        out.WriteAt(kWheelCentresAt + 24 * w, geometry.wheelCentres[w].x);
        out.WriteAt(kWheelCentresAt + 24 * w + 8, geometry.wheelCentres[w].y);
        out.WriteAt(kWheelCentresAt + 24 * w + 16, geometry.wheelCentres[w].z);
        out.WriteAt(kWheelRadiiAt + 8 * w, geometry.wheelRadii[w]);
    }
    const bool flags[] = {
        hideHelpers, hideHelpersDuringRecording, hideFollowCam, hideDriverCam, hideTopViewCam, !firstRun};
    for (std::size_t i = 0; i < std::size(flags); ++i) bytes[kFlagsAt + i] = flags[i] ? 1 : 0;
    out.WriteAt(kRandomSeedAdderAt, static_cast<int32_t>(p.randomSeedAdder));
    return bytes;
}

bool CCarToolObject::ReadSaveStruct(const uint8_t* bytes, std::size_t size) {
    if (bytes == nullptr || size != kSaveStructSize) return false;
    util::ByteReader in(bytes, size);
    CarParameters& p = parameters;
    in.ReadAt(kFrontStiffnessAt, p.frontStiffness);
    in.ReadAt(kFrontDampingAt, p.frontDamping);
    in.ReadAt(kTirePressureAt, p.tirePressure);
    in.ReadAt(kMassMultiplierAt, p.massMultiplier);
    in.ReadAt(kAccelerationAt, p.acceleration);
    in.ReadAt(kTurnBaseAt, p.turnBase);
    in.ReadAt(kSkidBrakeStopAt, p.skidBrakeStopFactor);
    in.ReadAt(kGravelRoughnessAt, p.gravelRoughness);
    in.ReadAt(kGripAt, p.grip);
    in.ReadAt(kSkiddingReleaseResponseAt, p.skiddingReleaseResponse);
    for (std::size_t k = 0; k < kCarInputCount; ++k) {
        in.ReadAt(kResponseFactorsAt + 8 * k, p.inputs[k].responseFactor);
        in.ReadAt(kMaximaAt + 8 * k, p.inputs[k].maximum);
    }
    double scale = geometry.scale;
    in.ReadAt(kScaleAt, scale);
    CarGeometry read = CarGeometry::Default(scale);
    for (std::size_t w = 0; w < 4; ++w) {
        in.ReadAt(kWheelCentresAt + 24 * w, read.wheelCentres[w].x);
        in.ReadAt(kWheelCentresAt + 24 * w + 8, read.wheelCentres[w].y);
        in.ReadAt(kWheelCentresAt + 24 * w + 16, read.wheelCentres[w].z);
        in.ReadAt(kWheelRadiiAt + 8 * w, read.wheelRadii[w]);
    }
    geometry = read;
    bool* flags[] = {&hideHelpers, &hideHelpersDuringRecording, &hideFollowCam, &hideDriverCam,
                     &hideTopViewCam};
    for (std::size_t i = 0; i < std::size(flags); ++i) *flags[i] = bytes[kFlagsAt + i] != 0;
    firstRun = bytes[kFlagsAt + 5] == 0;
    int32_t seedAdder = 0;
    if (in.ReadAt(kRandomSeedAdderAt, seedAdder)) p.randomSeedAdder = seedAdder;
    return true;
}

std::vector<RecordField> CCarToolObject::RecordFields() {
    CarParameters& p = parameters;
    std::vector<RecordField> fields{
        {kSaveStructKey,
         [this] {
             const auto bytes = MakeSaveStruct();
             return util::DataChunk(kSaveStructKey, bytes.data(), bytes.size());
         },
         // restore() checks the record's size before the fields are read.
         [this](const util::DataChunk& field) { ReadSaveStruct(field.GetData(), field.GetSize()); }},
        {"fRelMaxBumperLen", p.suspensionLength},
        {"fSurfaceEdgeResponseFactor", surfaceEdgeResponseFactor_},
        {"cCarCambGravityOn", gravityOn_},
        {"dScaleRelMaxJumpVelocity", scaleRelMaxJumpVelocity_},
        {"dHorizontalRestoringFactor", p.horizontalRestoringFactor},
        {"dLandingNeutralizer", p.landingNeutralizer},
        {"iRayMultiplier", p.rayMultiplier},
    };
    std::vector<RecordField> stateFields = CarStateFields(record);
    for (RecordField& field : stateFields) fields.push_back(std::move(field));
    std::vector<RecordField> settings{
        {"andScaleRelSpeed", speed},
        {"dVelRelMaxSteeringChangeVel", p.maxSteeringChangeVelocity},
        {"cCarCamdWantedSkiddingValue", wantedSkiddingValue_},
        {"dBurnoutShake", p.burnoutShake},
        {"dBurnoutTiltForce", p.burnoutTiltForce},
        {"dMinGroundDistance", minGroundDistance_},
        {"dSpeedDependentTurnRadiusReductionFactor", p.speedDependentTurnReduction},
        {"cCarCamfGravity", p.gravity},
        {"cCarCamdBurnoutFadeoutFactor", p.burnoutFadeoutFactor},
        {"dLandingSkiddingFactor", landingSkiddingFactor_},
        {"dBoosterStiffnessMult", p.boosterStiffnessMult},
        {"fStiffnessBack", p.backStiffness},
        {"fDampingBack", p.backDamping},
        {"cCarCambAutonomousMode", p.autonomousMode},
        {"dFollowAccelerationMult", p.followStrength},
        {"dIgnoreSphereRadius", p.ignoreSphereRadius},
        {"cCarCamdSkiddingOffset", p.skiddingOffset},
        {"cCarCamdSkiddingReleaseThresh", p.skiddingReleaseThreshold},
        {"cCarCamdGravelShakeOffset", p.gravelShakeOffset},
        {"cCarCamdInputFilterMem", inputFilterMem_},
        {"cCarCamdGasPedalInputFilterMem", gasPedalInputFilterMem_},
        {"dFollowAccRespFact", p.followStrengthResponse},
        {"dAutoSteeringValueRespFact", p.autoSteeringResponse},
        {"cCarCamdForceOffset", p.externalForceOffset},
        {"bSaveDynamicData", seamlessTransitions},
        {"bDisableGroundNodesAnimation", disableGroundNodesAnimation_},
        {"bDisableFollowCamAnimation", disableFollowCamAnimation_},
        {"bDisableGravityNodeAnimation", disableGravityNodeAnimation_},
        {"cCarCamdMaximumForwardTiltAngle", p.maxForwardTiltAngle},
        {"cCarCamdMaximumSideTiltAngle", p.maxSideTiltAngle},
        {"dMaximumSpringChangeVelocityRel", p.maxWheelExtensionVelocity},
        RecordField("bFixateWheelBottomNodes", fixateWheelCenterNodes).Or("bFixateWheelCenterNodes"),
        {"dDegsPerRay", p.degreesPerRay},
        {"dVelocityConversionMult", velocityMultiplier},
        {"bAlignWheelCenterToGroundNormal", alignWheelCenterToGround},
        {"dInitialVelocity", p.initialVelocityPercent},
        {"bAddRaysAtWheelEdges", p.addRaysAtWheelEdges},
        {"dStartTime", startTime},
        {"bKeyframeOnlyEssential", keyframeOnlyEssential},
        {"cCarCam.dSkidBrakeRotBrakeMult", p.skidBrakeRotBrakeMult},
        {"dReverseMaxVelMult", p.reverseMaxVelMult},
        {"cCarCam.dSteeringNoise", p.steeringNoise},
        {"cSteeringWheelNode.dSteeringWheelRotMult", steeringWheelRotMult},
        {"cCarCam.bUseReverseAsAbsBrake", p.useReverseAsAbsBrake},
        {"bMoveWheelCenterNodeToGroundHitPoint", moveWheelCenterToGround},
        {"cCarCam.dGasPedalMaxRateOfChange", gasPedalMaxRateOfChange_},
        {"cSteeringWheelNode.mInit_loc",
         [this] { return util::DataChunk::Make("cSteeringWheelNode.mInit_loc", steeringWheelRest.m); },
         [this](const util::DataChunk& field) { field.Read(steeringWheelRest.m); }},
        {"bUseStaticMesh", useFastRayCast},
        {"bStoreGroundMeshData", storeGroundMeshData},
        {"cCarCam.dWorldAvoidanceSphereRadius", p.worldAvoidanceSphereRadius},
        {"cCarCam.dWheelRadiusMult", p.wheelRadiusMult},
        {"bGroundReleaseOn", p.groundReleaseOn},
        {"dJumpGravity", p.jumpGravity},
    };
    for (RecordField& field : settings) fields.push_back(std::move(field));
    return fields;
}

int CCarToolObject::store() {
    util::DataChunk chunk = WriteFields(RecordName(), RecordFields());
    if (storeGroundMeshData) {
        // The surfaces as the scene gave them, and the prepared collision mesh the ground is built from;
        // a ground read back from a saved state has only the latter.
        const bool built = !collision.Prepared().empty();
        const util::CMesh prepared = util::MergeMeshes(built ? collision.Prepared() : storedGround);
        util::DataChunk stored(kStoredGroundKey, nullptr, 0);
        stored.AddChild(util::MeshToChunk(built ? util::MergeMeshes(collision.Raw()) : prepared));
        chunk.AddChild(std::move(stored));
        util::DataChunk bullet(kPreparedGroundKey, nullptr, 0);
        bullet.AddChild(util::MeshToChunk(prepared));
        chunk.AddChild(std::move(bullet));
    }
    WriteToolRecord(core, chunk);
    return 0;
}

int CCarToolObject::restore() {
    // Every node is looked up, so every missing one is reported; the nodes the car cannot do without
    // are required, the others are made anew.
    const std::vector<SceneNode*> required{rig_.gravity, rig_.base, rig_.body};
    bool allFound = true;
    for (SceneNode* node : allNodes_) {
        if (node == nullptr || node->Find()) continue;
        if (std::find(required.begin(), required.end(), node) != required.end() ||
            std::find(rig_.wheels.begin(), rig_.wheels.end(), node) != rig_.wheels.end()) {
            allFound = false;
            continue;
        }
        const bool wheelCenter =
            std::find(rig_.wheelCenters.begin(), rig_.wheelCenters.end(), node) != rig_.wheelCenters.end();
        if (!wheelCenter || !FindOldName(*node)) node->create();
    }
    const std::optional<util::DataChunk> chunk = ReadToolRecord(core);
    if (chunk) {
        const util::DataChunk& saveStruct = chunk->FindChild(kSaveStructKey);
        if (saveStruct.GetSize() != kSaveStructSize) return 1;
        record.Clear();
        ReadFields(*chunk, RecordFields());
        storedGround.clear();
        util::CMesh prepared;
        if (util::MeshFromChunk(chunk->FindChild(kPreparedGroundKey).FindChild("CMesh"), prepared))
            storedGround.push_back(std::move(prepared));
        const double now = core->getCurrentTime();
        if (const CarState* recorded = record.Nearest(now)) state = *recorded;
        UpdateGauges(speed.get(now));
    }
    ShowPageValues();
    core->refreshConfiguration();
    return allFound ? 0 : 1;
}

} // namespace vex::orb::addon
