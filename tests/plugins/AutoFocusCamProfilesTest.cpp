#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "plugins/autofocuscam/CAutoFocusCamObject.h"
#include "tests/plugins/FactoryProfiles.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "tests/plugins/ToolOnHostFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CAutoFocusCamObject;
using addon::FocusPullSettings;

using Profile = FactoryProfile<FocusPullSettings>;

const std::vector<Profile>& Profiles() {
    static const std::vector<Profile> profiles{
        // The focus glides to wherever the focal channel points between the targets.
        {"Free Focal Position",
         [](FocusPullSettings& s) {
             s.freeFocalPosition = true;
             s.focalResponseFactor = 0.1;
         }},
        // The focus jumps from one target to the other as the channel crosses half-way.
        {"Instant Focal Position Change",
         [](FocusPullSettings& s) {
             s.freeFocalPosition = false;
             s.focalResponseFactor = 1.0;
         }},
    };
    return profiles;
}

class AutoFocusCamProfiles : public ToolOnHost<CAutoFocusCamObject> {
protected:
    AutoFocusCamProfiles() : ToolOnHost("ZoomAndFocusCam", "ZoomAndFocusCam_01") {}

    // The focal positions of the first 2 s with `profile` while the focal channel holds `input`.
    std::vector<double> Pull(const std::string& profile, double input) {
        const CAutoFocusCamObject* camera = CreateWithProfile(profile);
        std::vector<double> positions;
        if (camera == nullptr) return positions;
        addon::FocusPullState state = addon::StartFocusPull(54.0, 0.0);
        for (int f = 0; f < 50; ++f) {
            addon::StepFocusPull(state, 0.0, input, camera->settings, kFrame);
            positions.push_back(state.FocalPosition());
        }
        return positions;
    }
};

TEST_P(AutoFocusCamProfiles, EveryListedProfileIsShippedInTheCurrentFormAndLoads) {
    ExpectShippedConfigProfiles(*core_, *instance_, "autofocuscam", ProfileNames(Profiles()));
}

// "Instant Focal Position Change" puts the focus on target 2 in the first frame the channel passes
// half-way, and keeps it on target 1 below; "Free Focal Position" glides toward the point the channel
// chooses between them.
TEST_P(AutoFocusCamProfiles, EachProfilePullsTheFocusAsItsNameSays) {
    EXPECT_EQ(Pull("Instant Focal Position Change", 0.6).front(), 1.0);
    EXPECT_EQ(Pull("Instant Focal Position Change", 0.4).back(), 0.0);
    const std::vector<double> free = Pull("Free Focal Position", 0.6);
    EXPECT_LT(free.front(), 0.1);
    EXPECT_TRUE(std::is_sorted(free.begin(), free.end()));
    EXPECT_GT(free.back(), 0.5);
    EXPECT_LT(free.back(), 0.6);
}

// Writes the table into data/ (run by hand after changing it or the page:
// plugin_tests --gtest_also_run_disabled_tests --gtest_filter='*AutoFocusCamProfiles*Write*/Memory').
TEST_P(AutoFocusCamProfiles, DISABLED_WriteFactoryProfiles) {
    // Only the focus pull travels with a profile.
    WriteFactoryProfiles(
        *instance_, tool_->settings, Profiles(), "autofocuscam",
        [](const std::string& label) { return label == "Camera Modes" || label == "Focal Point"; });
}

INSTANTIATE_TEST_SUITE_P(, AutoFocusCamProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
