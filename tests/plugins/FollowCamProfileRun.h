#pragma once

#include "core/CoreImplementation.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/plugins/FollowTrack.h"
#include "util/Matrix.h"

#include <string>

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

/// Creates a fresh instance of the follow-camera tool `tool` on `host`, loads the configuration
/// profile `profile` into it through the core, keys its AttachedCam with the scripted target and
/// records frames 1 to ScriptedTarget::kRunFrames at 25 frames per second. A profile that does not
/// load is a test failure and gives an empty run.
FollowCamRun RunFollowCamProfile(CoreImplementation& core, adaptor::memory::MemoryAdaptor& host,
                                 const std::string& tool, const std::string& profile);

} // namespace vex::orb::core::test
