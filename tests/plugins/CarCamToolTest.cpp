#include "interface/CCameraPlugin.h"
#include "plugins/4wheelerfree/CCarCamFreeObject.h"
#include "plugins/carextended/CCarCamObject.h"
#include "plugins/carextended/WheelSuffix.h"
#include "tests/interface/StubCoreInterface.h"
#include "tests/plugins/CarToolOnHost.h"
#include "tests/plugins/ToolPageChecks.h"
#include "util/MathOps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <variant>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CarGeometry;
using addon::CCarCamFreeObject;
using addon::CCarCamObject;
using addon::CCarToolObject;
using addon::ToolPage;
using util::Matrix;
using V = util::Vector3<double>;

constexpr double kNoDefault = std::numeric_limits<double>::quiet_NaN();

V Translation(const Matrix<double>& m) {
    return {m.m[3][0], m.m[3][1], m.m[3][2]};
}
double RowLength(const Matrix<double>& m, int row) {
    return util::Length(V{m.m[row][0], m.m[row][1], m.m[row][2]});
}

// The nodes of the full rig that show a helper mesh, wheel nodes by their base names.
const std::vector<std::string> kMeshNodes{"CarBodyBaseMesh",   "CarBodyMesh",  "ChassisRelocatorMesh",
                                          "SteeringWheelMesh", "TurnBaseMesh", "GravityDirectionMesh",
                                          "ExternalForceMesh", "TargetMesh"};
const std::vector<std::string> kWheelMeshNodes{"WheelRelocatorMesh", "WheelMesh", "WheelCenterMesh",
                                               "WheelCenterSuspensionMesh"};
const std::vector<std::string> kCameraNodes{"FollowCam", "DriverCam", "TopViewCam"};

// One input channel as the user sees it.
struct ChannelRow {
    const char* label;
    uint32_t kinds;
    double responseFactor;
    double maximum;
};
const ChannelRow kChannels[] = {
    {"Gas Pedal (Forw/Backw)", 14, 0.01, 3.0},
    {"Steering Wheel (Right/Left)", 14, 0.1, 0.7},
    {"Booster", 15, 0.02, 6.0},
    {"ABS Brake", 15, 1.0, 0.03},
    {"Skidding", 15, 0.1, 0.9},
    {"Skid Brake", 15, 0.1, 1.0},
    {"Gravel Shake Amplitude", 15, 1.0, 0.05},
    {"Burnout", 15, 0.03, 3.0},
    {"External Force", 15, 1.0, 100.0},
};

// One page item: its group, label, kind ('s' spinner, 'i' int spinner, 'c' check box, 'b' button),
// range and step, and its default (NaN: whatever the vehicle model's parameters start with).
struct PageRow {
    const char* group;
    const char* label;
    char kind;
    double min, max, step, initial;
};
// clang-format off
const PageRow kPage[] = {
    {"Gauges (read only)", "Initital Velocity (% of max)", 's', 0, 1000, 1, kNoDefault},
    {"Gauges (read only)", "Multiplier", 's', 0.001, 1e7, 0.001, 3.6},
    {"Gauges (read only)", "World Space Maximum Velocity Gauge", 's', 0, 100000, 1, kNoDefault},
    {"Gauges (read only)", "Current Velocity", 's', -1e7, 1e7, 0.01, kNoDefault},
    {"Gauges (read only)", "Current Velocity (% of max)", 's', -1e7, 1e7, 0.01, kNoDefault},
    {"Gauges (read only)", "World Space Acceleration Gauge (seconds from 0 to 100)", 's', 0, 1e6, 0.01, kNoDefault},
    {"Gauges (read only)", "World Space Acceleration Gauge (seconds from 0 to 60)", 's', 0, 1e6, 0.01, kNoDefault},
    {"General Modes", "Re-Initialize Car Attributes", 'b', 0, 0, 0, kNoDefault},
    {"General Modes", "Hide Helpers", 'c', 0, 0, 0, 0},
    {"General Modes", "Hide Helpers During Recording", 'c', 0, 0, 0, 0},
    {"General Modes", "Hide Follow Camera", 'c', 0, 0, 0, 1},
    {"General Modes", "Hide Driver Camera", 'c', 0, 0, 0, 1},
    {"General Modes", "Hide TopView Camera", 'c', 0, 0, 0, 1},
    {"General Modes", "Enable Seamless Transitions", 'c', 0, 0, 0, 1},
    {"General Modes", "Keyframe only essential objects", 'c', 0, 0, 0, 0},
    {"Autonomous Mode Properties", "Autonomous Mode", 'c', 0, 0, 0, 0},
    {"Autonomous Mode Properties", "Autonomous mode follow strength", 's', 0.01, 30, 0.01, 0.5},
    {"Autonomous Mode Properties", "Follow Strength Response Factor", 's', 0.0001, 1, 0.001, 0.02},
    {"Autonomous Mode Properties", "Auto-Steering Response Factor", 's', 0.0001, 1, 0.001, 0.2},
    {"Autonomous Mode Properties", "Reverse Max Vel Mult", 's', 0, 1000, 0.001, kNoDefault},
    {"Autonomous Mode Properties", "Ignore Sphere Radius (length relative)", 's', 0.001, 100, 0.001, kNoDefault},
    {"Steering Properties", "Maximum Steering Change Velocity", 's', 0.001, 100, 0.001, kNoDefault},
    {"Steering Properties", "Speed Dependent Turn Radius Reduction Factor", 's', 0, 10, 0.001, kNoDefault},
    {"Steering Properties", "Steering Noise", 's', 0, 1000, 0.001, kNoDefault},
    {"Steering Properties", "Steering Wheel Rot Mult", 's', 0, 1000, 0.001, kNoDefault},
    {"Steering Properties", "Turn Base (Back Wheel Relative)", 's', -2, 2, 0.001, kNoDefault},
    {"Suspension Properties", "Front Stiffness", 's', 0, 10000, 1, kNoDefault},
    {"Suspension Properties", "Front Damping", 's', 0, 10000, 0.1, kNoDefault},
    {"Suspension Properties", "Back Stiffness", 's', 0, 10000, 1, kNoDefault},
    {"Suspension Properties", "Back Damping", 's', 0, 10000, 0.1, kNoDefault},
    {"Suspension Properties", "Tire Pressure", 's', 0, 1000, 0.001, 0.8},
    {"Suspension Properties", "Maximum Forward Tilt Angle", 's', 0, 1.5, 0.0001, kNoDefault},
    {"Suspension Properties", "Maximum Side Tilt Angle", 's', 0, 1.5, 0.0001, kNoDefault},
    {"Suspension Properties", "Booster Stiffness Multiplier", 's', 0, 10, 0.001, kNoDefault},
    {"Suspension Properties", "Mass Multiplier", 's', 0, 1000, 0.001, kNoDefault},
    {"General Properties", "Fixate Wheel Center Nodes", 'c', 0, 0, 0, 0},
    {"General Properties", "Move WheelCenterMesh to ground hit point", 'c', 0, 0, 0, 0},
    {"General Properties", "Align WheelCenterMesh to ground incline", 'c', 0, 0, 0, 0},
    {"General Properties", "Use Reverse as ABS Brake", 'c', 0, 0, 0, kNoDefault},
    {"General Properties", "Skidding Offset Value", 's', 0, 100, 0.001, kNoDefault},
    {"General Properties", "Skidding Release Value (Lateral Vel Rel)", 's', 0, 100, 0.001, kNoDefault},
    {"General Properties", "Skidding Release Response Factor", 's', 1e-8, 1, 0.001, kNoDefault},
    {"General Properties", "Gravel Shake Offset Value", 's', 0, 100, 0.001, kNoDefault},
    {"General Properties", "Gravel Roughness", 's', 0, 1, 0.001, kNoDefault},
    {"General Properties", "External Force Offset Value", 's', 0, 10000, 0.001, kNoDefault},
    {"General Properties", "Skid Brake Stop Factor", 's', 1e-8, 100, 0.001, kNoDefault},
    {"General Properties", "Skid Brake Rot Brake Mult", 's', 0, 1000, 0.001, kNoDefault},
    {"General Properties", "Burnout Shake", 's', 0, 100, 0.01, kNoDefault},
    {"General Properties", "Burnout Tilting Force", 's', 0, 100, 0.01, kNoDefault},
    {"General Properties", "Burnout Fadeout Factor", 's', 0, 1, 0.001, kNoDefault},
    {"General Properties", "Random Seed Adder", 'i', 0, 10000, 1, kNoDefault},
    {"General Properties", "World Avoidance Sphere (scale relative)", 's', 0, 2e9, 1, kNoDefault},
    {"General Properties", "Wheel Radius Multiplier", 's', 0.01, 10, 0.01, kNoDefault},
    {"General Properties", "Gravity", 's', 0, 10000, 0.001, kNoDefault},
    {"Wheel Ground Release Properties", "Enable Wheel Ground Release", 'c', 0, 0, 0, kNoDefault},
    {"Wheel Ground Release Properties", "Suspension Length (Radius Relative)", 's', 0, 100, 0.001, kNoDefault},
    {"Wheel Ground Release Properties", "Maximum Wheel Extension Velocity (Radius Rel)", 's', 0, 100, 0.001, 3.0},
    {"Ray Cast Properties", "Ray Multiplier", 'i', 1, 100, 1, 1},
    {"Ray Cast Properties", "Cast Rays at Wheel Edges", 'c', 0, 0, 0, 1},
    {"Ray Cast Properties", "Degrees Per Ray", 's', 0.1, 89, 0.01, 2.0},
    {"Ray Cast Properties", "Use Fast Ray Cast", 'c', 0, 0, 0, 0},
    {"Ray Cast Properties", "Store Ground Mesh Data", 'c', 0, 0, 0, 0},
    {"Input Property Parameters", "Acceleration (scale relative)", 's', 0.001, 1e6, 0.01, kNoDefault},
};
// clang-format on

// The rows of the page: the table above, then a response factor and a maximum per channel.
std::vector<PageRow> PageRows() {
    std::vector<PageRow> rows(std::begin(kPage), std::end(kPage));
    static std::vector<std::string> labels;
    labels.clear();
    for (const ChannelRow& channel : kChannels)
        labels.push_back(std::string(channel.label) + " Response Factor");
    for (const ChannelRow& channel : kChannels) labels.push_back(std::string(channel.label) + " Maximum");
    for (std::size_t k = 0; k < labels.size(); ++k)
        rows.push_back({"Input Property Parameters", labels[k].c_str(), 's', 0, 1e16, 0.001,
                        k < 9 ? kChannels[k].responseFactor : kChannels[k - 9].maximum});
    return rows;
}

// Expects `page` to be `rows`, item for item: groups, labels, kinds, ranges, steps, defaults, and a
// channel of its own and setting 1 (10 for int spinners) for every spinner.
void ExpectPageRows(const ToolPage& page, const std::vector<PageRow>& rows) {
    std::size_t r = 0;
    for (const addon::PageGroup& group : page) {
        for (const addon::PageItem& item : group.items) {
            ASSERT_LT(r, rows.size()) << "an item past the table: " << addon::ItemName(item);
            const PageRow& row = rows[r++];
            SCOPED_TRACE(row.label);
            EXPECT_EQ(group.name, row.group);
            EXPECT_EQ(addon::ItemName(item), row.label);
            if (const auto* spinner = std::get_if<addon::SpinnerItem>(&item)) {
                EXPECT_EQ(row.kind, 's');
                EXPECT_EQ(spinner->min, row.min);
                EXPECT_EQ(spinner->max, row.max);
                EXPECT_EQ(spinner->step, row.step);
                EXPECT_TRUE(spinner->channel);
                EXPECT_EQ(spinner->setting, 1);
                if (!std::isnan(row.initial)) {
                    EXPECT_DOUBLE_EQ(*spinner->value, row.initial);
                }
            } else if (const auto* intSpinner = std::get_if<addon::IntSpinnerItem>(&item)) {
                EXPECT_EQ(row.kind, 'i');
                EXPECT_EQ(intSpinner->min, row.min);
                EXPECT_EQ(intSpinner->max, row.max);
                EXPECT_EQ(intSpinner->step, row.step);
                EXPECT_TRUE(intSpinner->channel);
                EXPECT_EQ(intSpinner->setting, 10);
                if (!std::isnan(row.initial)) {
                    EXPECT_EQ(*intSpinner->value, row.initial);
                }
            } else if (const auto* check = std::get_if<addon::CheckBoxItem>(&item)) {
                EXPECT_EQ(row.kind, 'c');
                if (!std::isnan(row.initial)) {
                    EXPECT_EQ(*check->value, row.initial != 0.0);
                }
            } else {
                EXPECT_EQ(row.kind, 'b');
                EXPECT_TRUE(std::holds_alternative<addon::ButtonItem>(item));
            }
        }
    }
    EXPECT_EQ(r, rows.size()) << "items of the table missing from the page";
}

// The four-wheeler on each host under test.
class CarCamTool : public CarToolOnHost<CCarCamObject> {
protected:
    CarCamTool() : CarToolOnHost("4VeredevOro", "4VeredevOro_01") {}
};

// The reduced four-wheeler on each host under test.
class CarCamFreeTool : public CarToolOnHost<CCarCamFreeObject> {
protected:
    CarCamFreeTool() : CarToolOnHost("4WheelerFree", "4WheelerFree_01") {}
};

TEST_P(CarCamTool, ReportsItsIdentity) {
    EXPECT_EQ(tool_->plugin->getIdentifier(), "4VeredevOro");
    EXPECT_EQ(tool_->plugin->getFolderName(), "carextended");
    EXPECT_EQ(tool_->plugin->getDisplayName(), "Torva 4-Vaviriv Idararer");
    EXPECT_EQ(tool_->plugin->getCategory(), "Vehicle");
    std::vector<std::string> aliases;
    EXPECT_EQ(tool_->plugin->extension(16, &aliases), 1);
    EXPECT_EQ(aliases, std::vector<std::string>{"CarExtended"});
    const std::string description = tool_->plugin->getDescription();
    EXPECT_NE(description.find("GravityDirectionMesh"), std::string::npos);
    EXPECT_NE(description.find("TargetMesh"), std::string::npos);
    EXPECT_NE(description.find("autonomous mode"), std::string::npos);
}

TEST_P(CarCamTool, CreatesTheRigOfA42MetreCar) {
    for (const std::string& node : kMeshNodes) {
        EXPECT_EQ(host_->Shape(Name(node)), HostShape::kMesh) << node;
        EXPECT_GT(host_->MeshFaceCount(Name(node)), 0u) << node;
    }
    for (const std::string& base : kWheelMeshNodes)
        for (int w = 0; w < 4; ++w) {
            const std::string node = addon::WheelNodeName(base.c_str(), w);
            EXPECT_EQ(host_->Shape(Name(node)), HostShape::kMesh) << node;
            EXPECT_GT(host_->MeshFaceCount(Name(node)), 0u) << node;
        }
    for (const std::string& node : kCameraNodes) {
        EXPECT_EQ(host_->Shape(Name(node)), HostShape::kCamera) << node;
        EXPECT_FALSE(host_->ShapeVisible(Name(node))) << node << " starts hidden";
    }
    EXPECT_TRUE(host_->ShapeVisible(Name("CarBodyMesh")));

    // The body's scale is the car's length; the wheels sit at the default rig's centres with their
    // radii as scale, so the geometry read back from the scene is the default one.
    const CarGeometry expected = CarGeometry::Default(4.2);
    EXPECT_NEAR(RowLength(Local("CarBodyMesh", 0.0), 0), 4.2, 1e-9);
    for (int w = 0; w < 4; ++w) {
        const V centre = Translation(Local(addon::WheelNodeName("WheelRelocatorMesh", w), 0.0));
        EXPECT_NEAR(util::Length(centre - expected.wheelCentres[w]), 0.0, 1e-9) << w;
        EXPECT_NEAR(RowLength(Local(addon::WheelNodeName("WheelMesh", w), 0.0), 1), expected.wheelRadii[w],
                    1e-9);
    }
    const CarGeometry read = tool_->ReadGeometry(0.0);
    EXPECT_NEAR(read.scale, 4.2, 1e-9);
    for (int w = 0; w < 4; ++w) {
        EXPECT_NEAR(util::Length(read.wheelCentres[w] - expected.wheelCentres[w]), 0.0, 1e-9);
        EXPECT_NEAR(read.wheelRadii[w], expected.wheelRadii[w], 1e-9);
    }
    // The body rides on its base: moving the base moves the body in the world.
    Matrix<double> moved;
    moved.m[3][0] = 5.0;
    host_->SetStatic(Name("CarBodyBaseMesh"), moved);
    EXPECT_NEAR(World("CarBodyMesh", 0.0).m[3][0], 5.0, 1e-9);
    EXPECT_NEAR(World("WheelMesh_FL", 0.0).m[3][0], 5.0 + expected.wheelCentres[0].x, 1e-9);
}

TEST_P(CarCamTool, DeclaresTheNineChannelsInOrder) {
    for (std::size_t k = 0; k < std::size(kChannels); ++k) {
        const ChannelRow& row = kChannels[k];
        const unidevice::Property* channel = instance_->findInputChannel(row.label);
        ASSERT_NE(channel, nullptr) << row.label;
        EXPECT_EQ(channel, tool_->channels[k]);
        EXPECT_EQ(channel->GetAccepts(), row.kinds) << row.label;
        EXPECT_EQ(channel->GetExponent(), 1.3) << row.label;
        EXPECT_EQ(tool_->parameters.inputs[k].responseFactor, row.responseFactor) << row.label;
        EXPECT_EQ(tool_->parameters.inputs[k].maximum, row.maximum) << row.label;
    }
}

TEST_P(CarCamTool, PageIsTheCarsTable) {
    ExpectPageRows(tool_->Page(), PageRows());
    ExpectPageIs(*instance_, tool_->Page());
}

TEST_P(CarCamFreeTool, PageHasNothingThatNeedsTheMissingNodes) {
    ExpectPageIs(*instance_, tool_->Page());
    for (const addon::PageGroup& group : tool_->Page()) {
        EXPECT_NE(group.name, "Autonomous Mode Properties");
        for (const addon::PageItem& item : group.items) {
            const std::string& name = addon::ItemName(item);
            for (const char* node : {"WheelCenterMesh", "Steering Wheel Rot", "External Force Offset"})
                EXPECT_EQ(name.find(node), std::string::npos) << name;
        }
    }
}

TEST_P(CarCamTool, GaugesFollowScaleMultiplierAndSpeed) {
    tool_->geometry.scale = 5.0;
    tool_->velocityMultiplier = 2.2369;
    tool_->parameters.inputs[0].maximum = 4.0;
    tool_->parameters.acceleration = 0.5;
    tool_->UpdateGauges(2.0);
    EXPECT_DOUBLE_EQ(tool_->maxVelocityGauge, 4.0 * 2.2369 * 5.0);
    EXPECT_DOUBLE_EQ(tool_->currentVelocity, 5.0 * 2.2369 * 2.0);
    EXPECT_DOUBLE_EQ(tool_->currentVelocityPercent, 100.0 * 2.0 / 4.0);
    EXPECT_DOUBLE_EQ(tool_->accelerationGauge100, ((100.0 / 2.2369) / 0.5) / 5.0);
    EXPECT_DOUBLE_EQ(tool_->accelerationGauge60, ((60.0 / 2.2369) / 0.5) / 5.0);

    // Reversing reads negative; a car all but still reads 0 on both speed gauges.
    tool_->UpdateGauges(-1.0);
    EXPECT_LT(tool_->currentVelocity, 0.0);
    EXPECT_LT(tool_->currentVelocityPercent, 0.0);
    tool_->UpdateGauges(0.00005);
    EXPECT_EQ(tool_->currentVelocity, 0.0);
    EXPECT_EQ(tool_->currentVelocityPercent, 0.0);
    // Just above the speed threshold the velocity reads, the percentage (under 0.01 %) does not.
    tool_->UpdateGauges(0.0002);
    EXPECT_GT(tool_->currentVelocity, 0.0);
    EXPECT_EQ(tool_->currentVelocityPercent, 0.0);
}

TEST_P(CarCamTool, OutputChannelsAnswerTheCoresQuestions) {
    ASSERT_EQ(tool_->outputs.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(tool_->outputs[i]->getName(), CCarToolObject::kOutputNames[i]);
        EXPECT_EQ(tool_->outputs[i]->GetAccepts(), unidevice::kInfiniteControl);
    }
    EXPECT_EQ(tool_->getExtensionIds(), std::vector<int32_t>{CCamera::kOutputChannelValue});
    // A car that has not touched the ground yet has every wheel in the air.
    for (std::size_t i = 3; i < 7; ++i) {
        EXPECT_EQ(tool_->extension(CCamera::kOutputChannelValue, tool_->outputs[i].get()), 1);
        EXPECT_EQ(tool_->outputs[i]->current, 1.0);
    }
    tool_->state.wheels[1].contact = true;
    tool_->running = true;
    tool_->extension(CCamera::kOutputChannelValue, tool_->outputs[4].get());
    EXPECT_EQ(tool_->outputs[4]->current, 0.0);
    tool_->state.steering = 0.25;
    tool_->extension(CCamera::kOutputChannelValue, tool_->outputs[2].get());
    EXPECT_EQ(tool_->outputs[2]->current, 0.25);
    tool_->running = false;
    addon::COutputChannel stranger("Velocity", unidevice::kInfiniteControl);
    EXPECT_EQ(tool_->extension(CCamera::kOutputChannelValue, &stranger), 0);
    EXPECT_EQ(tool_->extension(CCamera::kWriteCustomData, tool_->outputs[0].get()), 0);
}

// A core that adds no virtual controls gets no output channels, and the tool answers nothing.
TEST(CarCamOutputs, NoneWithoutVirtualControls) {
    orb::test::StubCoreInterface core;
    CCarCamObject tool({nullptr, "4VeredevOro_01"});
    tool.core = &core;
    ASSERT_FALSE(core.hasExtension(CInterface::kAddVirtualControl));
    EXPECT_EQ(tool.buildConfiguration(), 0);
    EXPECT_TRUE(tool.outputs.empty());
    addon::COutputChannel output("Velocity", unidevice::kInfiniteControl);
    EXPECT_EQ(tool.extension(CCamera::kOutputChannelValue, &output), 0);
    EXPECT_EQ(output.current, 0.0);
}

TEST_P(CarCamFreeTool, HasOnlyTheReducedRigAndNoOutputs) {
    for (const char* node : {"CarBodyBaseMesh", "CarBodyMesh", "GravityDirectionMesh"})
        EXPECT_EQ(host_->Shape(Name(node)), HostShape::kMesh) << node;
    for (int w = 0; w < 4; ++w)
        EXPECT_GT(host_->MeshFaceCount(Name(addon::WheelNodeName("WheelMesh", w))), 0u) << w;
    for (const std::string& node : kCameraNodes)
        EXPECT_EQ(host_->Shape(Name(node)), HostShape::kCamera) << node;
    for (const char* node : {"TargetMesh", "ExternalForceMesh", "SteeringWheelMesh", "TurnBaseMesh",
                             "ChassisRelocatorMesh", "WheelRelocatorMesh_FL", "WheelCenterMesh_FL"})
        EXPECT_FALSE(host_->Exists(Name(node))) << node;
    EXPECT_TRUE(tool_->outputs.empty());
    EXPECT_EQ(tool_->plugin->getDisplayName(), "Torva 4-Wheeler Free");
    EXPECT_EQ(tool_->plugin->getDescription(), "reduced four-wheeler");
    // Its geometry comes from where the wheels are rigged.
    Matrix<double> wheel = Local("WheelMesh_BR", 0.0);
    wheel.m[3][2] += 0.5;
    host_->SetStatic(Name("WheelMesh_BR"), wheel);
    EXPECT_NEAR(tool_->ReadGeometry(0.0).wheelCentres[3].z, CarGeometry::Default(4.2).wheelCentres[3].z + 0.5,
                1e-9);
}

TEST_P(CarCamTool, HideFlagsShowAndHideHelpersAndCameras) {
    ASSERT_TRUE(EditOnPage("Hide Helpers"));
    EXPECT_FALSE(host_->ShapeVisible(Name("CarBodyBaseMesh")));
    EXPECT_FALSE(host_->ShapeVisible(Name("WheelMesh_BL")));
    ASSERT_TRUE(EditOnPage("Hide Follow Camera", 0.0));
    EXPECT_TRUE(host_->ShapeVisible(Name("FollowCam")));
    EXPECT_FALSE(host_->ShapeVisible(Name("DriverCam")));
    ASSERT_TRUE(host_->Undo());
    EXPECT_FALSE(host_->ShapeVisible(Name("FollowCam")));
    ASSERT_TRUE(host_->Undo());
    EXPECT_TRUE(host_->ShapeVisible(Name("CarBodyBaseMesh")));
}

INSTANTIATE_TEST_SUITE_P(, CarCamTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);
INSTANTIATE_TEST_SUITE_P(, CarCamFreeTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
