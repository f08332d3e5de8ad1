#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/configadaptor/Root.h"
#include "core/configadaptor/Spinner.h"
#include "plugins/sinusoid/CSinusoidObject.h"
#include "tests/plugins/LoopTakeSupport.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "util/DataChunk.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace vex::orb::core::test {
namespace {

using addon::CSinusoidObject;
using util::Matrix;

// The compiled-in Sinusoid on each host under test.
class SinusoidTool : public ToolOnHost<CSinusoidObject> {
protected:
    SinusoidTool() : ToolOnHost("Sinusoid", "Sinusoid_01") {}
};

TEST_P(SinusoidTool, CreatesBothNodesTheSpinnerChannelsAndTheOutputControl) {
    EXPECT_EQ(host_->Shape(Name("SinusNode")), HostShape::kMesh);
    EXPECT_EQ(World("Reference Node", 0.0), Matrix<double>());

    // The three setting spinners get input channels; the shown value does not.
    for (const char* label : {"Angular Frequency", "Amplitude", "Response Factor"})
        EXPECT_NE(instance_->findInputChannel(std::string("Spinner: ") + label), nullptr) << label;
    EXPECT_EQ(instance_->findInputChannel("Spinner: Current Value"), nullptr);

    ASSERT_EQ(instance_->getControlCount(), 1);
    EXPECT_EQ(instance_->getControl(0)->getDescription(), "Sinus value");
    ASSERT_NE(tool_->output, nullptr);
    EXPECT_EQ(tool_->getExtensionIds(), std::vector<int32_t>{CCamera::kOutputChannelValue});
}

TEST_P(SinusoidTool, PageItemsHaveTheirBoundsStepsHelpAndCallbacks) {
    using configadaptor::Node;
    Node* root = instance_->GetPage();
    ASSERT_NE(root, nullptr);
    Node* values = root->getChild(0);
    ASSERT_NE(values, nullptr);
    ASSERT_EQ(values->CountChildren(), 6u);
    EXPECT_EQ(values->getChild(0)->getLabel(), "Update Values");
    EXPECT_EQ(values->getChild(0)->GetTooltip(), "Click this button to update the Sinus Value.");
    EXPECT_EQ(values->getChild(0)->GetCallback(), tool_);
    struct Expected {
        const char* label;
        const char* help;
        double* value;
        double min, max, step;
    };
    constexpr double kPi = std::numbers::pi;
    const Expected spinners[] = {
        {"Current Value", "Shows the Sinus Value.", &tool_->currentValue, -1.0, 1.0, 0.01},
        {"Angular Frequency", "Sets the angular frequency.", &tool_->userFrequency, -100 * kPi, 100 * kPi,
         kPi / 4},
        {"Amplitude", "Sets the amplitude of the sinus wave.", &tool_->userAmplitude, -100.0, 100.0, 0.1},
        {"Response Factor", "Sets the Response Factor for the amplitude and frequency.",
         &tool_->responseFactor, 0.0, 1.0, 0.01}};
    for (size_t i = 0; i < 4; ++i) {
        const auto* spinner = dynamic_cast<configadaptor::element::Spinner*>(values->getChild(i + 1));
        ASSERT_NE(spinner, nullptr) << i;
        EXPECT_EQ(spinner->getLabel(), spinners[i].label);
        EXPECT_EQ(spinner->GetTooltip(), spinners[i].help);
        EXPECT_EQ(spinner->GetVariable(), spinners[i].value);
        EXPECT_EQ(spinner->GetMin(), spinners[i].min);
        EXPECT_EQ(spinner->GetMax(), spinners[i].max);
        EXPECT_EQ(spinner->GetStep(), spinners[i].step);
        EXPECT_EQ(spinner->GetSetting(), 10);
        EXPECT_EQ(spinner->GetCallback(), nullptr);
    }
    EXPECT_EQ(values->getChild(5)->GetTooltip(), "Set the sinus to absolute values.");
    EXPECT_EQ(values->getChild(5)->GetCallback(), tool_);
    Node* modes = root->getChild(1);
    ASSERT_NE(modes, nullptr);
    EXPECT_EQ(modes->getLabel(), "General Modes");
    EXPECT_EQ(modes->getChild(0)->GetTooltip(), "Hide Helpers During Recording");
    EXPECT_EQ(modes->getChild(0)->GetCallback(), nullptr);
}

// Amplitude 1, angular frequency π, response 1: at the reference origin at 0 s and 1 s, one unit along
// its y-axis at 0.5 s, one unit against it at 1.5 s, and with absolute values one unit along it again.
TEST_P(SinusoidTool, NodeSwingsAlongTheReferenceYAxis) {
    // The reference's y-axis points along world -x; its origin is at (2, 3, 4).
    Matrix<double> reference = util::ToMatrix(util::QTransform<double>{
        {2, 3, 4}, util::FromRotationVector(util::Vector3<double>{0, 0, std::numbers::pi / 2})});
    SetKey("Reference Node", 0.0, reference);
    tool_->userAmplitude = 1.0;
    tool_->userFrequency = std::numbers::pi;
    tool_->responseFactor = 1.0;

    BeginRun(0.0, false);
    const auto at = [this](double t) {
        instance_->Step(t);
        const Matrix<double> m = World("SinusNode", t);
        return util::Vector3<double>{m.m[3][0], m.m[3][1], m.m[3][2]};
    };
    const auto expectAt = [&at](double t, double x) {
        const util::Vector3<double> p = at(t);
        EXPECT_NEAR(p.x, x, 1e-12) << t;
        EXPECT_NEAR(p.y, 3.0, 1e-12) << t;
        EXPECT_NEAR(p.z, 4.0, 1e-12) << t;
    };
    expectAt(0.0, 2.0);
    expectAt(0.5, 1.0);
    expectAt(1.0, 2.0);
    expectAt(1.5, 3.0);
    EXPECT_DOUBLE_EQ(tool_->currentValue, -1.0);
    tool_->absolute = true;
    expectAt(1.5, 1.0);
    EndRun();
}

TEST_P(SinusoidTool, BeginStartsTheSettingsAtTheUserValuesOneFrameOnAndSmoothsFromThere) {
    tool_->userAmplitude = 3.0;
    tool_->responseFactor = 0.5;
    BeginRun(0.0, false);
    EXPECT_EQ(tool_->amplitude.GetKeyCount(), 2);
    EXPECT_EQ(tool_->amplitude.get(kFrame), 3.0);
    EXPECT_EQ(tool_->amplitude.get(0.0), 1.0);
    EXPECT_DOUBLE_EQ(tool_->currentValue, 1.875 * std::sin(1.0 * kFrame))
        << "value for 0 + frame, smoothed once";
    // A step at the second frame follows 3 from the key one frame earlier: it is already there.
    instance_->Step(2 * kFrame);
    EXPECT_EQ(tool_->amplitude.get(2 * kFrame), 3.0);
    EndRun();
    EXPECT_FALSE(tool_->running);
}

// A take that starts a frame before zero forgets the first key; its first step follows the user
// setting from the default and keys the result, like every later step.
TEST_P(SinusoidTool, TheFirstStepOfATakeSmoothsFromTheDefaultAndKeysItsTime) {
    tool_->userAmplitude = 3.0;
    tool_->responseFactor = 0.5;
    BeginRun(-kFrame, false);
    ASSERT_EQ(tool_->amplitude.GetKeyCount(), 1);
    EXPECT_EQ(tool_->amplitude.get(0.0), 3.0); // the start's key
    host_->SetCurrentTime(0.0);
    instance_->Step(0.0);
    EXPECT_DOUBLE_EQ(tool_->amplitude.get(0.0), 1.875);
    EXPECT_DOUBLE_EQ(tool_->frequency.get(0.0), 1.0);
    host_->SetCurrentTime(kFrame);
    instance_->Step(kFrame);
    EXPECT_EQ(tool_->amplitude.GetKeyCount(), 2);
    EXPECT_DOUBLE_EQ(tool_->amplitude.get(kFrame), 1.875 + 1.125 * 0.4375);
    EndRun();
}

TEST_P(SinusoidTool, SavedStateHasItsFieldsInOrderAndReadsBack) {
    tool_->userAmplitude = 2.5;
    tool_->userFrequency = -4.0;
    tool_->absolute = true;
    tool_->hideHelpers = true;
    tool_->responseFactor = 0.7;
    BeginRun(0.0, false);
    instance_->Step(kFrame);
    instance_->Step(2 * kFrame);
    EndRun();
    ASSERT_EQ(tool_->store(), 0);

    uint32_t size = 0;
    const uint8_t* bytes = instance_->getToolData(&size);
    const auto record = util::DataChunk::FromBytes(bytes, size);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->GetName(), "Sinus");
    const size_t keys = static_cast<size_t>(tool_->amplitude.GetKeyCount());
    const std::vector<std::pair<std::string, size_t>> fields{{"sinusVal", 8},
                                                             {"userAmplitude", 8},
                                                             {"userFrequency", 8},
                                                             {"sinusAbs", 1},
                                                             {"sDataChunkSaveStruct", 2},
                                                             {"amplitude", 16 + 16 * keys},
                                                             {"frequency", 16 + 16 * keys}};
    ASSERT_EQ(record->GetChildCount(), fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(record->GetChild(i).GetName(), fields[i].first);
        EXPECT_EQ(record->GetChild(i).GetSize(), fields[i].second) << fields[i].first;
    }
    EXPECT_EQ(record->FindChild("sDataChunkSaveStruct").GetData()[0], 0);
    EXPECT_EQ(record->FindChild("sDataChunkSaveStruct").GetData()[1], 1);

    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_EQ(loaded->currentValue, tool_->currentValue);
    EXPECT_EQ(loaded->userAmplitude, 2.5);
    EXPECT_EQ(loaded->userFrequency, -4.0);
    EXPECT_TRUE(loaded->absolute);
    EXPECT_TRUE(loaded->hideHelpers);
    EXPECT_FALSE(loaded->hideDuringRecording);
    EXPECT_EQ(loaded->responseFactor, 0.1) << "the response factor is not saved";
    ASSERT_EQ(loaded->amplitude.GetKeyCount(), tool_->amplitude.GetKeyCount());
    ASSERT_EQ(loaded->frequency.GetKeyCount(), tool_->frequency.GetKeyCount());
    for (int32_t i = 0; i < tool_->amplitude.GetKeyCount(); ++i) {
        EXPECT_EQ(loaded->amplitude.GetKey(i).time, tool_->amplitude.GetKey(i).time);
        EXPECT_EQ(loaded->amplitude.GetKey(i).value, tool_->amplitude.GetKey(i).value);
        EXPECT_EQ(loaded->frequency.GetKey(i).value, tool_->frequency.GetKey(i).value);
    }
    EXPECT_EQ(loaded->sinusNode.node, tool_->sinusNode.node);

    // A record without the user settings starts them at 1.
    util::DataChunk old("Sinus", nullptr, 0);
    old.AddChild(util::DataChunk::Make("sinusVal", 0.25));
    const std::vector<uint8_t> oldBytes = old.Serialize();
    instance_->setToolData(oldBytes.data(), static_cast<uint32_t>(oldBytes.size()));
    auto fromOld = Reload();
    fromOld->userAmplitude = 0.0;
    fromOld->userFrequency = 0.0;
    ASSERT_EQ(fromOld->restore(), 0);
    EXPECT_EQ(fromOld->currentValue, 0.25);
    EXPECT_EQ(fromOld->userAmplitude, 1.0);
    EXPECT_EQ(fromOld->userFrequency, 1.0);

    tool_->referenceNode.remove();
    EXPECT_EQ(Reload()->restore(), 1);
}

TEST_P(SinusoidTool, OutputControlTakesTheValueAtTheHostsCurrentTime) {
    tool_->userFrequency = std::numbers::pi;
    tool_->responseFactor = 1.0;
    host_->SetCurrentTime(0.5);
    tool_->output->current = 0.25;
    int other = 0;
    EXPECT_EQ(tool_->extension(CCamera::kOutputChannelValue, &other), 0);
    EXPECT_EQ(tool_->extension(CCamera::kWriteCustomData, tool_->output.get()), 0);
    EXPECT_EQ(tool_->output->current, 0.25);
    EXPECT_EQ(tool_->extension(CCamera::kOutputChannelValue, tool_->output.get()), 1);
    EXPECT_DOUBLE_EQ(tool_->output->current, 1.0);
    EXPECT_EQ(tool_->output->previous, 0.25);

    // A step publishes once: the output moves on by one value, and the bound virtual control takes
    // what was published before the tool's step.
    host_->SetCurrentTime(1.5);
    instance_->Step(1.5);
    EXPECT_DOUBLE_EQ(tool_->output->current, -1.0);
    EXPECT_DOUBLE_EQ(tool_->output->previous, 1.0);
    EXPECT_DOUBLE_EQ(instance_->getControl(0)->getValue(), 1.0);
    host_->SetCurrentTime(2.0);
    instance_->Step(2.0);
    EXPECT_NEAR(tool_->output->current, 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(tool_->output->previous, -1.0);
    EXPECT_DOUBLE_EQ(instance_->getControl(0)->getValue(), -1.0);
}

TEST_P(SinusoidTool, HelpersHideForTheRecordingAndUndoEventsReapplyTheirDisplay) {
    tool_->hideDuringRecording = true;
    BeginRun(0.0, false);
    EXPECT_FALSE(host_->ShapeVisible(Name("SinusNode")));
    EXPECT_FALSE(host_->ShapeVisible(Name("Reference Node")));
    EndRun();
    EXPECT_TRUE(host_->ShapeVisible(Name("SinusNode")));

    // "Hide Helpers" has no page item (it comes back with the saved state); its event still works.
    tool_->hideHelpers = true;
    tool_->onEvent("Hide Helpers");
    EXPECT_FALSE(host_->ShapeVisible(Name("Reference Node")));
    tool_->hideHelpers = false;
    tool_->onEvent("REALUNDOHide Helpers");
    EXPECT_TRUE(host_->ShapeVisible(Name("Reference Node")));

    tool_->userFrequency = std::numbers::pi;
    tool_->responseFactor = 1.0;
    host_->SetCurrentTime(0.5);
    ASSERT_TRUE(EditOnPage("Update Values"));
    EXPECT_DOUBLE_EQ(tool_->currentValue, 1.0);
}

// Through the real-time loop: a take recorded tick by tick, then re-simulated from its start, leaves
// the sinus node with the very keys of the take.
TEST_P(SinusoidTool, ALoopTakeReSimulatesToTheSameSinusNodeKeys) {
    for (int f = 0; f <= 50; ++f)
        SetKey("Reference Node", f * kFrame,
               util::ToMatrix(util::QTransform<double>{
                   {0.1 * f, 0.0, 0.0}, util::FromRotationVector(util::Vector3<double>{0, 0, 0.02 * f})}));
    tool_->userAmplitude = 2.0;
    tool_->userFrequency = 3.0;
    tool_->responseFactor = 0.1;
    using Keys = HostKeys;
    const auto [take, again] =
        RecordAndResimulateLoopTake<Keys>(*core_, *host_, 2.0, [this] { return KeysOf("SinusNode"); });
    ASSERT_GT(take.size(), 40u);
    ExpectSameKeys(take, again);
}

// A saved instance read back by a new tool object continues a run exactly as the original does.
TEST_P(SinusoidTool, ARestoredInstanceContinuesIdentically) {
    for (int f = 0; f <= 12; ++f)
        SetKey("Reference Node", f * kFrame,
               util::ToMatrix(util::QTransform<double>{
                   {0.1 * f, 0.0, 0.0}, util::FromRotationVector(util::Vector3<double>{0, 0, 0.02 * f})}));
    tool_->userAmplitude = 2.0;
    tool_->userFrequency = 3.0;
    // The response factor stays at its default: it is not part of the saved state (checked above), so a
    // restored object follows the user settings at 0.1 whatever the original used.
    BeginRun(0.0, false);
    for (int f = 1; f <= 12; ++f) instance_->Step(f * kFrame);
    EndRun();
    const Keys original = ExpectRestoredContinuesIdentically("SinusNode", 6, 12);
    // The start frame the host keys as the first run begins, then frames 1 to 12 the runs key.
    ASSERT_EQ(original.size(), 13u);
    EXPECT_EQ(original.front().time, 0.0);
    EXPECT_NE(original[7].value, original[12].value);
}

// The page the core built is the tool's own table, item for item.
TEST_P(SinusoidTool, PageIsTheToolsTable) {
    ExpectPageIs(*instance_, tool_->Page());
}

INSTANTIATE_TEST_SUITE_P(, SinusoidTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
