#include "core/CoreStartup.h"
#include "plugins/spherecam/CSphereCamObject.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "tests/plugins/TestGamepad.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Property.h"

#include <gtest/gtest.h>

#include <map>

namespace vex::orb::core::test {
namespace {

using addon::CSphereCamObject;
using addon::kSphereLongitude;

const std::vector<std::string> kShipped{"ordinary with gyro mode", "ordinary", "quick and precise", "quick",
                                        "very quick"};
constexpr const char* kGamepadProfile = "example gamepad - no roll";

class SphereCamProfiles : public ToolOnHost<CSphereCamObject> {
protected:
    SphereCamProfiles() : ToolOnHost("SphereCam", "SphereCam_01") {}
    void SetUp() override {
        unidevice::DeviceRegistry::Instance().Shutdown();
        ToolOnHost::SetUp();
    }
    void TearDown() override {
        ToolOnHost::TearDown();
        unidevice::DeviceRegistry::Instance().Shutdown();
    }

    // One take through the core's record loop in which a fresh SphereCam per profile, each with that
    // configuration profile, is turned by the same longitude control held fully over from the start;
    // answers, per profile, the frames its longitude rate takes to reach 90 % of its full rate.
    std::map<std::string, int> FramesToFullRate(const std::vector<std::string>& profiles) {
        unidevice::Control longitude(nullptr, unidevice::kAnyControl, 1.0);
        longitude.setValue(1.0);
        std::map<std::string, CSphereCamObject*> cameras;
        for (const std::string& profile : profiles) {
            const std::string name = core_->CreateTool("SphereCam");
            Instance* instance = core_->FindInstance(name);
            if (instance == nullptr || !core_->LoadProfile(name, profile)) {
                ADD_FAILURE() << profile << " does not load";
                continue;
            }
            instance->findInputChannel(CSphereCamObject::kInputNames[kSphereLongitude])
                ->SetControl(&longitude);
            cameras[profile] = dynamic_cast<CSphereCamObject*>(instance->GetObject());
        }
        RecordAndResimulateLoopTake<int>(*core_, *host_, 50 * kFrame, [] { return 0; });
        std::map<std::string, int> frames;
        for (const auto& [profile, camera] : cameras) {
            const double full = camera->settings.maxima[kSphereLongitude];
            const auto& recorded = camera->record.Frames();
            int f = 0;
            while (f < static_cast<int>(recorded.size()) &&
                   recorded[static_cast<size_t>(f)].state.rates[kSphereLongitude].second < 0.9 * full)
                ++f;
            frames[profile] = f;
        }
        return frames;
    }
};

TEST_P(SphereCamProfiles, EveryListedProfileIsShippedInTheCurrentFormAndLoads) {
    ExpectShippedConfigProfiles(*core_, *instance_, "spherecam", kShipped);
    ASSERT_TRUE(core_->LoadProfile(instance_->GetName(), "ordinary with gyro mode"));
    EXPECT_TRUE(tool_->gyroMode);
    ASSERT_TRUE(core_->LoadProfile(instance_->GetName(), "ordinary"));
    EXPECT_FALSE(tool_->gyroMode);
}

// The quick profiles pick the rate up in fewer frames than the ordinary ones; "very quick" at once.
TEST_P(SphereCamProfiles, QuickRespondsFasterThanOrdinary) {
    std::map<std::string, int> frames = FramesToFullRate(kShipped);
    ASSERT_EQ(frames.size(), kShipped.size());
    EXPECT_LT(frames["quick"], frames["ordinary"]);
    EXPECT_LT(frames["quick and precise"], frames["ordinary with gyro mode"]);
    EXPECT_LT(frames["very quick"], frames["quick"]);
    EXPECT_LE(frames["very quick"], 1) << "the first step already turns at full rate";
    EXPECT_LT(frames["ordinary"], 50) << "but the ordinary ones get there";
}

TEST_P(SphereCamProfiles, TheGamepadProfileBindsTheSticksAndLeavesTheRollFree) {
    InputProfileManager& inputs = instance_->GetTool().GetInputProfileManager();
    EXPECT_EQ(inputs.ListProfiles(), Names{kGamepadProfile});
    ExpectShippedFileForm(":/torvasuite/data/spherecam/inputprofiles/example gamepad - no roll.cip");
    auto* pad = new TestGamepad;
    ASSERT_EQ(core_->LoadInputProfile(instance_->GetName(), kGamepadProfile), 0);
    const auto channel = [this](std::size_t k) {
        return instance_->findInputChannel(CSphereCamObject::kInputNames[k]);
    };
    EXPECT_EQ(channel(addon::kSphereRoll)->getControl(), nullptr);
    // Left stick right turns the camera right around the target, left stick up raises it, right
    // stick down moves it out.
    pad->Find("Axis", 0).setValue(1.0);
    pad->Find("Axis", 1).setValue(-1.0);
    pad->Find("Axis", 5).setValue(1.0);
    EXPECT_DOUBLE_EQ(channel(addon::kSphereLongitude)->getValue(), 1.0);
    EXPECT_DOUBLE_EQ(channel(addon::kSphereLatitude)->getValue(), 1.0);
    EXPECT_DOUBLE_EQ(channel(addon::kSphereRadius)->getValue(), 1.0);
    instance_->BeginRecord(0.0, false);
    for (int f = 1; f <= 10; ++f) instance_->Step(f * kFrame);
    instance_->EndRecord();
    EXPECT_GT(tool_->position.longitude, 0.0);
    EXPECT_GT(tool_->position.latitude, 0.0);
    EXPECT_GT(tool_->position.radius, 5.0);
}

INSTANTIATE_TEST_SUITE_P(, SphereCamProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
