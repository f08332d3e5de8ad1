#include "tests/plugins/FollowCamProfileRun.h"

#include "core/Instance.h"
#include "tests/plugins/LoopTakeSupport.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vex::orb::core::test {

namespace {

constexpr double kFrame = 1.0 / 25.0;

// The share of the ramp done at `frame`, and the shake's sign (+1, -1) after the hold.
double Ramp(int frame) {
    return std::min(1.0, static_cast<double>(frame) / ScriptedTarget::kRampFrames);
}
double Shake(int frame) {
    if (frame <= ScriptedTarget::kHoldFrames) return 0.0;
    return frame % 2 == 0 ? 1.0 : -1.0;
}

} // namespace

double ScriptedTarget::X(int frame) {
    return kGoalX * Ramp(frame) + kShakeX * Shake(frame);
}

double ScriptedTarget::Yaw(int frame) {
    return kGoalYaw * Ramp(frame) + kShakeYaw * Shake(frame);
}

util::Matrix<double> ScriptedTarget::Pose(int frame) {
    const util::Quat<double> turn = util::EulerXYZToQuat(util::Vector3<double>{0.0, Yaw(frame), 0.0});
    return util::ToMatrix(util::QTransform<double>{{X(frame), 0.0, 0.0}, turn});
}

double YawOf(const util::Matrix<double>& m) {
    return std::atan2(m.m[2][0], m.m[2][2]);
}

std::map<std::string, FollowCamRun> RecordFollowCamProfiles(CoreImplementation& core, HostUnderTest& host,
                                                            const std::string& tool,
                                                            const std::vector<std::string>& profiles) {
    std::map<std::string, std::string> instances; // profile -> instance
    for (const std::string& profile : profiles) {
        const std::string name = core.CreateTool(tool);
        if (core.FindInstance(name) == nullptr || !core.LoadProfile(name, profile)) {
            ADD_FAILURE() << "profile " << profile << " of " << tool << " does not load";
            continue;
        }
        instances[profile] = name;
        for (int f = 0; f <= ScriptedTarget::kRunFrames; ++f)
            host.SetKey(name + "_AttachedCamTransform", f * kFrame, ScriptedTarget::Pose(f));
    }

    RecordAndResimulateLoopTake<int>(core, host, ScriptedTarget::kRunFrames * kFrame, [] { return 0; });

    std::map<std::string, FollowCamRun> runs;
    for (const auto& [profile, name] : instances) {
        FollowCamRun& run = runs[profile];
        for (int f = 1; f <= ScriptedTarget::kRunFrames; ++f) {
            const util::Matrix<double> camera = host.World(name + "_FollowCamTransform", f * kFrame);
            run.x.follower.push_back(camera.m[3][0]);
            run.x.target.push_back(ScriptedTarget::X(f));
            run.yaw.follower.push_back(YawOf(camera));
            run.yaw.target.push_back(ScriptedTarget::Yaw(f));
        }
    }
    return runs;
}

} // namespace vex::orb::core::test
