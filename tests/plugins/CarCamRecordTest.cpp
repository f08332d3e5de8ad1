#include "plugins/carextended/CCarCamObject.h"
#include "plugins/carextended/CollisionObjects.h"
#include "plugins/common/RecordField.h"
#include "tests/plugins/CarToolOnHost.h"
#include "util/DataChunk.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CCarCamObject;
using addon::CollisionObjects;
using util::DataChunk;

// Every key the saved state "CarCamDataChunk" holds at its top level.
const char* const kKeys[] = {"sDataChunkSaveStruct",
                             "fRelMaxBumperLen",
                             "fSurfaceEdgeResponseFactor",
                             "cCarCambGravityOn",
                             "dScaleRelMaxJumpVelocity",
                             "dHorizontalRestoringFactor",
                             "dLandingNeutralizer",
                             "iRayMultiplier",
                             "ancCarCamcCarBodyfRelYPos",
                             "ancCarCamcCarBodyfRelXAng",
                             "ancCarCamcCarBodyfRelZAng",
                             "ancCarCamcCarBodyfRelYVel",
                             "ancCarCamcCarBodyfRelXAngVel",
                             "ancCarCamcCarBodyfRelZAngVel",
                             "anFollowCamFilterMem",
                             "ancCarCampcInput_STEERING_WHEEL",
                             "ancCarCampcInput_GAS_PEDAL",
                             "wheelstore",
                             "ancCarCamqTransCarAbsIncr",
                             "ancCarCampcInput_SKID_BRAKE",
                             "ancCarCambSkidBreakingOn",
                             "ancCarCampcInput_SKIDDING",
                             "ancCarCambSkiddingOn",
                             "ancCarCamfSkidWantedGasPedalValue",
                             "anQGravityFilterMem",
                             "anbCarInTheAir",
                             "ancCarCampcInput_BOOSTER",
                             "ancCarCampcInput_BURNOUT",
                             "anvAcceleration",
                             "andFollowAccMem",
                             "andAutoSteeringValueMem",
                             "ancCarCamfCarLocalYawIncr",
                             "ancCarCambSkidBreakingOnDisableFeatures",
                             "ancCarCampcInput_GAS_PEDAL_inp_prev",
                             "ancCarCambIsReverseVelAbsBraking",
                             "ancCarCamvSkidBrakePosIncr",
                             "ancCarCamdSkidBrakeLocalYawIncr",
                             "ancCarCambSkidFirstTime",
                             "ancCarCamrandomValue_gravelShake",
                             "ancCarCamrandomValue_burnout",
                             "ancCarCamrandomValue_steeringNoise",
                             "ancCarCamvVelocity",
                             "ancCarCamvAngularVelocity",
                             "dVelRelMaxSteeringChangeVel",
                             "cCarCamdWantedSkiddingValue",
                             "dBurnoutShake",
                             "dBurnoutTiltForce",
                             "dMinGroundDistance",
                             "dSpeedDependentTurnRadiusReductionFactor",
                             "cCarCamfGravity",
                             "cCarCamdBurnoutFadeoutFactor",
                             "dLandingSkiddingFactor",
                             "dBoosterStiffnessMult",
                             "fStiffnessBack",
                             "fDampingBack",
                             "cCarCambAutonomousMode",
                             "dFollowAccelerationMult",
                             "dIgnoreSphereRadius",
                             "cCarCamdSkiddingOffset",
                             "cCarCamdSkiddingReleaseThresh",
                             "cCarCamdGravelShakeOffset",
                             "cCarCamdInputFilterMem",
                             "cCarCamdGasPedalInputFilterMem",
                             "dFollowAccRespFact",
                             "dAutoSteeringValueRespFact",
                             "cCarCamdForceOffset",
                             "bSaveDynamicData",
                             "bDisableGroundNodesAnimation",
                             "bDisableFollowCamAnimation",
                             "bDisableGravityNodeAnimation",
                             "cCarCamdMaximumForwardTiltAngle",
                             "cCarCamdMaximumSideTiltAngle",
                             "dMaximumSpringChangeVelocityRel",
                             "bFixateWheelBottomNodes",
                             "dDegsPerRay",
                             "dVelocityConversionMult",
                             "bAlignWheelCenterToGroundNormal",
                             "dInitialVelocity",
                             "bAddRaysAtWheelEdges",
                             "dStartTime",
                             "bKeyframeOnlyEssential",
                             "cCarCam.dSkidBrakeRotBrakeMult",
                             "dReverseMaxVelMult",
                             "cCarCam.dSteeringNoise",
                             "cSteeringWheelNode.dSteeringWheelRotMult",
                             "cCarCam.bUseReverseAsAbsBrake",
                             "bMoveWheelCenterNodeToGroundHitPoint",
                             "cCarCam.dGasPedalMaxRateOfChange",
                             "cSteeringWheelNode.mInit_loc",
                             "bUseStaticMesh",
                             "bStoreGroundMeshData",
                             "cCarCam.dWorldAvoidanceSphereRadius",
                             "cCarCam.dWheelRadiusMult",
                             "bGroundReleaseOn",
                             "dJumpGravity"};
// Every key of a wheel's part of "wheelstore".
const char* const kWheelKeys[] = {"ancCarCampcWheelfSuspZeroDiff", "ancCarCampcWheelfSuspZeroDiff_prev",
                                  "ancCarCampcWheelpfTotalPitch",  "ancWheelNodeCurrDelta",
                                  "ancWheelNodeCurrDeltaW",        "andWheelGroundNormalDiff"};

// `chunk` with its children named `from` renamed to `to`, or resized to `size` bytes when `to` is empty.
DataChunk Edited(const DataChunk& chunk, const std::string& from, const std::string& to,
                 std::size_t size = 0) {
    DataChunk edited(chunk.GetName(), chunk.GetData(), chunk.GetSize());
    for (std::size_t i = 0; i < chunk.GetChildCount(); ++i) {
        const DataChunk& child = chunk.GetChild(i);
        if (child.GetName() != from) {
            edited.AddChild(child);
            continue;
        }
        DataChunk replaced(to.empty() ? from : to, child.GetData(), to.empty() ? size : child.GetSize());
        for (std::size_t k = 0; k < child.GetChildCount(); ++k) replaced.AddChild(child.GetChild(k));
        edited.AddChild(std::move(replaced));
    }
    return edited;
}

class CarCamRecord : public CarToolOnHost<CCarCamObject> {
protected:
    CarCamRecord() : CarToolOnHost("4VeredevOro", "4VeredevOro_01") {}

    // The saved state the tool stored last.
    DataChunk Stored() {
        uint32_t size = 0;
        const uint8_t* bytes = instance_->getToolData(&size);
        std::optional<DataChunk> chunk = DataChunk::FromBytes(bytes, size);
        EXPECT_TRUE(chunk.has_value());
        return chunk.value_or(DataChunk());
    }
    void Save(const DataChunk& chunk) {
        const std::vector<uint8_t> bytes = chunk.Serialize();
        instance_->setToolData(bytes.data(), static_cast<uint32_t>(bytes.size()));
    }
    // A take of `frames` frames on a floor with the gas pressed.
    void Take(int frames) {
        AddGround("Ground", Floor(500.0));
        Bind("Gas Pedal (Forw/Backw)").setValue(1.0);
        BeginRun(0.0, false);
        for (int f = 1; f <= frames; ++f) instance_->Step(f * kFrame);
        EndRun();
    }
};

TEST_P(CarCamRecord, StoresEveryKeyAndReadsTheSettingsBack) {
    Take(10);
    tool_->parameters.frontStiffness = 55.0;
    tool_->parameters.backDamping = 4.5;
    tool_->parameters.inputs[3].maximum = 0.07;
    tool_->parameters.rayMultiplier = 3;
    tool_->parameters.randomSeedAdder = 17;
    tool_->parameters.autonomousMode = true;
    tool_->velocityMultiplier = 2.2369;
    tool_->hideHelpers = true;
    tool_->keyframeOnlyEssential = true;
    tool_->steeringWheelRotMult = 12.0;
    ASSERT_EQ(tool_->store(), 0);

    const DataChunk stored = Stored();
    EXPECT_EQ(stored.GetName(), "CarCamDataChunk");
    for (const char* key : kKeys) EXPECT_TRUE(addon::HasChild(stored, key)) << key;
    EXPECT_EQ(stored.FindChild("sDataChunkSaveStruct").GetSize(), 384u);
    const DataChunk& wheels = stored.FindChild("wheelstore");
    ASSERT_EQ(wheels.GetChildCount(), 4u);
    for (std::size_t w = 0; w < 4; ++w)
        for (const char* key : kWheelKeys) EXPECT_TRUE(addon::HasChild(wheels.GetChild(w), key)) << w << key;
    EXPECT_FALSE(addon::HasChild(stored, "cMesh_storedGroundMesh")) << "the ground is kept only on request";

    host_->SetCurrentTime(10 * kFrame);
    tool_->timeChanged(10 * kFrame);
    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_EQ(loaded->parameters.frontStiffness, 55.0);
    EXPECT_EQ(loaded->parameters.backDamping, 4.5);
    EXPECT_EQ(loaded->parameters.inputs[3].maximum, 0.07);
    EXPECT_EQ(loaded->parameters.rayMultiplier, 3);
    EXPECT_EQ(loaded->parameters.randomSeedAdder, 17);
    EXPECT_TRUE(loaded->parameters.autonomousMode);
    EXPECT_EQ(loaded->velocityMultiplier, 2.2369);
    EXPECT_TRUE(loaded->hideHelpers);
    EXPECT_TRUE(loaded->keyframeOnlyEssential);
    EXPECT_EQ(loaded->steeringWheelRotMult, 12.0);
    EXPECT_FALSE(loaded->firstRun);
    EXPECT_EQ(loaded->geometry.scale, tool_->geometry.scale);
    ASSERT_EQ(loaded->record.Frames().size(), tool_->record.Frames().size());
    EXPECT_EQ(loaded->record.Frames().back().state.pose, tool_->record.Frames().back().state.pose);
    EXPECT_EQ(loaded->record.Frames().back().state.wheels[2].spinAngle,
              tool_->record.Frames().back().state.wheels[2].spinAngle);
    EXPECT_GT(tool_->currentVelocity, 0.0);
    EXPECT_EQ(loaded->currentVelocity, tool_->currentVelocity) << "the gauges follow the restored speed";
}

TEST_P(CarCamRecord, AFixedRecordOfAnotherSizeIsRefused) {
    ASSERT_EQ(tool_->store(), 0);
    Save(Edited(Stored(), "sDataChunkSaveStruct", "", 383));
    EXPECT_EQ(Reload()->restore(), 1);
}

TEST_P(CarCamRecord, AMissingBodyIsRefusedAMissingForceNodeIsMadeAnew) {
    ASSERT_EQ(tool_->store(), 0);
    instance_->deleteNode(tool_->externalForce.node);
    ASSERT_FALSE(host_->Exists(Name("ExternalForceMesh")));
    EXPECT_EQ(Reload()->restore(), 0);
    EXPECT_TRUE(host_->Exists(Name("ExternalForceMesh")));

    instance_->deleteNode(tool_->body.node);
    EXPECT_EQ(Reload()->restore(), 1);
}

TEST_P(CarCamRecord, ReadsTheOlderKeyNames) {
    Take(5);
    tool_->fixateWheelCenterNodes = true;
    ASSERT_EQ(tool_->store(), 0);
    DataChunk older = Edited(Stored(), "ancCarCampcInput_SKID_BRAKE", "ancCarCampcInput_SKID_BREAK");
    older = Edited(older, "bFixateWheelBottomNodes", "bFixateWheelCenterNodes");
    older = Edited(older, "wheelstore", "wheelstore2");
    ASSERT_FALSE(addon::HasChild(older, "wheelstore"));
    Save(older);

    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_TRUE(loaded->fixateWheelCenterNodes);
    ASSERT_EQ(loaded->record.Frames().size(), tool_->record.Frames().size());
    const addon::CarState& original = tool_->record.Frames().back().state;
    const addon::CarState& read = loaded->record.Frames().back().state;
    EXPECT_EQ(read.inputs[addon::kSkidBrake], original.inputs[addon::kSkidBrake]);
    EXPECT_NE(read.wheels[0].spinAngle, 0.0);
    EXPECT_EQ(read.wheels[0].spinAngle, original.wheels[0].spinAngle);
    EXPECT_EQ(read.wheels[3].compression, original.wheels[3].compression);
}

TEST_P(CarCamRecord, FindsWheelCentresByTheirOlderNames) {
    // An older rig: its wheel centre nodes were made under the older names.
    ASSERT_EQ(tool_->store(), 0);
    instance_->deleteNode(tool_->wheelCenters[1].node);
    instance_->deleteNode(tool_->wheelCenters[0].node);
    addon::CWheelCenterNode frontRight(tool_, 1, &tool_->base);
    frontRight.name = "WheelBottomMesh_FR";
    ASSERT_TRUE(frontRight.create());
    addon::CWheelCenterNode frontLeft(tool_, 0, &tool_->base);
    frontLeft.name = "WheelBottomMesh01";
    ASSERT_TRUE(frontLeft.create());
    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_EQ(loaded->wheelCenters[1].name, "WheelBottomMesh_FR");
    EXPECT_EQ(loaded->wheelCenters[0].name, "WheelBottomMesh01");
    EXPECT_NE(loaded->wheelCenters[0].node, nullptr);
    EXPECT_FALSE(host_->Exists(Name("WheelCenterMesh_FR"))) << "found, not made anew";
    EXPECT_EQ(loaded->wheelCenters[2].name, "WheelCenterMesh_BL");
}

TEST_P(CarCamRecord, AStoredGroundStandsInForSurfacesThatAreGone) {
    tool_->storeGroundMeshData = true;
    Take(5);
    ASSERT_EQ(tool_->store(), 0);
    const DataChunk stored = Stored();
    EXPECT_TRUE(addon::HasChild(stored, "cMesh_storedGroundMesh"));
    EXPECT_TRUE(addon::HasChild(stored, "mBulletGroundMesh"));

    // Without its ground in the scene the restored car still stands on the stored one.
    host_->Parent(Name("GravityDirectionMesh"), Name("FollowCam"));
    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    ASSERT_EQ(loaded->storedGround.size(), 1u);
    messages_.clear();
    const Driving driving(*this);
    loaded->begin(5 * kFrame);
    EXPECT_NE(loaded->collision.Query(), nullptr);
    EXPECT_FALSE(Told("Warning", CollisionObjects::kNoGround));
    for (int f = 6; f <= 10; ++f) loaded->step(f * kFrame);
    loaded->end();
    EXPECT_TRUE(loaded->state.wheels[0].contact);
}

INSTANTIATE_TEST_SUITE_P(, CarCamRecord, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
