#include "core/CoreStartup.h"
#include "plugins/ruzovuzediziviz/CRuzovuZediziVizObject.h"
#include "tests/plugins/FollowCamProfileRun.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "tests/plugins/ToolOnHostFixture.h"

#include <gtest/gtest.h>

#include <map>

namespace vex::orb::core::test {
namespace {

using addon::CRuzovuZediziVizObject;
using T = ScriptedTarget;

const std::vector<std::string> kShipped{"Bouncy",
                                        "Car Iron Rig",
                                        "Character FollowCam",
                                        "DriveBy",
                                        "Driver",
                                        "High Frequency Bouncing",
                                        "Loose FollowCam",
                                        "Slightly Bouncy",
                                        "Smooth Filtering",
                                        "Strong FollowCam",
                                        "Tight"};

// Sample ranges of a run: the move and the hold after it, the hold alone, the shaking.
constexpr size_t kMoveFrom = 0, kHoldFrom = T::kRampFrames, kShakeFrom = T::kHoldFrames, kEnd = T::kRunFrames;

class RuzovuZediziVizProfiles : public ToolOnHost<CRuzovuZediziVizObject> {
protected:
    RuzovuZediziVizProfiles() : ToolOnHost("RuzovuZediziViz", "RuzovuZediziViz_01") {}
};

TEST_P(RuzovuZediziVizProfiles, EveryListedProfileIsShippedInTheCurrentFormAndLoads) {
    ExpectShippedConfigProfiles(*core_, *instance_, "ruzovuzediziviz", kShipped);
}

// What a profile's name promises about its FollowCam, measured on one run against the scripted target.
struct Promise {
    const char* measure;
    double (*of)(const FollowCamRun&);
    const char* smaller;
    const char* larger;
};

double LagX(const FollowCamRun& run) {
    return run.x.Lag(kMoveFrom, kShakeFrom);
}
double LagYaw(const FollowCamRun& run) {
    return run.yaw.Lag(kMoveFrom, kShakeFrom);
}
double OvershootX(const FollowCamRun& run) {
    return run.x.Overshoot(kMoveFrom, kShakeFrom, T::kGoalX);
}
double CrossingsX(const FollowCamRun& run) {
    return run.x.Crossings(kHoldFrom, kShakeFrom, T::kGoalX);
}
double CrossingsYaw(const FollowCamRun& run) {
    return run.yaw.Crossings(kHoldFrom, kShakeFrom, T::kGoalYaw);
}
double SettlingX(const FollowCamRun& run) {
    return static_cast<double>(run.x.SettlingTime(kMoveFrom, kShakeFrom, T::kGoalX, 0.02 * T::kGoalX));
}
double ShakeX(const FollowCamRun& run) {
    return run.x.Shake(kShakeFrom, kEnd);
}

TEST_P(RuzovuZediziVizProfiles, EachProfileFollowsTheSameTargetAsItsNameSays) {
    ASSERT_NEAR(YawOf(T::Pose(T::kHoldFrames)), T::kGoalYaw, 1e-12) << "the yaw is read as it is keyed";
    std::map<std::string, FollowCamRun> runs =
        RecordFollowCamProfiles(*core_, *host_, "RuzovuZediziViz", kShipped);
    ASSERT_EQ(runs.size(), kShipped.size());

    const Promise promises[] = {
        {"lag", LagX, "Strong FollowCam", "Loose FollowCam"},
        {"turn lag", LagYaw, "Strong FollowCam", "Loose FollowCam"},
        {"lag", LagX, "Tight", "Loose FollowCam"},
        {"lag", LagX, "Tight", "Smooth Filtering"},
        {"lag", LagX, "Car Iron Rig", "Loose FollowCam"},
        {"lag", LagX, "Car Iron Rig", "Smooth Filtering"},
        {"overshoot", OvershootX, "Slightly Bouncy", "Bouncy"},
        {"swings", CrossingsX, "Bouncy", "High Frequency Bouncing"},
        {"swings", CrossingsX, "Slightly Bouncy", "High Frequency Bouncing"},
        {"turn swings", CrossingsYaw, "Bouncy", "High Frequency Bouncing"},
        {"settling time", SettlingX, "Strong FollowCam", "Loose FollowCam"},
        {"settling time", SettlingX, "Car Iron Rig", "Loose FollowCam"},
        {"settling time", SettlingX, "Tight", "Bouncy"},
        {"shake", ShakeX, "Smooth Filtering", "Tight"},
        {"shake", ShakeX, "Smooth Filtering", "Car Iron Rig"},
    };
    for (const Promise& p : promises) {
        EXPECT_LT(p.of(runs[p.smaller]), p.of(runs[p.larger]))
            << p.measure << ": " << p.smaller << " " << p.of(runs[p.smaller]) << ", " << p.larger << " "
            << p.of(runs[p.larger]);
    }

    // The bouncy ones swing well past the goal; the smooth one does not pass it at all.
    for (const char* bouncy : {"Bouncy", "Slightly Bouncy", "High Frequency Bouncing"})
        EXPECT_GT(OvershootX(runs[bouncy]), 0.05 * T::kGoalX) << bouncy;
    EXPECT_LT(OvershootX(runs["Smooth Filtering"]), 1e-3 * T::kGoalX);
    EXPECT_LT(runs["Smooth Filtering"].yaw.Overshoot(kMoveFrom, kShakeFrom, T::kGoalYaw), 1e-3 * T::kGoalYaw);

    // Every profile is a stable follower: by the end of the hold each is close to the target.
    for (const std::string& name : kShipped) {
        EXPECT_NEAR(runs[name].x.follower[kShakeFrom - 1], T::kGoalX, 0.05 * T::kGoalX) << name;
        EXPECT_NEAR(runs[name].yaw.follower[kShakeFrom - 1], T::kGoalYaw, 0.05 * T::kGoalYaw) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(, RuzovuZediziVizProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
