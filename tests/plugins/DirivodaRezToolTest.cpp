#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/configadaptor/Root.h"
#include "plugins/dirivodarez/CDirivodaRezObject.h"
#include "plugins/dirivodarezfree/CDirivodaRezFreeObject.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CDirivodaRezFreeObject;
using addon::CDirivodaRezObject;
using util::Matrix;

// The compiled-in DirivodaRez on each host under test.
class DirivodaRezTool : public ToolOnHost<CDirivodaRezObject> {
protected:
    DirivodaRezTool() : ToolOnHost("DirivodaRez", "DirivodaRez_01") {}

    // Runs `object` from frame `from` to `to` as the record loop does and answers the camera's keys.
    Keys Fly(CDirivodaRezObject& object, int from, int to) {
        return Continue(object, "DirivodaRez", from, to);
    }
};

TEST_P(DirivodaRezTool, CreatesCameraFigureTwelveChannelsAndThePage) {
    EXPECT_EQ(host_->Shape(Name("DirivodaRez")), HostShape::kCamera);
    EXPECT_GT(host_->MeshFaceCount(Name("Humanoid")), 0u);
    EXPECT_EQ(tool_->fieldOfView, host_->DefaultFieldOfView());
    for (size_t k = 0; k < CDirivodaRezObject::kInputNames.size(); ++k) {
        const unidevice::Property* channel = instance_->findInputChannel(CDirivodaRezObject::kInputNames[k]);
        ASSERT_NE(channel, nullptr) << k;
        EXPECT_EQ(channel->GetAccepts(), k >= 6 ? 15u : 14u) << k;
        EXPECT_EQ(channel->GetExponent(), 1.3);
    }
    const configadaptor::element::Root* page = instance_->GetPage();
    ASSERT_NE(page, nullptr);
    const std::vector<std::string> groups{"General Modes", "Camera Modes", "Camera Parameters",
                                          "Input Property Parameters"};
    const std::vector<size_t> counts{3, 1, 2, 24};
    ASSERT_EQ(page->CountChildren(), groups.size());
    for (size_t g = 0; g < groups.size(); ++g) {
        EXPECT_EQ(page->getChild(g)->getLabel(), groups[g]);
        EXPECT_EQ(page->getChild(g)->CountChildren(), counts[g]);
    }
    EXPECT_EQ(page->getChild(3)->getChild(23)->getLabel(), "Anti-Roll Regulator Maximum");
    ExpectPageIs(*instance_, tool_->Page());
}

TEST_P(DirivodaRezTool, ALoopTakeReSimulatesToTheSameCameraKeys) {
    unidevice::Control& forward = Bind("Forw/Backw Speed");
    unidevice::Control& yaw = Bind("Yaw Speed (Right/Left)");
    unidevice::Control& shake = Bind("Cam Shaker Amplitude");
    unidevice::Control& walk = Bind("Walk Cycle Amplitude");
    unidevice::Control& level = Bind("Anti-Roll Regulator");
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("DirivodaRez"); },
        [&](double t) {
            forward.setValue(0.8);
            yaw.setValue(0.6 * std::sin(3.0 * t));
            shake.setValue(t < 1.0 ? 1.0 : 0.0);
            walk.setValue(1.0);
            level.setValue(t > 1.5 ? 1.0 : 0.0);
        });
    ASSERT_GT(take.size(), 40u);
    EXPECT_LT(take.back().value.m[3][2], -1.0) << "it flew forwards";
    ExpectSameKeys(take, again);
}

// A saved instance read back by a new tool object continues a take exactly as the original does, from
// the recorded state of the frame it starts at (speeds and filters included).
TEST_P(DirivodaRezTool, ARestoredInstanceContinuesIdenticallyAndAMovedCameraStartsAtRest) {
    unidevice::Control& right = Bind("Right/Left Speed");
    unidevice::Control& pitch = Bind("Pitch Speed (Up/Down)");
    right.setValue(1.0);
    pitch.setValue(0.5);
    Fly(*tool_, 0, 12);
    ASSERT_EQ(tool_->store(), 0);
    right.setValue(0.0);
    pitch.setValue(0.0);

    const Keys original = Fly(*tool_, 6, 12);
    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    loaded->channels = tool_->channels;
    const Keys restored = Fly(*loaded, 6, 12);
    ExpectSameKeys(original, restored);
    // With the inputs released it still moves on at first: the take's speed came along.
    ASSERT_GE(original.size(), 2u);
    const size_t last = original.size() - 1;
    EXPECT_GT(original[last].value.m[3][0], original[last - 1].value.m[3][0]);

    // Moved by the user at frame 6, the camera starts there at rest.
    Matrix<double> moved = Local("DirivodaRez", 6 * kFrame);
    moved.m[3][1] += 5.0;
    SetKey("DirivodaRez", 6 * kFrame, moved);
    const Keys fresh = Fly(*tool_, 6, 12);
    ASSERT_FALSE(fresh.empty());
    EXPECT_NEAR(fresh.back().value.m[3][1], moved.m[3][1], 1e-9);
    EXPECT_NEAR(fresh.back().value.m[3][0], moved.m[3][0], 1e-9);
}

INSTANTIATE_TEST_SUITE_P(, DirivodaRezTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

class DirivodaRezFreeTool : public ToolOnHost<CDirivodaRezFreeObject> {
protected:
    DirivodaRezFreeTool() : ToolOnHost("DirivodaRezFree", "DirivodaRezFree_01") {}
};

TEST_P(DirivodaRezFreeTool, FliesWithTheSixSpeedAndTurnChannelsOnly) {
    EXPECT_EQ(host_->Shape(Name("DirivodaRez")), HostShape::kCamera);
    for (size_t k = 0; k < CDirivodaRezObject::kInputNames.size(); ++k)
        EXPECT_EQ(instance_->findInputChannel(CDirivodaRezObject::kInputNames[k]) != nullptr, k < 6) << k;
    EXPECT_EQ(instance_->GetPage()->getChild(3)->CountChildren(), 12u);
    ExpectPageIs(*instance_, tool_->Page());
}

INSTANTIATE_TEST_SUITE_P(, DirivodaRezFreeTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
