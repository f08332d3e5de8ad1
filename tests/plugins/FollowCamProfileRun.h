#pragma once

#include "core/CoreImplementation.h"
#include "tests/plugins/FollowTrack.h"
#include "tests/plugins/HostUnderTest.h"
#include "util/Matrix.h"

#include <map>
#include <string>
#include <vector>

namespace vex::orb::core::test {

/// The recorded motion every follow-camera profile is driven with, one pose per frame: from the
/// origin it moves to x = kGoalX and turns to kGoalYaw about the vertical axis over the first
/// kRampFrames frames, holds still until frame kHoldFrames, then shakes about that pose (±kShakeX
/// and ±kShakeYaw, alternating every frame) until frame kRunFrames.
struct ScriptedTarget {
    static constexpr int kRampFrames = 10;
    static constexpr int kHoldFrames = 100;
    static constexpr int kRunFrames = 200;
    static constexpr double kGoalX = 10.0;
    static constexpr double kGoalYaw = 0.7; // about 40 degrees
    static constexpr double kShakeX = 0.2;
    static constexpr double kShakeYaw = 0.02;

    static double X(int frame);
    static double Yaw(int frame);
    static util::Matrix<double> Pose(int frame);
};

/// The turn of `m` about the vertical axis, in radians.
double YawOf(const util::Matrix<double>& m);

/// What a follow camera did in one run: its x and its yaw against the target's, sample i at frame
/// i + 1.
struct FollowCamRun {
    FollowTrack x;
    FollowTrack yaw;
};

/// Records one take through the core's record loop in which a fresh instance of the follow-camera
/// tool `tool` per profile in `profiles`, each with that configuration profile loaded through the
/// core, follows its AttachedCam keyed with the scripted target, frames 1 to ScriptedTarget::kRunFrames
/// at 25 frames per second. Answers each profile's run; a profile that does not load is a test
/// failure and gets an empty run.
std::map<std::string, FollowCamRun> RecordFollowCamProfiles(CoreImplementation& core, HostUnderTest& host,
                                                            const std::string& tool,
                                                            const std::vector<std::string>& profiles);

} // namespace vex::orb::core::test
