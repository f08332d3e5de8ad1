// The templates that ship with the suite, each in the scene it is made for: the values the chained
// tool receives are checked against values worked out by hand.

#include "core/LibraryManager.h"
#include "core/configadaptor/Root.h"
#include "plugins/lookatcam/CLookAtCamObject.h"
#include "tests/plugins/LoopTakeSupport.h"
#include "tests/plugins/TemplateOnHost.h"
#include "tests/plugins/ToolPageChecks.h"
#include "tests/system/adaptors/memory/MemoryTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using adaptor::memory::test::Translation;

// The position of `channel` in `instance`'s channel list, whose recorded values the core keeps.
int ChannelIndex(const Instance& instance, const std::string& channel) {
    const unidevice::PropertyHandler& channels = instance.GetInputChannels();
    for (int i = 0; i < channels.GetCount(); ++i)
        if (channels.GetProperty(i)->getName() == channel) return i;
    ADD_FAILURE() << channel;
    return 0;
}

class TemplateExample : public TemplateOnHost {
protected:
    // A DistanceRuler from the origin to a subject that passes along x at 20 units a second, keyed
    // at every frame so that it stands exactly where `SubjectX` says at each frame.
    Instance* RulerToPassingSubject(int frames) {
        Instance* ruler = Create("DistanceRuler");
        host_->SetStatic("DistanceRuler_01_DistanceTarget1Transform", Translation(0.0, 0.0, 0.0));
        for (int f = 0; f <= frames; ++f)
            host_->SetKey("DistanceRuler_01_DistanceTarget2Transform", f * kFrame,
                          Translation(SubjectX(f), 0.0, 3.0));
        return ruler;
    }
    static double SubjectX(int frame) { return -12.0 + 20.0 * frame * kFrame; }
    static double SubjectDistance(int frame) { return std::hypot(SubjectX(frame), 3.0); }
};

TEST_P(TemplateExample, TheShippedTemplatesAreOfferedAsTemplates) {
    for (const char* name : {"ProximityShake", "AxisMixer", "FollowFocus"}) {
        Tool* type = LibraryManager::Instance().FindTool(name);
        ASSERT_NE(type, nullptr) << name;
        EXPECT_EQ(type->GetKind(), Tool::kScriptedKind);
        EXPECT_FALSE(type->GetDescription().empty());
    }
}

// The classic: the camera shakes while the truck passes. Ruler, template and camera are stepped in
// that order, and each hands its value on one step late, so the camera's shake input at frame f is
// the amplitude when the distance at frame f − 2 was below the limit. The take re-simulates to the
// same camera keys, and the chain survives a save and reopen.
TEST_P(TemplateExample, ProximityShakeShakesTheCameraWhileTheSubjectIsClose) {
    constexpr int kFrames = 30;
    Instance* ruler = RulerToPassingSubject(kFrames + 2);
    Instance* shake = Create("ProximityShake");
    Instance* camera = Create("DirivodaRez");
    ASSERT_NE(camera, nullptr);
    shake->AssignById(1, 0.75); // "Shake Amplitude"
    EXPECT_EQ(shake->findInputChannel("Distance")->getControl(), ruler->getControl(0))
        << "its start profile binds it to the ruler DistanceRuler_01";
    EXPECT_EQ(shake->findInputChannel("Distance")->GetDeadzone(), 0.0);
    Chain(*camera, "Cam Shaker Amplitude", *shake, 0);

    const auto keys = [this] { return host_->Keys("DirivodaRez_01_DirivodaRezTransform"); };
    const auto [live, resimulated] =
        RecordAndResimulateLoopTake<HostKeys>(*core_, *host_, kFrames * kFrame, keys);
    ExpectSameKeys(live, resimulated);

    const util::AVar_Linear<double>& received =
        camera->GetRecordedValues(ChannelIndex(*camera, "Cam Shaker Amplitude"));
    int shaking = 0;
    for (int f = 3; f <= kFrames; ++f) {
        const double expected = SubjectDistance(f - 2) < 5.0 ? 0.75 : 0.0;
        EXPECT_EQ(received.get(f * kFrame), expected)
            << "frame " << f << ", distance " << SubjectDistance(f - 2);
        shaking += expected > 0.0 ? 1 : 0;
    }
    EXPECT_GT(shaking, 3) << "the subject came close";
    EXPECT_LT(shaking, kFrames - 6) << "and went away";
    std::vector<double> before;
    for (int f = 1; f <= kFrames; ++f) before.push_back(received.get(f * kFrame));

    util::xml::Element scene;
    util::ReturnValue<util::xml::Element> sink(&scene);
    core_->DescribeAllInstances(sink);
    core_->DeleteAllInstances();
    core_->CreateInstances(scene);
    Instance* reopened = core_->FindInstance("DirivodaRez_01");
    Instance* reopenedShake = core_->FindInstance("ProximityShake_01");
    ASSERT_NE(reopened, nullptr);
    ASSERT_NE(reopenedShake, nullptr);
    EXPECT_EQ(reopenedShake->ReadById(1), 0.75);
    EXPECT_EQ(reopened->findInputChannel("Cam Shaker Amplitude")->getControl(), reopenedShake->getControl(0))
        << "the camera is bound to the template's control again";
    EXPECT_EQ(reopenedShake->findInputChannel("Distance")->getControl(),
              core_->FindInstance("DistanceRuler_01")->getControl(0));
    // A take of the reopened rig hands the camera the same values.
    RecordAndResimulateLoopTake<HostKeys>(*core_, *host_, kFrames * kFrame, keys);
    const util::AVar_Linear<double>& again =
        reopened->GetRecordedValues(ChannelIndex(*reopened, "Cam Shaker Amplitude"));
    for (int f = 1; f <= kFrames; ++f) EXPECT_EQ(again.get(f * kFrame), before[std::size_t(f - 1)]) << f;
}

// Gain × (A − B), held within ±Limit, bound like an axis by a 1DPositioner: the positioner's input
// at frame f is the mix of the axes as they stood at frame f − 1 (after their dead zone of 0.1).
TEST_P(TemplateExample, AxisMixerFeedsTheClampedScaledDifferenceToAnotherTool) {
    Instance* mixer = Create("AxisMixer");
    Instance* positioner = Create("1DPositioner");
    ASSERT_NE(positioner, nullptr);
    mixer->AssignById(0, 0.8); // "Gain"
    unidevice::Control& a = Bind(*mixer, "Axis A");
    unidevice::Control& b = Bind(*mixer, "Axis B");
    Chain(*positioner, "Forw/Backw Transl", *mixer, 0);

    const std::vector<std::pair<double, double>> axes{{1.0, -1.0}, {1.0, 0.0}, {0.55, 1.0},
                                                      {-1.0, 1.0}, {0.3, 0.3}, {0.0, 0.0}};
    // 0.8 × 2 is held at 1; 0.55 reads 0.5 beyond the dead zone; the last two give 0.
    const std::vector<double> mixed{1.0, 0.8, -0.4, -1.0, 0.0, 0.0};
    const std::vector<Instance*> order{mixer, positioner};
    Begin(order, 0.0);
    for (std::size_t f = 0; f <= axes.size(); ++f) {
        if (f < axes.size()) {
            a.setValue(axes[f].first);
            b.setValue(axes[f].second);
        }
        Step(order, double(f + 1) * kFrame);
    }
    End(order);
    const util::AVar_Linear<double>& received =
        positioner->GetRecordedValues(ChannelIndex(*positioner, "Forw/Backw Transl"));
    for (std::size_t f = 0; f < mixed.size(); ++f)
        EXPECT_NEAR(received.get(double(f + 2) * kFrame), mixed[f], 1e-12) << "axes " << f;
}

// The focus of a LookAtCam follows a subject the ruler measures: in every step the template writes
// the distance (one step late) plus the offset into the camera's "Minimum Focus Distance", and the
// camera, whose own target stands close, focuses there.
TEST_P(TemplateExample, FollowFocusWritesTheMeasuredDistanceIntoTheCameraEveryStep) {
    constexpr int kFrames = 12;
    Instance* ruler = RulerToPassingSubject(kFrames);
    Instance* focus = Create("FollowFocus");
    Instance* camera = Create("LookAtCam");
    ASSERT_NE(camera, nullptr);
    ASSERT_EQ(camera->GetName(), "LookAtCam_01") << "the instance the shipped template names";
    const configadaptor::Node* written = camera->GetPage()->FindById(3);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->getLabel(), addon::CLookAtCamObject::kMinimumFocusDistance)
        << "the id the template writes";
    host_->SetStatic("LookAtCam_01_LookAtCamTransform", Translation(0.0, 0.0, 0.0));
    host_->SetStatic("LookAtCam_01_TargetMeshTransform", Translation(0.0, 0.0, -0.5));
    focus->AssignById(0, 0.25); // "Focus Offset"
    EXPECT_EQ(focus->findInputChannel("Subject Distance")->getControl(), ruler->getControl(0))
        << "its start profile binds it to the ruler DistanceRuler_01";

    const double before = camera->ReadById(3);
    const std::vector<Instance*> order{ruler, focus, camera};
    Begin(order, 0.0);
    for (int f = 1; f <= kFrames; ++f) {
        Step(order, f * kFrame);
        if (f < 2) continue;
        const double expected = SubjectDistance(f - 1) + 0.25;
        EXPECT_NEAR(camera->ReadById(3), expected, 1e-12) << "frame " << f;
        double fieldOfView = 0.0, focusDistance = 0.0;
        ASSERT_TRUE(dynamic_cast<addon::CLookAtCamObject*>(camera->GetObject())
                        ->camera.ReadLens(f * kFrame, fieldOfView, focusDistance));
        EXPECT_NEAR(focusDistance, expected, 1e-9) << "frame " << f;
    }
    End(order);
    // The first write of the run was an undoable edit; the rest added no undo steps.
    ASSERT_TRUE(host_->Undo());
    EXPECT_EQ(camera->ReadById(3), before) << "undo brings back the value from before the run";
}

INSTANTIATE_TEST_SUITE_P(, TemplateExample, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
