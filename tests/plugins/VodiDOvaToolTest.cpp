#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/ResimulationWindow.h"
#include "core/configadaptor/CheckBox.h"
#include "core/configadaptor/Root.h"
#include "core/configadaptor/Spinner.h"
#include "interface/CCameraPlugin.h"
#include "platform/win32/Clock.h"
#include "plugins/vodidova/CVodiDOvaObject.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <memory>

namespace vex::orb::core::test {
namespace {

using addon::CVodiDOvaObject;
using util::Matrix;
using V = util::Vector3<double>;
namespace element = configadaptor::element;

double RowLength(const Matrix<double>& m, int row) {
    return util::Length(V{m.m[row][0], m.m[row][1], m.m[row][2]});
}

double DoubleAt(const uint8_t* bytes, size_t at) {
    uint64_t bits = 0;
    for (size_t i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(bytes[at + i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

// The compiled-in VodiDOva on each host under test.
class VodiDOvaTool : public ToolOnHost<CVodiDOvaObject> {
protected:
    VodiDOvaTool() : ToolOnHost("VodiDOva", "VodiDOva_01") {}
};

TEST_P(VodiDOvaTool, CreatesCameraAndFigureChannelsAndPage) {
    EXPECT_EQ(host_->Shape(Name("VodiDOva")), HostShape::kCamera);
    EXPECT_GT(host_->MeshFaceCount(Name("Humanoid")), 0u);
    EXPECT_EQ(host_->Selection(), std::vector<std::string>{Name("VodiDOva")});
    EXPECT_EQ(tool_->plugin->getDisplayName(), "Torva VodiDOva");
    EXPECT_EQ(tool_->plugin->getDescription().substr(0, 52),
              "Torva VodiDOva is modelled as an object moving in ze");
    EXPECT_EQ(tool_->fieldOfView, host_->DefaultFieldOfView());

    for (size_t k = 0; k < CVodiDOvaObject::kInputNames.size(); ++k) {
        const unidevice::Property* channel = instance_->findInputChannel(CVodiDOvaObject::kInputNames[k]);
        ASSERT_NE(channel, nullptr) << k;
        EXPECT_EQ(channel, tool_->channels[k]);
        EXPECT_EQ(channel->GetAccepts(), k >= 6 ? 15u : 14u) << k;
        EXPECT_EQ(channel->GetExponent(), 1.3);
    }

    const element::Root* page = instance_->GetPage();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->CountChildren(), 3u);
    const std::vector<std::string> groups{"Hide Modes", "Camera Parameters", "Input Property Parameters"};
    const std::vector<size_t> counts{3, 3, 20};
    for (size_t g = 0; g < 3; ++g) {
        EXPECT_EQ(page->getChild(g)->getLabel(), groups[g]);
        EXPECT_EQ(page->getChild(g)->CountChildren(), counts[g]);
    }
    const auto item = [page](size_t g, size_t i) { return page->getChild(g)->getChild(i); };
    EXPECT_EQ(item(0, 0)->getLabel(), "Hide Helpers");
    EXPECT_EQ(item(0, 0)->GetTooltip(), "Hide Helpers");
    EXPECT_EQ(item(0, 0)->GetCallback(), tool_);
    EXPECT_EQ(item(0, 1)->getLabel(), "Hide Helpers During Recording");
    EXPECT_EQ(item(0, 1)->GetCallback(), nullptr);
    EXPECT_EQ(item(0, 2)->GetCallback(), tool_);

    struct Expected {
        size_t group, index;
        const char* label;
        double min, max, step;
        int32_t setting;
        bool callback, channel;
    };
    const Expected spinners[] = {
        {1, 0, "Relative Scale", 1e-8, 1e16, 0.001, 1, true, true},
        {1, 1, "Field Of View", 0.0, 180.0, 0.01, 1, false, true},
        {1, 2, "Target Distance", 0.0, 1e16, 0.01, 1, false, true},
        {2, 0, "Forw/Backw Force Response Factor", -1e16, 1.0, 0.001, 10, false, false},
        {2, 1, "Forw/Backw Force Maximum", -1e16, 1e16, 0.001, 10, false, false},
        {2, 19, "Rotational Brake Maximum", -1e16, 1e16, 0.001, 10, false, false},
    };
    for (const Expected& e : spinners) {
        const auto* spinner = dynamic_cast<const element::Spinner*>(item(e.group, e.index));
        ASSERT_NE(spinner, nullptr) << e.label;
        EXPECT_EQ(spinner->getLabel(), e.label);
        EXPECT_EQ(spinner->GetTooltip(), e.label);
        EXPECT_EQ(spinner->GetMin(), e.min) << e.label;
        EXPECT_EQ(spinner->GetMax(), e.max) << e.label;
        EXPECT_EQ(spinner->GetStep(), e.step) << e.label;
        EXPECT_EQ(spinner->GetSetting(), e.setting) << e.label;
        EXPECT_EQ(spinner->GetCallback() == tool_, e.callback) << e.label;
        EXPECT_EQ(instance_->findInputChannel(std::string("Spinner: ") + e.label) != nullptr, e.channel)
            << e.label;
    }
    // The input spinners are bound to the inputs' settings, with the defaults.
    EXPECT_EQ(dynamic_cast<const element::Spinner*>(item(2, 0))->getValue(), 0.5);
    EXPECT_EQ(dynamic_cast<const element::Spinner*>(item(2, 19))->getValue(), 0.003);
    EXPECT_EQ(dynamic_cast<const element::Spinner*>(item(2, 5))->getValue(), 0.2);
}

TEST_P(VodiDOvaTool, SavedRecordHasItsLayoutAndReadsBack) {
    tool_->hideHelpersDuringRecording = false;
    tool_->hideCamera = true;
    tool_->fieldOfView = 40.5;
    tool_->targetDistance = 12.25;
    tool_->allowRoll = true;
    for (size_t k = 0; k < 10; ++k) {
        tool_->body.inputs[k].responseFactor = 0.1 * static_cast<double>(k);
        tool_->body.inputs[k].maximum = 100.0 + static_cast<double>(k);
    }
    tool_->relativeScale = 2.5;
    ASSERT_EQ(tool_->store(), 0);

    uint32_t size = 0;
    const uint8_t* bytes = instance_->getToolData(&size);
    ASSERT_EQ(size, 200u);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 1);
    for (size_t i = 3; i < 8; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(DoubleAt(bytes, 8), 40.5);
    EXPECT_EQ(DoubleAt(bytes, 16), 12.25);
    EXPECT_EQ(bytes[24], 1);
    for (size_t i = 25; i < 32; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(DoubleAt(bytes, 32 + 8 * 3), 0.1 * 3);
    EXPECT_EQ(DoubleAt(bytes, 112), 100.0);
    EXPECT_EQ(DoubleAt(bytes, 112 + 8 * 9), 109.0);
    EXPECT_EQ(DoubleAt(bytes, 192), 2.5);

    // Flag bytes count only by their lowest bit.
    std::vector<uint8_t> edited(bytes, bytes + size);
    edited[0] = 0xFE;
    edited[1] = 0x03;
    edited[24] = 0x02;
    instance_->setToolData(edited.data(), 200);
    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_FALSE(loaded->hideHelpersDuringRecording);
    EXPECT_TRUE(loaded->hideHelpers);
    EXPECT_TRUE(loaded->hideCamera);
    EXPECT_FALSE(loaded->allowRoll);
    EXPECT_EQ(loaded->fieldOfView, 40.5);
    EXPECT_EQ(loaded->lastFieldOfView, host_->DefaultFieldOfView()) << "the first step sends the saved lens";
    EXPECT_EQ(loaded->targetDistance, 12.25);
    EXPECT_EQ(loaded->body.inputs[7].responseFactor, 0.1 * 7);
    EXPECT_EQ(loaded->body.inputs[9].maximum, 109.0);
    EXPECT_EQ(loaded->relativeScale, 2.5);
    EXPECT_EQ(loaded->camera.node, tool_->camera.node);

    instance_->setToolData(edited.data(), 199);
    EXPECT_EQ(Reload()->restore(), 1);
    edited.push_back(0);
    instance_->setToolData(edited.data(), 201);
    EXPECT_EQ(Reload()->restore(), 1);
    instance_->setToolData(edited.data(), 200);
    tool_->humanoid.remove();
    EXPECT_EQ(Reload()->restore(), 1);
}

TEST_P(VodiDOvaTool, RelativeScaleRescalesTheCameraAndMovingTimeReadsItBack) {
    Matrix<double> placed =
        util::ToMatrix(util::QTransform<double>{{1, 2, 3}, util::EulerXYZToQuat(V{0.2, 0.4, 0})});
    // A camera placed without keys, rescaled on the page outside a take.
    host_->SetStatic(Name("VodiDOva"), placed);
    host_->SetCurrentTime(0.0);
    ASSERT_TRUE(EditOnPage("Relative Scale", 3.0));
    const Matrix<double> scaled = Local("VodiDOva", 0.0);
    for (int row = 0; row < 3; ++row) EXPECT_NEAR(RowLength(scaled, row), 3.0, 1e-12);
    EXPECT_EQ(scaled.m[3][1], 2.0);
    EXPECT_NEAR(scaled.m[0][2] / 3.0, placed.m[0][2], 1e-15);
    EXPECT_FALSE(host_->HasKeys(Name("VodiDOva")));

    // Keyed by the animator at 0 as rescaled and at 1 as placed: moving the time reads the scale.
    SetKey("VodiDOva", 0.0, scaled);
    SetKey("VodiDOva", 1.0, placed);
    tool_->timeChanged(1.0);
    EXPECT_NEAR(tool_->relativeScale, 1.0, 1e-12);
    tool_->timeChanged(0.0);
    EXPECT_NEAR(tool_->relativeScale, 3.0, 1e-12);
}

TEST_P(VodiDOvaTool, HideFlagsDriveTheNodesAndUndoEventsReapplyThem) {
    ASSERT_TRUE(EditOnPage("Hide Helpers"));
    EXPECT_FALSE(host_->ShapeVisible(Name("Humanoid")));
    EXPECT_TRUE(host_->ShapeVisible(Name("VodiDOva")));
    ASSERT_TRUE(EditOnPage("Hide Camera"));
    EXPECT_FALSE(host_->ShapeVisible(Name("VodiDOva")));

    // The page restores the flags on undo; the event makes the nodes follow them.
    ASSERT_TRUE(host_->Undo());
    EXPECT_FALSE(tool_->hideCamera);
    EXPECT_TRUE(host_->ShapeVisible(Name("VodiDOva")));
    EXPECT_FALSE(host_->ShapeVisible(Name("Humanoid")));
    ASSERT_TRUE(host_->Undo());
    EXPECT_TRUE(host_->ShapeVisible(Name("Humanoid")));
    ASSERT_TRUE(host_->Redo());
    EXPECT_TRUE(tool_->hideHelpers);
    EXPECT_FALSE(host_->ShapeVisible(Name("Humanoid")));
}

TEST_P(VodiDOvaTool, ARunHidesTheFigureDrivesTheCameraAndSendsTheLens) {
    unidevice::Control& forward = Bind("Forw/Backw Force");
    forward.setValue(1.0);
    tool_->fieldOfView = 30.0;
    tool_->relativeScale = 2.0;
    BeginRun(0.0, false);
    EXPECT_FALSE(host_->ShapeVisible(Name("Humanoid")));
    EXPECT_EQ(tool_->relativeScale, 1.0) << "a run takes the camera's own scale";
    EXPECT_EQ(tool_->fieldOfView, host_->DefaultFieldOfView()) << "and the lens one frame ahead";
    tool_->fieldOfView = 30.0;
    for (int f = 1; f <= 10; ++f) instance_->Step(f * kFrame);
    EndRun();
    EXPECT_TRUE(host_->ShapeVisible(Name("Humanoid")));

    // Full forward deflection pushes the camera along −z of its own axes; nothing turns it.
    const Matrix<double> after = Local("VodiDOva", 10 * kFrame);
    EXPECT_LT(after.m[3][2], -0.01);
    EXPECT_EQ(after.m[3][0], 0.0);
    EXPECT_EQ(after.m[0][0], 1.0);
    EXPECT_LT(Local("VodiDOva", 10 * kFrame).m[3][2], Local("VodiDOva", 9 * kFrame).m[3][2]);
    // A host may keep the lens as a single-precision focal length (Maya does), so 30° comes back
    // within a float's precision.
    EXPECT_NEAR(host_->FieldOfView(Name("VodiDOva"), kFrame), 30.0, 1e-4);
}

// Through the real-time loop: a take recorded tick by tick with a force, a torque that changes every
// tick and a brake held, then re-simulated from its start, leaves the camera with the very keys of the
// take (the recorded inputs are read back at the very times they were recorded).
TEST_P(VodiDOvaTool, ALoopTakeReSimulatesToTheSameCameraKeys) {
    unidevice::Control& forward = Bind("Forw/Backw Force");
    unidevice::Control& yaw = Bind("Yaw Force (Right/Left)");
    unidevice::Control& brake = Bind("Airplane Brake");
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("VodiDOva"); },
        [&](double t) {
            forward.setValue(0.9);
            yaw.setValue(-0.7 * std::sin(3.0 * t));
            brake.setValue(1.0);
        });
    ASSERT_GT(take.size(), 40u);
    EXPECT_NE(take.back().value, take.front().value);
    ExpectSameKeys(take, again);
}

// A saved instance read back by a new tool object continues a run exactly as the original does.
TEST_P(VodiDOvaTool, ARestoredInstanceContinuesIdentically) {
    unidevice::Control& up = Bind("Up/Down Force");
    unidevice::Control& roll = Bind("Roll Force (Right/Left)");
    up.setValue(0.8);
    roll.setValue(-0.6);
    tool_->body.inputs[0].responseFactor = 0.25;
    BeginRun(0.0, false);
    for (int f = 1; f <= 12; ++f) instance_->Step(f * kFrame);
    EndRun();
    ASSERT_EQ(tool_->store(), 0);

    const auto continueFrom = [this](CVodiDOvaObject& object) {
        const Driving driving(*this);
        object.begin(6 * kFrame);
        std::vector<Matrix<double>> keys;
        for (int f = 7; f <= 12; ++f) {
            object.step(f * kFrame);
            keys.push_back(Local("VodiDOva", f * kFrame));
        }
        object.end();
        return keys;
    };
    const std::vector<Matrix<double>> original = continueFrom(*tool_);
    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    loaded->channels = tool_->channels;
    const std::vector<Matrix<double>> restored = continueFrom(*loaded);
    EXPECT_EQ(restored, original);
    EXPECT_NE(original.front(), original.back());
}

// The page the core built is the tool's own table, item for item.
TEST_P(VodiDOvaTool, PageIsTheToolsTable) {
    ExpectPageIs(*instance_, tool_->Page());
}

INSTANTIATE_TEST_SUITE_P(, VodiDOvaTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
