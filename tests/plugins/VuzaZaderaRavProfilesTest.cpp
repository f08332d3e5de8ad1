#include "core/CoreStartup.h"
#include "plugins/vezizazav/CVezizaZavObject.h"
#include "tests/plugins/FollowCamProfileRun.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "tests/plugins/ToolOnHostFixture.h"

#include <gtest/gtest.h>

#include <map>

namespace vex::orb::core::test {
namespace {

using addon::CVezizaZavObject;
using T = ScriptedTarget;

const std::vector<std::string> kShipped{"Character VezizaZav", "FollowCam"};

class VuzaZaderaRavProfiles : public ToolOnHost<CVezizaZavObject> {
protected:
    VuzaZaderaRavProfiles() : ToolOnHost("VezizaZav", "VuzaZaderaRav_01") {}
};

TEST_P(VuzaZaderaRavProfiles, EveryListedProfileIsShippedInTheCurrentFormAndLoads) {
    ExpectShippedConfigProfiles(*core_, *instance_, "vezizazav", kShipped);
}

// Both are smoothing follow cameras: each trails the moving target by a real distance rather than
// sticking to it, never passes the goal, and comes to rest on it while the target holds still.
TEST_P(VuzaZaderaRavProfiles, EachProfileSmoothsTheTargetWithoutOvershootAndSettles) {
    const std::map<std::string, FollowCamRun> runs =
        RecordFollowCamProfiles(*core_, *host_, "VezizaZav", kShipped);
    ASSERT_EQ(runs.size(), kShipped.size());
    for (const auto& [name, run] : runs) {
        SCOPED_TRACE(name);
        const size_t hold = T::kHoldFrames;
        EXPECT_GT(run.x.Lag(0, T::kRampFrames), 0.2 * T::kGoalX);
        EXPECT_GT(run.yaw.Lag(0, T::kRampFrames), 0.2 * T::kGoalYaw);
        EXPECT_LE(run.x.Overshoot(0, hold, T::kGoalX), 1e-9);
        EXPECT_LE(run.yaw.Overshoot(0, hold, T::kGoalYaw), 1e-9);
        EXPECT_LT(run.x.SettlingTime(0, hold, T::kGoalX, 0.02 * T::kGoalX), hold);
        EXPECT_LT(run.yaw.SettlingTime(0, hold, T::kGoalYaw, 0.02 * T::kGoalYaw), hold);
    }
}

INSTANTIATE_TEST_SUITE_P(, VuzaZaderaRavProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
