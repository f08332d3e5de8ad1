#include "core/CoreStartup.h"
#include "plugins/vodidova/CVodiDOvaObject.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace vex::orb::core::test {
namespace {

using addon::CVodiDOvaObject;
using util::Matrix;

const std::vector<std::string> kShipped{"Fast", "Smooth", "Space Shuttle"};

// The recorded input every profile is driven with: full forward force and a part yaw force over the
// first second, then nothing (the body coasts), then "Brake All" held over the last two seconds.
constexpr int kPushFrames = 25;
constexpr int kCoastFrames = 100;
constexpr int kRunFrames = 150;
constexpr double kYawDeflection = 0.6;

// How far the camera moved, and turned, in each frame; sample i is frame i + 1.
struct BodyRun {
    std::vector<double> moved;
    std::vector<double> turned;
};

double Angle(const util::Quat<double>& a, const util::Quat<double>& b) {
    const double dot = a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
    return 2.0 * std::acos(std::min(1.0, std::abs(dot)));
}

class VodiDOvaProfiles : public ToolOnHost<CVodiDOvaObject> {
protected:
    VodiDOvaProfiles() : ToolOnHost("VodiDOva", "VodiDOva_01") {}

    // One take through the core's record loop in which a fresh VodiDOva per profile, each with that
    // configuration profile, is flown by the same controls playing the recorded input.
    std::map<std::string, BodyRun> Record(const std::vector<std::string>& profiles) {
        unidevice::Control forward(nullptr, unidevice::kAnyControl, 0.0);
        unidevice::Control yaw(nullptr, unidevice::kAnyControl, 0.0);
        unidevice::Control brake(nullptr, unidevice::kAnyControl, 0.0);
        std::map<std::string, std::string> bodies; // profile -> instance
        for (const std::string& profile : profiles) {
            const std::string name = core_->CreateTool("VodiDOva");
            Instance* body = core_->FindInstance(name);
            if (body == nullptr || !core_->LoadProfile(name, profile)) {
                ADD_FAILURE() << profile << " does not load";
                continue;
            }
            body->findInputChannel("Forw/Backw Force")->SetControl(&forward);
            body->findInputChannel("Yaw Force (Right/Left)")->SetControl(&yaw);
            body->findInputChannel("Brake All")->SetControl(&brake);
            bodies[profile] = name;
        }

        // Before each tick the controls take the values of the frame that tick steps.
        RecordAndResimulateLoopTake<int>(
            *core_, *host_, kRunFrames * kFrame, [] { return 0; },
            [&](double t) {
                const long f = std::lround(t / kFrame) + 1;
                forward.setValue(f <= kPushFrames ? 1.0 : 0.0);
                yaw.setValue(f <= kPushFrames ? kYawDeflection : 0.0);
                brake.setValue(f > kCoastFrames ? 1.0 : 0.0);
            });

        // The controls unbind themselves from the channels when they go.
        std::map<std::string, BodyRun> runs;
        for (const auto& [profile, name] : bodies) {
            const std::string camera = name + "_VodiDOvaTransform";
            BodyRun& run = runs[profile];
            Matrix<double> before = host_->World(camera, 0.0);
            for (int f = 1; f <= kRunFrames; ++f) {
                const Matrix<double> now = host_->World(camera, f * kFrame);
                const util::Vector3<double> moved{now.m[3][0] - before.m[3][0], now.m[3][1] - before.m[3][1],
                                                  now.m[3][2] - before.m[3][2]};
                run.moved.push_back(util::Length(moved));
                run.turned.push_back(Angle(util::ToQuat(before), util::ToQuat(now)));
                before = now;
            }
        }
        return runs;
    }
};

TEST_P(VodiDOvaProfiles, EveryListedProfileIsShippedInTheCurrentFormAndLoads) {
    ExpectShippedConfigProfiles(*core_, *instance_, "vodidova", kShipped);
}

// How far the camera travels, and turns, until the brake.
double Distance(const BodyRun& run) {
    double sum = 0.0;
    for (int i = 0; i < kCoastFrames; ++i) sum += run.moved[i];
    return sum;
}
double Turned(const BodyRun& run) {
    double sum = 0.0;
    for (int i = 0; i < kCoastFrames; ++i) sum += run.turned[i];
    return sum;
}
// The frames the push takes to build up half the acceleration it gives at its end.
double ResponseFrames(const BodyRun& run) {
    const double full = run.moved[kPushFrames - 1] - run.moved[kPushFrames - 2];
    for (int i = 0; i < kPushFrames; ++i) {
        const double gain = run.moved[i] - (i > 0 ? run.moved[i - 1] : 0.0);
        if (gain >= 0.5 * full) return i + 1;
    }
    return kPushFrames;
}
// The share of its speed the camera keeps after a second of braking.
double SpeedKeptUnderBrake(const BodyRun& run) {
    return run.moved[kCoastFrames + 24] / run.moved[kCoastFrames - 1];
}

struct Promise {
    const char* measure;
    double (*of)(const BodyRun&);
    const char* smaller;
    const char* larger;
};

TEST_P(VodiDOvaProfiles, EachProfileMovesTheCameraAsItsNameSays) {
    std::map<std::string, BodyRun> runs = Record(kShipped);
    ASSERT_EQ(runs.size(), kShipped.size());
    for (const auto& [name, run] : runs) EXPECT_GT(Distance(run), 0.0) << name << " does not move";
    // Fast goes farthest and turns most and picks up at once; Space Shuttle is slow, builds up its
    // thrust late and is hard to brake; Smooth picks up gently.
    const Promise promises[] = {
        {"distance", Distance, "Smooth", "Fast"},
        {"distance", Distance, "Space Shuttle", "Smooth"},
        {"turn", Turned, "Smooth", "Fast"},
        {"turn", Turned, "Space Shuttle", "Smooth"},
        {"response frames", ResponseFrames, "Fast", "Smooth"},
        {"response frames", ResponseFrames, "Smooth", "Space Shuttle"},
        {"speed kept under the brake", SpeedKeptUnderBrake, "Fast", "Space Shuttle"},
        {"speed kept under the brake", SpeedKeptUnderBrake, "Smooth", "Space Shuttle"},
    };
    for (const Promise& p : promises) {
        EXPECT_LT(p.of(runs[p.smaller]), p.of(runs[p.larger]))
            << p.measure << ": " << p.smaller << " " << p.of(runs[p.smaller]) << ", " << p.larger << " "
            << p.of(runs[p.larger]);
    }
}

INSTANTIATE_TEST_SUITE_P(, VodiDOvaProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
