#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "platform/win32/Clock.h"
#include "platform/win32/MessageBox.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/SledTool.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/platform/dinput/VirtualJoystick.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Device.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Property.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::core::test {
namespace {

using adaptor::memory::HostObject;
using adaptor::memory::MemoryAdaptor;
using platform::dinput::test::SdlJoysticks;
using platform::dinput::test::VirtualJoystick;

// The core on the memory host with one sled, its takes recorded on a fake clock one tick per frame.
class TakeFaultsTest : public RegistryTest {
protected:
    static constexpr double kFps = 25.0;

    void SetUp() override {
        unidevice::DeviceRegistry::Instance().Shutdown();
        RegistryTest::SetUp();
        MakeLibrary("sled", {new SledDescriptor});
    }
    void StartCore() {
        host_ = std::make_unique<MemoryAdaptor>(kFps);
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        core_->GetSettings().countdown = 0;
        instance_ = core_->FindInstance(core_->CreateTool("Sled"));
        ASSERT_NE(instance_, nullptr);
        sled_ = dynamic_cast<SledObject*>(instance_->GetObject());
        ASSERT_NE(sled_, nullptr);
    }
    void TearDown() override {
        if (sled_ != nullptr) sled_->drive->SetControl(nullptr);
        host_.reset();
        RegistryTest::TearDown();
    }

    // A take from frame 0 of up to `frames` frames, one tick of the clock per frame; `each(f)` runs
    // before the tick that steps frame f. Answers the frames the take stepped before it stopped.
    template <typename Each>
    int Take(int frames, Each each) {
        platform::win32::FakeClock clock(1000);
        host_->setPlaybackRange({0.0, frames / kFps + 1.0});
        host_->setCurrentTime(0.0);
        EXPECT_EQ(core_->StartRecording(), 0);
        while (core_->IsRecording() && core_->GetFrameIndex() < frames) {
            each(core_->GetFrameIndex() + 1);
            clock.Advance(40);
            core_->OnTimer(RecordManager::kRecordTimer, clock.Now());
        }
        const int stepped = core_->GetFrameIndex();
        if (core_->IsRecording()) core_->StopRecording();
        return stepped;
    }

    const HostObject& Body() const {
        auto& scene = host_->GetScene();
        for (const auto id : scene.GetObjects())
            if (const HostObject* object = scene.Find(id);
                object && object->name.find("Body") != std::string::npos)
                return *object;
        ADD_FAILURE() << "the sled has no body node";
        static const HostObject none;
        return none;
    }
    // The body's keyed x positions by frame.
    std::vector<std::pair<long, double>> Keys() const {
        std::vector<std::pair<long, double>> keys;
        for (const auto& key : Body().transform.GetKeys())
            keys.emplace_back(std::lround(key.time * kFps), key.value.m[3][0]);
        return keys;
    }

    void ExpectTheTakeStopsCleanly(SledObject::Failure failure, const std::string& fault);

    std::unique_ptr<MemoryAdaptor> host_;
    CoreImplementation* core_ = nullptr;
    Instance* instance_ = nullptr;
    SledObject* sled_ = nullptr;
};

// A take in which the sled fails at frame 12 in the given way: it stops there with a message naming
// the instance and the fault, keeps the keys before, is undone and redone as one step, and the next
// take runs to its end.
void TakeFaultsTest::ExpectTheTakeStopsCleanly(SledObject::Failure failure, const std::string& fault) {
    StartCore();
    unidevice::Control stick(nullptr, unidevice::kFiniteControl, 0.0);
    sled_->drive->SetControl(&stick);
    sled_->drive->SetDeadzone(0.0);
    sled_->failure = failure;
    sled_->failAt = 12;
    platform::win32::MessageBoxRecorder boxes;
    const auto before = Keys();
    const int stepped = Take(30, [&](int f) { stick.setValue(0.01 * f); });

    EXPECT_FALSE(core_->IsRecording());
    EXPECT_EQ(stepped, 12) << "the take stops at the frame that failed";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              "The take stopped at frame 12: \"" + instance_->GetName() + "\": " + fault +
                  ". The keys made before that frame are kept; undo takes the take back "
                  "as a whole.");
    const auto keys = Keys();
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys.back().first, 11) << "no key at or after the frame that failed";
    // Each key is what the tool made of the input it read at that frame.
    for (const auto& [frame, x] : keys) {
        EXPECT_TRUE(std::isfinite(x)) << "frame " << frame;
        if (frame >= 1) {
            EXPECT_DOUBLE_EQ(x, instance_->GetRecordedValues(0).get(static_cast<double>(frame) / kFps))
                << "frame " << frame;
        }
    }
    EXPECT_EQ(instance_->GetRecordedValues(0).GetKeyCount(), 12);

    ASSERT_TRUE(host_->undo());
    EXPECT_EQ(Keys(), before) << "undo takes the whole take back";
    ASSERT_TRUE(host_->redo());
    EXPECT_EQ(Keys(), keys);

    sled_->failure = SledObject::Failure::kNone;
    EXPECT_EQ(Take(20, [&](int f) { stick.setValue(-0.02 * f); }), 20) << "the next take runs to its end";
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    sled_->drive->SetControl(nullptr);
}

TEST_F(TakeFaultsTest, AToolStepThatThrowsStopsTheTakeNamingTheInstance) {
    ExpectTheTakeStopsCleanly(SledObject::Failure::kThrow, "its step failed: the runner came off");
}

TEST_F(TakeFaultsTest, AToolStepThatGivesNotANumberStopsTheTakeAndKeysNoGarbage) {
    ExpectTheTakeStopsCleanly(SledObject::Failure::kNotANumber, "the transform of \"Body\" is not a number");
}

TEST_F(TakeFaultsTest, AJoystickUnpluggedInATakeFreezesItsValuesAndIsFoundAgainWhenPluggedBack) {
    SdlJoysticks sdl;
    auto stick = std::make_unique<VirtualJoystick>("Torva Test Stick", 2, 0, 2);
    StartCore();
    unidevice::Device* device = unidevice::DeviceRegistry::Instance().findDevice("Torva Test Stick", 0);
    ASSERT_NE(device, nullptr);
    sled_->drive->SetControl(device->getControl(0));
    sled_->drive->SetDeadzone(0.0);
    // The stick's position at frame f, in the raw units of its axis.
    const auto raw = [](int f) { return static_cast<std::int16_t>(300 * f); };
    const auto value = [&](int f) { return raw(f) / 32767.0; };

    const int stepped = Take(60, [&](int f) {
        if (f == 21) stick.reset();
        if (f == 41) stick = std::make_unique<VirtualJoystick>("Torva Test Stick", 2, 0, 2);
        if (stick) stick->SetAxis(0, raw(f));
    });
    EXPECT_EQ(stepped, 60) << "the take runs to its end";
    const auto& recorded = instance_->GetRecordedValues(0);
    ASSERT_EQ(recorded.GetKeyCount(), 60) << "a value for every frame, the device there or not";
    // A tick may step two frames (the first one always does: the loop steps up to the frame after the
    // clock's), which then read the stick as it was set for the first of them.
    const auto near = [](double a, double b) { return std::abs(a - b) < 2e-3; };
    for (int f = 3; f <= 60; ++f) {
        const double at = recorded.get(f / kFps);
        if (f <= 20 || f > 42) {
            EXPECT_TRUE(near(at, value(f)) || near(at, value(f - 1)))
                << "frame " << f << " follows the stick: " << at;
        } else if (f <= 40) {
            EXPECT_EQ(at, recorded.get(20 / kFps)) << "frame " << f << " keeps the last reading";
        }
    }
    const auto keys = Keys();
    EXPECT_EQ(keys.back().first, 60);
    EXPECT_EQ(unidevice::DeviceRegistry::Instance().findDevice("Torva Test Stick", 0), device)
        << "the same device, its binding kept";
    stick->SetAxis(0, 16000);
    EXPECT_TRUE(device->update(nullptr));
    EXPECT_NEAR(sled_->drive->getValue(), 16000 / 32767.0, 2e-3);
}

} // namespace
} // namespace vex::orb::core::test
