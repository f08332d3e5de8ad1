#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/plugins/HostUnderTest.h"
#include "tests/plugins/LoopTakeSupport.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::core::test {
namespace {

// One VodiDOva take recorded through the real-time loop on each host in turn, with the same inputs.
class TakeAcrossHosts : public RegistryTest {
protected:
    // The camera's keys after the take and after its re-simulation on a fresh host of kind `kind`.
    static std::pair<HostKeys, HostKeys> RecordTake(HostKind kind) {
        std::vector<std::unique_ptr<unidevice::Control>> controls;
        std::unique_ptr<HostUnderTest> host = MakeHostUnderTest(kind);
        CoreImplementation* core = FindCore();
        if (core == nullptr) {
            ADD_FAILURE() << "no core on the host";
            return {};
        }
        const std::string name = core->CreateTool("VodiDOva");
        Instance* instance = core->FindInstance(name);
        if (instance == nullptr) {
            ADD_FAILURE() << "no VodiDOva on the host";
            return {};
        }
        const auto bind = [&](const char* channel) -> unidevice::Control& {
            controls.push_back(std::make_unique<unidevice::Control>(nullptr, unidevice::kAnyControl, 0.0));
            instance->findInputChannel(channel)->SetControl(controls.back().get());
            return *controls.back();
        };
        unidevice::Control& forward = bind("Forw/Backw Force");
        unidevice::Control& yaw = bind("Yaw Force (Right/Left)");
        unidevice::Control& up = bind("Up/Down Force");
        const std::string camera = name + "_VodiDOvaTransform";
        auto keys = RecordAndResimulateLoopTake<HostKeys>(
            *core, *host, 2.0, [&] { return host->Keys(camera); },
            [&](double t) {
                forward.setValue(0.8);
                yaw.setValue(-0.6 * std::sin(2.0 * t));
                up.setValue(0.3 * std::cos(5.0 * t));
            });
        host.reset();
        return keys;
    }
};

// The re-simulation on the Maya host repeats its live take bit for bit, and the take's keys are the
// memory host's keys of the same take, converted to core units.
TEST_F(TakeAcrossHosts, TheMayaTakeReSimulatesExactlyAndMatchesTheMemoryHostsTake) {
    const auto [memory, memoryAgain] = RecordTake(HostKind::kMemory);
    const auto [maya, mayaAgain] = RecordTake(HostKind::kMaya);
    ASSERT_GT(maya.size(), 40u);
    EXPECT_NE(maya.back().value, maya.front().value);
    ExpectSameKeys(maya, mayaAgain);

    ASSERT_EQ(maya.size(), memory.size());
    for (size_t i = 0; i < maya.size(); ++i) {
        EXPECT_NEAR(maya[i].time, memory[i].time, 1e-9) << "key " << i;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                EXPECT_NEAR(maya[i].value.m[r][c], memory[i].value.m[r][c], 1e-9)
                    << "key " << i << " at " << r << c;
    }
}

} // namespace
} // namespace vex::orb::core::test
