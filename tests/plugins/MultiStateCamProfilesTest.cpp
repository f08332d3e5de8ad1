#include "core/CoreStartup.h"
#include "plugins/multistatecam/CMultiStateCamObject.h"
#include "tests/plugins/KeyboardToolOnHost.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "unidevice/Control.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Property.h"
#include "unidevice/driver/WINHOOK_KeyboardDevice.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <string>

namespace vex::orb::core::test {
namespace {

using addon::CMultiStateCamObject;
using util::Matrix;
namespace ud = unidevice;

constexpr const char* kImmediate = "Camera Switching (immediate response)";
constexpr const char* kSmooth = "Smooth";

class MultiStateCamProfiles : public KeyboardToolOnHost<CMultiStateCamObject> {
protected:
    MultiStateCamProfiles() : KeyboardToolOnHost("MultiStateCam", "MultiStateCam_01") {}

    // State 3 stored as a camera pose away from the cage's origin; the camera back at the origin.
    Matrix<double> StoreStateThree() {
        const Matrix<double> three = util::ToMatrix(
            util::QTransform<double>{{4.0, 2.0, -1.0}, util::EulerXYZToQuat(V{-0.3, 1.2, 0.0})});
        host_->SetCurrentTime(0.0);
        host_->SetStatic(Name("CurrentState"), three);
        EXPECT_TRUE(EditOnPage("Store Current As State 3"));
        host_->SetStatic(Name("CurrentState"), Matrix<double>());
        return three;
    }
    // How far the camera is from `pose` after it was stepped to frame `f`.
    double DistanceAt(int f, const Matrix<double>& pose) {
        const Matrix<double> now = Local("CurrentState", f * kFrame);
        return std::hypot(now.m[3][0] - pose.m[3][0], now.m[3][1] - pose.m[3][1], now.m[3][2] - pose.m[3][2]);
    }

    using V = util::Vector3<double>;
};

TEST_P(MultiStateCamProfiles, BothConfigurationProfilesAreShippedAndLoad) {
    ExpectShippedConfigProfiles(*core_, *instance_, "multistatecam", {kImmediate, kSmooth});
    ASSERT_TRUE(core_->LoadProfile(instance_->GetName(), kImmediate));
    EXPECT_EQ(tool_->responseFactor, 1.0);
}

// Each keyboard profile binds the ten states and next/previous to keys of its own; the digit key 3 (or
// the number pad's 3) then chooses state 3: at once with "Camera Switching", gliding with "Smooth".
TEST_P(MultiStateCamProfiles, TheKeyboardProfilesChooseStatesByKey) {
    InputProfileManager& inputs = instance_->GetTool().GetInputProfileManager();
    EXPECT_EQ(inputs.ListProfiles(), (Names{"Keyboard 0-9", "Keyboard Numpad"}));
    struct Case {
        const char* profile;
        int firstKey; // virtual-key code of state 0's key
        int next, previous;
    };
    for (const Case& c : {Case{"Keyboard 0-9", 48, 187, 189}, Case{"Keyboard Numpad", 96, 107, 109}}) {
        SCOPED_TRACE(c.profile);
        ExpectShippedFileForm(std::string(":/torvasuite/data/multistatecam/inputprofiles/") + c.profile +
                              ".cip");
        ASSERT_EQ(core_->LoadInputProfile(instance_->GetName(), c.profile), 0) << "every key is found";
        for (int n = 0; n < 10; ++n)
            EXPECT_EQ(tool_->channels[static_cast<size_t>(n)]->getControl(),
                      keyboard_->GetKey(c.firstKey + n));
        EXPECT_EQ(tool_->channels[addon::kNextState]->getControl(), keyboard_->GetKey(c.next));
        EXPECT_EQ(tool_->channels[addon::kPreviousState]->getControl(), keyboard_->GetKey(c.previous));
    }

    const Matrix<double> three = StoreStateThree();
    ud::Control* key = keyboard_->GetKey(96 + 3);
    ASSERT_TRUE(core_->LoadProfile(instance_->GetName(), kImmediate));
    BeginRun(0.0, false);
    key->setValue(1.0);
    instance_->Step(kFrame);
    EXPECT_NEAR(DistanceAt(1, three), 0.0, 1e-9);
    EndRun();

    key->setValue(0.0);
    host_->SetStatic(Name("CurrentState"), Matrix<double>());
    tool_->record.Clear();
    ASSERT_TRUE(core_->LoadProfile(instance_->GetName(), kSmooth));
    BeginRun(0.0, false);
    key->setValue(1.0);
    for (int f = 1; f <= 250; ++f) instance_->Step(f * kFrame);
    EndRun();
    EXPECT_GT(DistanceAt(1, three), 4.0) << "the first frame hardly moves";
    EXPECT_LT(DistanceAt(25, three), DistanceAt(5, three));
    EXPECT_NEAR(DistanceAt(250, three), 0.0, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(, MultiStateCamProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
