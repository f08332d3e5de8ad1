#include "unidevice/driver/DXJoystickDevice.h"

#include "platform/dinput/Backend.h"
#include "tests/platform/dinput/FakeHapticBackend.h"
#include "tests/platform/dinput/VirtualJoystick.h"
#include "tests/unidevice/TestDevices.h"
#include "unidevice/DummyDriver.h"
#include "unidevice/Property.h"
#include "unidevice/driver/DXAxisFFEffect.h"
#include "unidevice/driver/DirectInputEnumeration.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vex::unidevice::driver {
namespace {

using platform::dinput::test::FakeHapticBackend;
using platform::dinput::test::SdlJoysticks;
using platform::dinput::test::VirtualJoystick;

// SDL axis values whose DirectInput reading in -1000..1000 is the given raw value.
std::int16_t Raw(int raw) {
    return static_cast<std::int16_t>(raw < 0 ? raw * 32768 / 1000 : raw * 32767 / 1000);
}

class DXJoystick : public test::RegistryTest {
protected:
    void SetUp() override {
        test::RegistryTest::SetUp();
        new DummyDriver;
        platform::dinput::SetBackend(&backend_);
    }
    void TearDown() override {
        test::RegistryTest::TearDown();
        platform::dinput::SetBackend(nullptr);
    }

    // Runs the start-up enumeration and returns the controller named `name` with `devindex`.
    DXJoystickDevice* Enumerate(const std::string& name, int devindex = 0) {
        EXPECT_TRUE(EnumerateGameControllers(nullptr, nullptr));
        return Find(name, devindex);
    }
    DXJoystickDevice* Find(const std::string& name, int devindex = 0) {
        auto* device = dynamic_cast<DXJoystickDevice*>(registry_.findDevice(name, devindex));
        EXPECT_NE(device, nullptr) << name << " " << devindex;
        return device;
    }
    // "type:index:description:kind" of every control in getControl order.
    static std::vector<std::string> Describe(Device& device) {
        std::vector<std::string> controls;
        for (int i = 0; i < device.getControlCount(); ++i) {
            const Control* control = device.getControl(i);
            controls.push_back(control->GetType() + ":" + std::to_string(control->GetIndex()) + ":" +
                               control->getDescription() + ":" + std::to_string(control->GetKind()));
        }
        return controls;
    }

    SdlJoysticks sdl_;
    FakeHapticBackend backend_;
};

TEST_F(DXJoystick, AWheelIsEnumeratedWithItsControlsSortedByDescription) {
    VirtualJoystick wheel("Torva Test Wheel", 7, 1, 2);
    DXJoystickDevice* device = Enumerate("Torva Test Wheel");
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->GetDriver(), registry_.findDriver("dummydriver"));
    const std::vector<std::string> expected = {"Axis:0:X Axis:4",
                                               "Axis:3:X Rotation:4",
                                               "Axis:1:Y Axis:4",
                                               "Axis:4:Y Rotation:4",
                                               "Axis:2:Z Axis:4",
                                               "Axis:5:Z Rotation:4",
                                               "Slider:0:Slider:4",
                                               "Hat:0:Hat Switch (X axis):2",
                                               "Hat:1:Hat Switch (Y axis):2",
                                               "Button:0:Button 0:1",
                                               "Button:1:Button 1:1"};
    EXPECT_EQ(Describe(*device), expected);
    EXPECT_EQ(device->getControl(0)->GetThreshold(), 0.1);
    EXPECT_EQ(device->getControl(11), nullptr);
    EXPECT_EQ(device->getControl(-1), nullptr);
}

TEST_F(DXJoystick, UpdateReadsAxesSlidersHatsAndButtons) {
    VirtualJoystick wheel("Torva Test Wheel", 7, 1, 2);
    DXJoystickDevice* device = Enumerate("Torva Test Wheel");
    ASSERT_NE(device, nullptr);
    Control* x = device->getControl(0);
    Control* rx = device->getControl(1);
    Control* slider = device->getControl(6);
    Control* hatX = device->getControl(7);
    Control* hatY = device->getControl(8);
    Control* button = device->getControl(10);

    wheel.SetAxis(0, Raw(-1000));
    wheel.SetAxis(3, Raw(1000));
    wheel.SetAxis(6, Raw(-500));
    wheel.SetButton(1, true);
    ASSERT_TRUE(device->update(nullptr));
    EXPECT_DOUBLE_EQ(x->getValue(), -1.0);
    EXPECT_DOUBLE_EQ(rx->getValue(), 1.0);
    EXPECT_DOUBLE_EQ(slider->getValue(), -0.5);
    EXPECT_EQ(button->getValue(), 1.0);
    EXPECT_EQ(hatX->getValue(), 0.0);
    EXPECT_EQ(hatY->getValue(), 0.0);

    // Through a channel with the default dead zone: 0.05 is inside it, 0.55 halfway out of it.
    Property steering("Steering", kFiniteControl);
    steering.SetControl(x);
    wheel.SetAxis(0, Raw(50));
    device->update(nullptr);
    EXPECT_DOUBLE_EQ(x->getValue(), 0.05);
    EXPECT_DOUBLE_EQ(x->GetPrevious(), -1.0);
    EXPECT_EQ(steering.getValue(), 0.0);
    wheel.SetAxis(0, Raw(550));
    device->update(nullptr);
    EXPECT_NEAR(steering.getValue(), 0.5, 1e-12);

    // Hat halves: north is Y 1, east X 1, and a diagonal gives 1 on both halves.
    const struct {
        std::uint8_t hat;
        double x, y;
    } hats[] = {{SDL_HAT_CENTERED, 0, 0}, {SDL_HAT_RIGHT, 1, 0},      {SDL_HAT_RIGHTUP, 1, 1},
                {SDL_HAT_UP, 0, 1},       {SDL_HAT_LEFTDOWN, -1, -1}, {SDL_HAT_DOWN, 0, -1}};
    for (const auto& hat : hats) {
        wheel.SetHat(0, hat.hat);
        device->update(nullptr);
        EXPECT_EQ(hatX->getValue(), hat.x) << int(hat.hat);
        EXPECT_EQ(hatY->getValue(), hat.y) << int(hat.hat);
    }
}

TEST_F(DXJoystick, ControllersOfOneProductAreToldApartByDevindex) {
    VirtualJoystick first("Torva Twin Pedals", 3, 0, 0);
    VirtualJoystick second("Torva Twin Pedals", 3, 0, 0);
    ASSERT_TRUE(EnumerateGameControllers(nullptr, nullptr));
    DXJoystickDevice* a = Find("Torva Twin Pedals", 0);
    DXJoystickDevice* b = Find("Torva Twin Pedals", 1);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);

    util::xml::Element elementA, elementB;
    a->getControl(2)->toXml(elementA);
    b->getControl(2)->toXml(elementB);
    EXPECT_FALSE(elementA.HasAttribute("devindex"));
    EXPECT_EQ(elementB.GetAttribute("devindex"), "1");
    EXPECT_EQ(registry_.findControl(elementB), b->getControl(2));
    elementB.RemoveAttribute("devindex");
    EXPECT_EQ(elementA, elementB);

    // Each reads its own controller.
    second.SetAxis(2, Raw(1000));
    a->update(nullptr);
    b->update(nullptr);
    EXPECT_EQ(a->getControl(2)->getValue(), 0.0);
    EXPECT_EQ(b->getControl(2)->getValue(), 1.0);
}

TEST_F(DXJoystick, AnUnpluggedControllerIsNotDetectedAndComesBackWhenPluggedInAgain) {
    auto wheel = std::make_unique<VirtualJoystick>("Torva Test Wheel", 2, 0, 1);
    DXJoystickDevice* device = Enumerate("Torva Test Wheel");
    ASSERT_NE(device, nullptr);
    Control* x = device->getControl(0);
    Property steering("Steering", kFiniteControl);
    steering.SetControl(x);
    wheel->SetAxis(0, Raw(300));
    device->update(nullptr);
    wheel->SetAxis(0, Raw(700));
    device->update(nullptr);

    wheel->Unplug();
    EXPECT_FALSE(device->update(nullptr));
    EXPECT_FALSE(device->update(nullptr));
    EXPECT_DOUBLE_EQ(x->GetPrevious(), 0.3);
    EXPECT_DOUBLE_EQ(x->GetCurrent(), 0.7);
    EXPECT_EQ(registry_.detectChange(), nullptr) << "the values it kept are no move";
    EXPECT_FALSE(device->resync(nullptr));
    EXPECT_EQ(registry_.resyncAll(), 0);

    // Another controller is not taken for it.
    VirtualJoystick other("Torva Test Pedals", 2, 0, 1);
    EXPECT_EQ(registry_.resyncAll(), 0);

    // The same controller plugged in again: the device, and the binding to it, work again.
    wheel = std::make_unique<VirtualJoystick>("Torva Test Wheel", 2, 0, 1);
    EXPECT_EQ(registry_.resyncAll(), 1);
    EXPECT_EQ(registry_.detectChange(), nullptr);
    wheel->SetAxis(1, Raw(-600));
    EXPECT_EQ(registry_.detectChange(), device->getControl(1));
    wheel->SetAxis(0, Raw(550));
    ASSERT_TRUE(device->update(nullptr));
    EXPECT_NEAR(steering.getValue(), 0.5, 1e-12);
    EXPECT_EQ(registry_.getDeviceCount(), 1);
}

TEST_F(DXJoystick, ResyncBringsControlsToRestSoDetectionSeesOnlyNewMoves) {
    VirtualJoystick wheel("Torva Test Wheel", 2, 0, 2);
    DXJoystickDevice* device = Enumerate("Torva Test Wheel");
    ASSERT_NE(device, nullptr);
    wheel.SetAxis(0, Raw(800));
    wheel.SetButton(0, true);
    EXPECT_EQ(registry_.resyncAll(), 1);
    EXPECT_EQ(registry_.detectChange(), nullptr);

    wheel.SetAxis(1, Raw(-600));
    EXPECT_EQ(registry_.detectChange(), device->getControl(1));
    device->clearValues();
    EXPECT_EQ(device->getControl(1)->GetCurrent(), 0.0);
}

TEST_F(DXJoystick, EffectsOnTheActuatorAxisReachTheDeviceInItsUnits) {
    VirtualJoystick wheel("Torva FF Wheel", 2, 0, 1);
    backend_.actuators["Torva FF Wheel"] = 1;
    DXJoystickDevice* device = Enumerate("Torva FF Wheel");
    ASSERT_NE(device, nullptr);
    Control* x = device->getControl(0);
    Control* y = device->getControl(1);
    EXPECT_TRUE(x->isForceFeedbackCapable());
    EXPECT_FALSE(y->isForceFeedbackCapable());
    EXPECT_EQ(y->createEffect(kConstantForce), nullptr);
    EXPECT_EQ(x->createEffect(static_cast<EffectType>(7)), nullptr);
    EXPECT_TRUE(backend_.effects.empty());

    Property force("Force", kFiniteControl);
    force.SetControl(x);
    FFEffect* constant = force.createEffect(kConstantForce);
    ASSERT_NE(constant, nullptr);
    ASSERT_EQ(backend_.effects.size(), 1U);
    const SDL_HapticEffect& sent = backend_.effects[0].parameters;
    EXPECT_EQ(sent.constant.length, SDL_HAPTIC_INFINITY);
    constant->setMagnitude(0.5);
    EXPECT_EQ(sent.constant.level, 16383);
    constant->setDuration(1.5);
    EXPECT_EQ(sent.constant.length, 1500U);
    constant->setDuration(0);
    EXPECT_EQ(sent.constant.length, SDL_HAPTIC_INFINITY);
    constant->setDuration(-2);
    EXPECT_EQ(sent.constant.length, SDL_HAPTIC_INFINITY);
    constant->setEnvelope(0.5, 0.25, 0.2, 0.1);
    EXPECT_EQ(sent.constant.attack_level, 16383);
    EXPECT_EQ(sent.constant.attack_length, 250);
    EXPECT_EQ(sent.constant.fade_level, 6553);
    EXPECT_EQ(sent.constant.fade_length, 100);
    constant->clearEnvelope();
    EXPECT_EQ(sent.constant.attack_length, 0);
    constant->startEffect(2);
    EXPECT_EQ(backend_.effects[0].runs, 1);
    EXPECT_EQ(backend_.effects[0].iterations, 2U);
    constant->stopEffect();
    EXPECT_EQ(backend_.effects[0].stops, 1);

    auto* sine = static_cast<DXAxisFFEffect*>(x->createEffect(kSine));
    ASSERT_NE(sine, nullptr);
    const SDL_HapticEffect& wave = backend_.effects[1].parameters;
    EXPECT_EQ(wave.type, SDL_HAPTIC_SINE);
    EXPECT_EQ(wave.periodic.period, 1000); // one second until set
    sine->setPhase(1.0);
    EXPECT_EQ(static_cast<const platform::dinput::DIPERIODIC*>(sine->GetParameters().lpvTypeSpecificParams)
                  ->dwPhase,
              39999U);
    EXPECT_EQ(wave.periodic.phase, 3999); // past a full turn
    sine->setPeriod(0.02);
    EXPECT_EQ(wave.periodic.period, 20);
    sine->setMagnitude(0.25);
    sine->setOffset(-0.1);
    EXPECT_EQ(wave.periodic.magnitude, 8191);
    EXPECT_EQ(wave.periodic.offset, -3276);
    sine->destroy();
    EXPECT_TRUE(backend_.effects[1].destroyed);
    EXPECT_EQ(backend_.effects[1].stops, 1);

    FFEffect* ramp = x->createEffect(kRampForce);
    ASSERT_NE(ramp, nullptr);
    ramp->setRampStart(-0.5);
    ramp->setRampEnd(1.0);
    EXPECT_EQ(backend_.effects[2].parameters.ramp.start, -16383);
    EXPECT_EQ(backend_.effects[2].parameters.ramp.end, 32767);
    ramp->destroy();

    backend_.refuseEffects = true;
    EXPECT_EQ(x->createEffect(kTriangle), nullptr);
}

TEST_F(DXJoystick, RemovingTheControllerDetachesItsEffectsWhichStaySafeToUse) {
    VirtualJoystick wheel("Torva FF Wheel", 1, 0, 0);
    backend_.actuators["Torva FF Wheel"] = 1;
    DXJoystickDevice* device = Enumerate("Torva FF Wheel");
    ASSERT_NE(device, nullptr);
    Property force("Force", kFiniteControl);
    force.SetControl(device->getControl(0));
    FFEffect* effect = force.createEffect(kSawtoothUp);
    ASSERT_NE(effect, nullptr);

    device->destroy();
    EXPECT_EQ(force.getControl(), nullptr);
    EXPECT_FALSE(effect->IsAttached());
    EXPECT_EQ(DXJoystickDevice::GetDirectInput(), nullptr); // the last controller released it
    effect->setMagnitude(1.0);
    EXPECT_EQ(backend_.effects[0].parameters.periodic.magnitude, 32767);
    EXPECT_FALSE(backend_.effects[0].destroyed);
}

TEST_F(DXJoystick, StartUpBuildsNoControllerWithoutTheServiceOrForA3DMouse) {
    {
        VirtualJoystick wheel("Torva Test Wheel", 2, 0, 1);
        backend_.failInit = true;
        EXPECT_FALSE(EnumerateGameControllers(nullptr, nullptr));
        EXPECT_EQ(registry_.getDeviceCount(), 0);
        EXPECT_EQ(DXJoystickDevice::GetDirectInput(), nullptr);
        backend_.failInit = false;
    }
    {
        VirtualJoystick mouse("Torva SpaceNavigator", 6, 0, 2, 0x046D, 0xC626, SDL_JOYSTICK_TYPE_UNKNOWN);
        EXPECT_FALSE(EnumerateGameControllers(nullptr, nullptr));
        EXPECT_EQ(registry_.getDeviceCount(), 0);
        EXPECT_EQ(DXJoystickDevice::GetDirectInput(), nullptr);

        VirtualJoystick wheel("Torva Test Wheel", 2, 0, 1);
        EXPECT_TRUE(EnumerateGameControllers(nullptr, nullptr));
        EXPECT_EQ(registry_.getDeviceCount(), 1);
        EXPECT_NE(DXJoystickDevice::GetDirectInput(), nullptr);
        EXPECT_FALSE(EnumerateGameControllers(nullptr, nullptr)); // already done
        EXPECT_EQ(registry_.getDeviceCount(), 1);
    }
    registry_.Shutdown();
    EXPECT_EQ(DXJoystickDevice::GetLiveCount(), 0);
    EXPECT_EQ(DXJoystickDevice::GetDirectInput(), nullptr);
}

} // namespace
} // namespace vex::unidevice::driver
