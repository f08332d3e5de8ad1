#include "core/Instance.h"
#include "plugins/angleruler/CAngleRulerObject.h"
#include "plugins/common/RulerWindow.h"
#include "plugins/distanceruler/CDistanceRulerObject.h"
#include "plugins/scaleruler/CScaleRulerObject.h"
#include "tests/interface/StubCoreInterface.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "tests/system/adaptors/memory/MemoryTestSupport.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CAngleRulerObject;
using addon::CDistanceRulerObject;
using addon::CScaleRulerObject;
using util::Matrix;

using adaptor::memory::test::Translation;

TEST(RulerWindow, LimitsTriggerStrictlyAndTheWindowClamps) {
    EXPECT_EQ(addon::AboveTrigger(5.0, 5.0), 0.0) << "equal to max is not above it";
    EXPECT_EQ(addon::AboveTrigger(5.1, 5.0), 1.0);
    EXPECT_EQ(addon::BelowTrigger(1.0, 1.0), 0.0);
    EXPECT_EQ(addon::BelowTrigger(0.9, 1.0), 1.0);
    EXPECT_DOUBLE_EQ(addon::WindowPosition(3.0, 5.0, 1.0), 0.5);
    EXPECT_EQ(addon::WindowPosition(9.0, 5.0, 1.0), 1.0);
    EXPECT_EQ(addon::WindowPosition(-9.0, 5.0, 1.0), 0.0);
    // Max equal to min: 0 or 1, and not a number at the limit itself.
    EXPECT_EQ(addon::WindowPosition(1.0, 2.0, 2.0), 0.0);
    EXPECT_EQ(addon::WindowPosition(3.0, 2.0, 2.0), 1.0);
    EXPECT_TRUE(std::isnan(addon::WindowPosition(2.0, 2.0, 2.0)));
}

// Without a host that adds virtual controls a ruler makes no outputs and answers no output request.
TEST(RulerWithoutVirtualControls, MakesAndPublishesNothing) {
    orb::test::StubCoreInterface stub;
    CDistanceRulerObject ruler({nullptr, "DistanceRuler_01"});
    ruler.core = &stub;
    EXPECT_EQ(ruler.buildConfiguration(), 0);
    EXPECT_EQ(ruler.outputs.Count(), 0u);
    ruler.step(0.04);
    int notAnOutput = 0;
    EXPECT_EQ(ruler.extension(CCamera::kOutputChannelValue, &notAnOutput), 0);
}

// Every output's current value as the core reads it.
template <class Ruler>
std::vector<double> Published(Ruler& ruler) {
    std::vector<double> values;
    for (std::size_t k = 0; k < ruler.outputs.Count(); ++k) values.push_back(ruler.outputs.At(k).getValue());
    return values;
}

class DistanceRulerTool : public ToolOnHost<CDistanceRulerObject> {
protected:
    DistanceRulerTool() : ToolOnHost("DistanceRuler", "DistanceRuler_01") {}
};

TEST_P(DistanceRulerTool, MeasuresPublishesAndShowsTheDistance) {
    ASSERT_EQ(tool_->outputs.Count(), 4u);
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(tool_->outputs.At(k).getName(), CDistanceRulerObject::kOutputNames[k]);
    EXPECT_EQ(tool_->outputs.At(0).GetAccepts(), 8u);
    EXPECT_EQ(tool_->outputs.At(1).GetAccepts(), 1u);
    EXPECT_EQ(tool_->outputs.At(3).GetAccepts(), 4u);
    ExpectPageIs(*instance_, tool_->Page());
    EXPECT_DOUBLE_EQ(tool_->currentDistance, 2.0) << "the new targets stand two units apart";

    tool_->maxDistance = 4.0;
    tool_->minDistance = 2.0;
    host_->SetStatic(Name("DistanceTarget2"), Translation(3.0, 4.0, 0.0));
    BeginRun(0.0, false);
    instance_->Step(kFrame);
    EXPECT_EQ(Published(*tool_), (std::vector<double>{5.0, 1.0, 0.0, 1.0}));
    EXPECT_EQ(tool_->outputs.At(0).previous, 5.0) << "the measure published as the run began";
    // The first target's z row scales the measure.
    Matrix<double> scaled = Translation(0.0, 1.0, 0.0);
    scaled.m[2][2] = 0.6;
    SetKey("DistanceTarget1", 2 * kFrame, scaled);
    instance_->Step(2 * kFrame);
    EndRun();
    EXPECT_DOUBLE_EQ(tool_->currentDistance, 3 * std::sqrt(2.0) * 0.6);
    EXPECT_EQ(tool_->outputs.At(0).previous, 5.0) << "previous ← current";
    const double d = tool_->currentDistance;
    EXPECT_EQ(Published(*tool_)[1], 0.0);
    EXPECT_EQ(Published(*tool_)[2], 0.0);
    EXPECT_DOUBLE_EQ(Published(*tool_)[3], 1.0 - (4.0 - d) / 2.0) << "within the limits";

    // Moving a target and pressing "Update Values" shows the new distance without publishing it.
    host_->SetCurrentTime(2 * kFrame);
    SetKey("DistanceTarget2", 2 * kFrame, Translation(0.0, 1.0, 7.0));
    ASSERT_TRUE(EditOnPage("Update Values"));
    EXPECT_DOUBLE_EQ(tool_->currentDistance, 7.0 * 0.6);
    EXPECT_DOUBLE_EQ(tool_->outputs.At(0).getValue(), 3 * std::sqrt(2.0) * 0.6);
}

// What a ruler publishes reaches the virtual control of its instance, which other tools bind like an
// axis, one step later; the limits travel with a saved ruler.
TEST_P(DistanceRulerTool, ItsOutputsReachTheInstancesVirtualControlsAndItsLimitsAreSaved) {
    host_->SetStatic(Name("DistanceTarget2"), Translation(0.0, 0.0, 6.0));
    BeginRun(0.0, false);
    instance_->Step(kFrame);
    instance_->Step(2 * kFrame);
    EndRun();
    unidevice::Control* control = instance_->getControl(0);
    ASSERT_NE(control, nullptr);
    EXPECT_DOUBLE_EQ(control->getValue(), 6.0);
    tool_->maxDistance = 7.5;
    ASSERT_EQ(tool_->store(), 0);
    Loaded loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_EQ(loaded->maxDistance, 7.5);
    EXPECT_EQ(loaded->minDistance, 1.0);
}

INSTANTIATE_TEST_SUITE_P(, DistanceRulerTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

class AngleRulerTool : public ToolOnHost<CAngleRulerObject> {
protected:
    AngleRulerTool() : ToolOnHost("AngleRuler", "AngleRuler_01") {}
};

TEST_P(AngleRulerTool, MeasuresTheAngleAtTheVertexAndItsRate) {
    ASSERT_EQ(tool_->outputs.Count(), 5u);
    EXPECT_EQ(tool_->outputs.At(1).getName(), "Angular Velocity");
    ExpectPageIs(*instance_, tool_->Page());
    EXPECT_NEAR(tool_->currentAngle, std::numbers::pi / 2, 1e-12) << "the new rig is a right angle";

    // The second target swings round the vertex at 0.5 rad per second, from the first's side.
    const auto swing = [this](double t) {
        const double a = 0.5 * t;
        SetKey("AngleTarget2", t, Translation(2.0 * std::cos(a), 0.0, -2.0 * std::sin(a)));
    };
    for (int f = 0; f <= 12; ++f) swing(f * kFrame);
    BeginRun(10 * kFrame, false);
    instance_->Step(11 * kFrame);
    EndRun();
    EXPECT_NEAR(tool_->currentAngle, 0.5 * 11 * kFrame, 1e-9);
    EXPECT_NEAR(tool_->angularVelocity, 0.5, 1e-9);
    const std::vector<double> out = Published(*tool_);
    EXPECT_EQ(out[2], 0.0);
    EXPECT_EQ(out[3], 1.0) << "0.22 rad is below the default minimum of π/12";
}

INSTANTIATE_TEST_SUITE_P(, AngleRulerTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

class ScaleRulerTool : public ToolOnHost<CScaleRulerObject> {
protected:
    ScaleRulerTool() : ToolOnHost("ScaleRuler", "ScaleRuler_01") {}
};

// The scale is taken in the reference's frame: a reference turned and scaled by two halves it.
TEST_P(ScaleRulerTool, MeasuresTheScaleRelativeToTheReferencePerAxis) {
    ASSERT_EQ(tool_->outputs.Count(), 12u);
    EXPECT_EQ(tool_->outputs.At(4).getName(), "Maximum Y Trigger Value");
    EXPECT_EQ(tool_->outputs.At(11).GetAccepts(), 4u);
    ExpectPageIs(*instance_, tool_->Page());
    const util::Quat<double> turn = util::EulerXYZToQuat(util::Vector3<double>{0.0, 0.7, 0.0});
    host_->SetStatic(Name("ScaleReference"),
                     util::ToMatrix(util::QTransform<double>{{1.0, 0.0, 0.0}, turn}, {2.0, 2.0, 2.0}));
    host_->SetStatic(Name("ScaledNode"),
                     util::ToMatrix(util::QTransform<double>{{0.0, 3.0, 0.0}, turn}, {6.0, 1.0, 0.5}));
    BeginRun(0.0, false);
    instance_->Step(kFrame);
    EndRun();
    const std::vector<double> out = Published(*tool_);
    EXPECT_NEAR(out[0], 3.0, 1e-12);
    EXPECT_NEAR(out[1], 0.5, 1e-12);
    EXPECT_NEAR(out[2], 0.25, 1e-12);
    EXPECT_EQ((std::vector<double>(out.begin() + 3, out.begin() + 9)),
              (std::vector<double>{1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(out[9], 1.0);
    EXPECT_EQ(out[10], 0.0);
}

INSTANTIATE_TEST_SUITE_P(, ScaleRulerTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
