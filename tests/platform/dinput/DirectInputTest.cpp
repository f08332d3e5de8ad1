#include "platform/dinput/DirectInput.h"

#include "platform/dinput/Flags.h"
#include "tests/platform/dinput/FakeHapticBackend.h"
#include "tests/platform/dinput/VirtualJoystick.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace vex::platform::dinput;
using namespace vex::platform::dinput::test;

namespace {

std::vector<DIDEVICEINSTANCEA> found;
std::vector<DIDEVICEOBJECTINSTANCEA> objects;

BOOL CollectDevice(LPCDIDEVICEINSTANCEA instance, void* stopAfterFirst) {
    found.push_back(*instance);
    return stopAfterFirst != nullptr ? DIENUM_STOP : DIENUM_CONTINUE;
}

BOOL CollectObject(LPCDIDEVICEOBJECTINSTANCEA object, void*) {
    objects.push_back(*object);
    return DIENUM_CONTINUE;
}

DIPROPRANGE Range(DWORD how, DWORD object, LONG lMin, LONG lMax) {
    DIPROPRANGE range{};
    range.diph = {sizeof(DIPROPRANGE), sizeof(DIPROPHEADER), object, how};
    range.lMin = lMin;
    range.lMax = lMax;
    return range;
}

class DirectInput : public ::testing::Test {
protected:
    void SetUp() override {
        found.clear();
        objects.clear();
        SetBackend(&backend_);
    }
    void TearDown() override {
        for (IUnknown* object : release_) object->Release();
        SetBackend(nullptr);
    }

    IDirectInput8A* Create() {
        void* out = nullptr;
        EXPECT_EQ(DirectInput8Create(nullptr, DIRECTINPUT_VERSION, IID_IDirectInput8A, &out, nullptr), DI_OK);
        auto* directInput = static_cast<IDirectInput8A*>(out);
        release_.insert(release_.begin(), directInput);
        return directInput;
    }

    DIDEVICEINSTANCEA Find(IDirectInput8A* directInput, const std::string& name) {
        found.clear();
        directInput->EnumDevices(DI8DEVCLASS_GAMECTRL, &CollectDevice, nullptr, DIEDFL_ATTACHEDONLY);
        for (const DIDEVICEINSTANCEA& instance : found) {
            if (instance.tszProductName == name) return instance;
        }
        ADD_FAILURE() << name << " not enumerated";
        return {};
    }

    // Opens a controller by name, with the joystick layout, exclusive and acquired.
    IDirectInputDevice8A* Open(const std::string& name) {
        IDirectInput8A* directInput = Create();
        IDirectInputDevice8A* device = nullptr;
        EXPECT_EQ(directInput->CreateDevice(Find(directInput, name).guidInstance, &device, nullptr), DI_OK);
        if (device == nullptr) return nullptr;
        release_.insert(release_.begin(), device);
        EXPECT_EQ(device->SetDataFormat(&c_dfDIJoystick2), DI_OK);
        EXPECT_EQ(device->SetCooperativeLevel(nullptr, DISCL_EXCLUSIVE | DISCL_BACKGROUND), DI_OK);
        EXPECT_EQ(device->Acquire(), DI_OK);
        return device;
    }

    DIJOYSTATE2 Read(IDirectInputDevice8A* device) {
        DIJOYSTATE2 state{};
        EXPECT_EQ(device->Poll(), DI_OK);
        EXPECT_EQ(device->GetDeviceState(sizeof(state), &state), DI_OK);
        return state;
    }

    SdlJoysticks sdl_;
    FakeHapticBackend backend_;
    std::vector<IUnknown*> release_; // released at the end, newest first
};

TEST_F(DirectInput, CreationChecksVersionInterfaceAndService) {
    void* out = &out;
    EXPECT_EQ(DirectInput8Create(nullptr, 0x0700, IID_IDirectInput8A, &out, nullptr),
              DIERR_OLDDIRECTINPUTVERSION);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(DirectInput8Create(nullptr, 0x0900, IID_IDirectInput8A, &out, nullptr),
              DIERR_BETADIRECTINPUTVERSION);
    EXPECT_EQ(DirectInput8Create(nullptr, DIRECTINPUT_VERSION, GUID_XAxis, &out, nullptr), DIERR_NOINTERFACE);
    EXPECT_EQ(DirectInput8Create(nullptr, DIRECTINPUT_VERSION, IID_IDirectInput8A, nullptr, nullptr),
              DIERR_INVALIDPARAM);

    backend_.failInit = true;
    out = &out;
    EXPECT_TRUE(FAILED(DirectInput8Create(nullptr, DIRECTINPUT_VERSION, IID_IDirectInput8A, &out, nullptr)));
    EXPECT_EQ(out, nullptr);
}

TEST_F(DirectInput, EnumeratesControllersWithProductIdentityAndUsage) {
    VirtualJoystick wheel("Test Wheel", 2, 0, 2);
    VirtualJoystick pad("Test Pad", 2, 0, 2, kTestVendor, 0x7002, SDL_JOYSTICK_TYPE_GAMECONTROLLER);
    VirtualJoystick mouse("Test SpaceNavigator", 6, 0, 2, 0x046D, 0xC626, SDL_JOYSTICK_TYPE_UNKNOWN);
    IDirectInput8A* directInput = Create();

    const DIDEVICEINSTANCEA wheelInstance = Find(directInput, "Test Wheel");
    EXPECT_EQ(wheelInstance.guidProduct.Data1, 0x70011209U); // vendor low, product high
    EXPECT_EQ(wheelInstance.wUsagePage, 1);
    EXPECT_EQ(wheelInstance.wUsage, 4);
    EXPECT_EQ(wheelInstance.dwDevType & 0xFF, DI8DEVTYPE_JOYSTICK);
    const DIDEVICEINSTANCEA padInstance = Find(directInput, "Test Pad");
    EXPECT_EQ(padInstance.wUsage, 5);
    EXPECT_FALSE(padInstance.guidInstance == wheelInstance.guidInstance);
    const DIDEVICEINSTANCEA mouseInstance = Find(directInput, "Test SpaceNavigator");
    EXPECT_EQ(mouseInstance.guidProduct.Data1 & 0xFFFF, 0x046DU);
    EXPECT_EQ(mouseInstance.wUsage, 8); // multi-axis controller

    found.clear();
    directInput->EnumDevices(DI8DEVCLASS_KEYBOARD, &CollectDevice, nullptr, 0);
    EXPECT_TRUE(found.empty());
    directInput->EnumDevices(DI8DEVCLASS_GAMECTRL, &CollectDevice, &found, 0);
    EXPECT_EQ(found.size(), 1U); // the callback stopped the enumeration

    DIDEVICEINSTANCEA gone = wheelInstance;
    auto* device = reinterpret_cast<IDirectInputDevice8A*>(&gone); // any value: it must be cleared
    wheel.Unplug();
    EXPECT_EQ(directInput->CreateDevice(gone.guidInstance, &device, nullptr), DIERR_DEVICENOTREG);
    EXPECT_EQ(device, nullptr);
}

TEST_F(DirectInput, ObjectsComeInOrderWithOffsetsNamesAndActuators) {
    VirtualJoystick stick("Test Stick", 9, 2, 3);
    backend_.actuators["Test Stick"] = 2;
    IDirectInputDevice8A* device = Open("Test Stick");
    ASSERT_NE(device, nullptr);

    device->EnumObjects(&CollectObject, nullptr, DIDFT_ALL);
    // Six axes and two sliders (the ninth axis has no place in the state), two hats, three buttons.
    ASSERT_EQ(objects.size(), 13U);
    const GUID* types[] = {&GUID_XAxis,  &GUID_YAxis,  &GUID_ZAxis,  &GUID_RxAxis, &GUID_RyAxis,
                           &GUID_RzAxis, &GUID_Slider, &GUID_Slider, &GUID_POV,    &GUID_POV,
                           &GUID_Button, &GUID_Button, &GUID_Button};
    const DWORD offsets[] = {0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 48, 49, 50};
    for (std::size_t i = 0; i < objects.size(); ++i) {
        EXPECT_TRUE(objects[i].guidType == *types[i]) << i;
        EXPECT_EQ(objects[i].dwOfs, offsets[i]) << i;
    }
    EXPECT_STREQ(objects[3].tszName, "X Rotation");
    EXPECT_STREQ(objects[7].tszName, "Slider 2");
    EXPECT_STREQ(objects[9].tszName, "Hat Switch 2");
    EXPECT_STREQ(objects[10].tszName, "Button 0");
    EXPECT_NE(objects[1].dwFlags & DIDOI_FFACTUATOR, 0U);
    EXPECT_EQ(objects[2].dwFlags & DIDOI_FFACTUATOR, 0U);

    objects.clear();
    device->EnumObjects(&CollectObject, nullptr, DIDFT_POV);
    EXPECT_EQ(objects.size(), 2U);
    objects.clear();
    device->EnumObjects(&CollectObject, nullptr, DIDFT_AXIS | DIDFT_FFACTUATOR);
    EXPECT_EQ(objects.size(), 2U);
}

TEST_F(DirectInput, RangesAreSetPerObjectAndChecked) {
    VirtualJoystick stick("Test Stick", 7, 1, 1);
    IDirectInputDevice8A* device = Open("Test Stick");
    ASSERT_NE(device, nullptr);
    device->EnumObjects(&CollectObject, nullptr, DIDFT_ALL);
    ASSERT_EQ(objects.size(), 9U);
    const DWORD xId = objects[0].dwType, sliderId = objects[6].dwType, buttonId = objects[8].dwType;

    DIPROPRANGE range = Range(DIPH_BYID, xId, -1000, 1000);
    EXPECT_EQ(device->SetProperty(DIPROP_RANGE, &range.diph), DI_OK);
    DIPROPRANGE read = Range(DIPH_BYID, xId, 0, 0);
    EXPECT_EQ(device->GetProperty(DIPROP_RANGE, &read.diph), DI_OK);
    EXPECT_EQ(read.lMin, -1000);
    EXPECT_EQ(read.lMax, 1000);
    read = Range(DIPH_BYOFFSET, 4, 0, 0);
    EXPECT_EQ(device->GetProperty(DIPROP_RANGE, &read.diph), DI_OK);
    EXPECT_EQ(read.lMax, 65535); // untouched axes keep the default range

    range = Range(DIPH_DEVICE, 0, -10, 10);
    EXPECT_EQ(device->SetProperty(DIPROP_RANGE, &range.diph), DI_OK);
    read = Range(DIPH_BYID, sliderId, 0, 0);
    EXPECT_EQ(device->GetProperty(DIPROP_RANGE, &read.diph), DI_OK);
    EXPECT_EQ(read.lMin, -10);

    range = Range(DIPH_BYID, xId, 5, 5);
    EXPECT_EQ(device->SetProperty(DIPROP_RANGE, &range.diph), DIERR_INVALIDPARAM);
    range = Range(DIPH_BYID, buttonId, -1, 1);
    EXPECT_EQ(device->SetProperty(DIPROP_RANGE, &range.diph), DIERR_UNSUPPORTED);
    range = Range(DIPH_BYID, DIDFT_ABSAXIS | DIDFT_MAKEINSTANCE(40), -1, 1);
    EXPECT_EQ(device->SetProperty(DIPROP_RANGE, &range.diph), DIERR_OBJECTNOTFOUND);
    range = Range(DIPH_BYID, xId, -1, 1);
    range.diph.dwSize = 20;
    EXPECT_EQ(device->SetProperty(DIPROP_RANGE, &range.diph), DIERR_INVALIDPARAM);
}

TEST_F(DirectInput, StateFollowsTheControllerInTheRangeSet) {
    VirtualJoystick stick("Test Stick", 7, 1, 2);
    IDirectInputDevice8A* device = Open("Test Stick");
    ASSERT_NE(device, nullptr);
    DIPROPRANGE range = Range(DIPH_BYOFFSET, 0, -1000, 1000);
    device->SetProperty(DIPROP_RANGE, &range.diph);
    range = Range(DIPH_BYOFFSET, 24, -1000, 1000);
    device->SetProperty(DIPROP_RANGE, &range.diph);

    DIJOYSTATE2 state = Read(device);
    EXPECT_EQ(state.lX, 0);     // centred reads as the middle of the range exactly
    EXPECT_EQ(state.lY, 32768); // default range 0..65535
    EXPECT_EQ(state.rgdwPOV[0], 0xFFFFFFFFU);
    EXPECT_EQ(state.rgdwPOV[3], 0xFFFFFFFFU); // absent hats read centred

    const std::pair<std::int16_t, LONG> axisCases[] = {
        {-32768, -1000}, {32767, 1000}, {1638, 50}, {-16384, -500}};
    for (auto [raw, expected] : axisCases) {
        stick.SetAxis(0, raw);
        EXPECT_EQ(Read(device).lX, expected) << raw;
    }
    stick.SetAxis(1, -32768);
    stick.SetAxis(6, 32767);
    stick.SetButton(1, true);
    state = Read(device);
    EXPECT_EQ(state.lY, 0);
    EXPECT_EQ(state.rglSlider[0], 1000);
    EXPECT_EQ(state.rgbButtons[0], 0);
    EXPECT_EQ(state.rgbButtons[1], 0x80);

    const std::pair<std::uint8_t, DWORD> hatCases[] = {{SDL_HAT_UP, 0},
                                                       {SDL_HAT_RIGHTUP, 4500},
                                                       {SDL_HAT_RIGHT, 9000},
                                                       {SDL_HAT_RIGHTDOWN, 13500},
                                                       {SDL_HAT_DOWN, 18000},
                                                       {SDL_HAT_LEFTDOWN, 22500},
                                                       {SDL_HAT_LEFT, 27000},
                                                       {SDL_HAT_LEFTUP, 31500},
                                                       {SDL_HAT_CENTERED, 0xFFFFFFFF}};
    for (auto [hat, pov] : hatCases) {
        stick.SetHat(0, hat);
        EXPECT_EQ(Read(device).rgdwPOV[0], pov) << int(hat);
    }
}

TEST_F(DirectInput, ReadingNeedsAcquisitionAndStopsWhenUnplugged) {
    VirtualJoystick stick("Test Stick", 2, 0, 1);
    IDirectInput8A* directInput = Create();
    IDirectInputDevice8A* device = nullptr;
    ASSERT_EQ(directInput->CreateDevice(Find(directInput, "Test Stick").guidInstance, &device, nullptr),
              DI_OK);
    release_.insert(release_.begin(), device);
    DIJOYSTATE2 state{};

    EXPECT_EQ(device->Acquire(), DIERR_INVALIDPARAM); // no data format yet
    EXPECT_EQ(device->GetDeviceState(sizeof(state), &state), DIERR_NOTACQUIRED);
    EXPECT_EQ(device->SetCooperativeLevel(nullptr, DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE | DISCL_BACKGROUND),
              DIERR_INVALIDPARAM);
    EXPECT_EQ(device->SetDataFormat(&c_dfDIJoystick2), DI_OK);
    EXPECT_EQ(device->Acquire(), DI_OK);
    EXPECT_EQ(device->SetDataFormat(&c_dfDIJoystick2), DIERR_ACQUIRED);
    EXPECT_EQ(device->GetDeviceState(sizeof(state) - 4, &state), DIERR_INVALIDPARAM);
    EXPECT_EQ(device->Poll(), DI_OK);

    stick.Unplug();
    EXPECT_EQ(device->Poll(), DIERR_INPUTLOST);
    EXPECT_EQ(device->GetDeviceState(sizeof(state), &state), DIERR_NOTACQUIRED);
    EXPECT_EQ(device->Acquire(), DIERR_UNPLUGGED);
}

TEST_F(DirectInput, AcquiringALostDeviceFindsItsControllerPluggedInAgain) {
    auto first = std::make_unique<VirtualJoystick>("Test Twin", 2, 0, 1);
    VirtualJoystick second("Test Twin", 2, 0, 1);
    IDirectInput8A* directInput = Create();
    found.clear();
    directInput->EnumDevices(DI8DEVCLASS_GAMECTRL, &CollectDevice, nullptr, DIEDFL_ATTACHEDONLY);
    ASSERT_EQ(found.size(), 2u);
    IDirectInputDevice8A* devices[2] = {nullptr, nullptr};
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(directInput->CreateDevice(found[i].guidInstance, &devices[i], nullptr), DI_OK);
        release_.insert(release_.begin(), devices[i]);
        ASSERT_EQ(devices[i]->SetDataFormat(&c_dfDIJoystick2), DI_OK);
        ASSERT_EQ(devices[i]->Acquire(), DI_OK);
    }
    const int lost = found[0].guidInstance.Data1 == static_cast<DWORD>(first->id()) ? 0 : 1;
    IDirectInputDevice8A* device = devices[lost];

    first->Unplug();
    EXPECT_EQ(device->Poll(), DIERR_INPUTLOST);
    // Neither the twin the other device holds nor a controller of another product stands in for it.
    VirtualJoystick stranger("Test Stranger", 2, 0, 1);
    EXPECT_EQ(device->Acquire(), DIERR_UNPLUGGED);
    EXPECT_EQ(devices[1 - lost]->Poll(), DI_OK);

    first = std::make_unique<VirtualJoystick>("Test Twin", 2, 0, 1);
    first->SetAxis(0, 32767);
    EXPECT_EQ(device->Acquire(), DI_OK);
    EXPECT_GT(Read(device).lX, Read(devices[1 - lost]).lX) << "it reads the controller plugged in again";
    EXPECT_EQ(device->Acquire(), DI_NOEFFECT);
}

TEST_F(DirectInput, EffectsPlayOnlyOnActuatorsOfAnExclusiveAcquiredDevice) {
    VirtualJoystick plain("Test Plain", 2, 0, 1);
    VirtualJoystick wheel("Test FF Wheel", 2, 0, 1);
    backend_.actuators["Test FF Wheel"] = 1;

    DWORD axis = 0;
    LONG direction = 0;
    DICONSTANTFORCE constant{2500};
    DIEFFECT parameters{};
    parameters.dwSize = sizeof(DIEFFECT);
    parameters.dwFlags = DIEFF_CARTESIAN | DIEFF_OBJECTOFFSETS;
    parameters.dwDuration = INFINITE;
    parameters.dwGain = 10000;
    parameters.cAxes = 1;
    parameters.rgdwAxes = &axis;
    parameters.rglDirection = &direction;
    parameters.cbTypeSpecificParams = sizeof(constant);
    parameters.lpvTypeSpecificParams = &constant;

    IDirectInputEffect* effect = nullptr;
    EXPECT_EQ(Open("Test Plain")->CreateEffect(GUID_ConstantForce, &parameters, &effect, nullptr),
              DIERR_UNSUPPORTED);
    IDirectInputDevice8A* device = Open("Test FF Wheel");
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->CreateEffect(GUID_XAxis, &parameters, &effect, nullptr), DIERR_DEVICENOTREG);
    ASSERT_EQ(device->CreateEffect(GUID_ConstantForce, &parameters, &effect, nullptr), DI_OK);
    ASSERT_EQ(backend_.effects.size(), 1U);
    EXPECT_EQ(backend_.effects[0].parameters.constant.level, 8191);

    EXPECT_EQ(effect->Start(3, 0), DI_OK);
    EXPECT_EQ(backend_.effects[0].iterations, 3U);
    constant.lMagnitude = -10000;
    EXPECT_EQ(effect->SetParameters(&parameters, DIEP_TYPESPECIFICPARAMS | DIEP_START), DI_OK);
    EXPECT_EQ(backend_.effects[0].parameters.constant.level, -32767);
    EXPECT_EQ(backend_.effects[0].runs, 2);
    parameters.dwSize = 76;
    EXPECT_EQ(effect->SetParameters(&parameters, DIEP_DURATION), DIERR_INVALIDPARAM);

    device->Unacquire();
    EXPECT_EQ(effect->Start(1, 0), DIERR_NOTEXCLUSIVEACQUIRED);
    // The effect keeps its device alive after everything else is released.
    for (IUnknown* object : release_) object->Release();
    release_.clear();
    EXPECT_EQ(effect->Stop(), DI_OK);
    EXPECT_EQ(backend_.effects[0].stops, 1);
    effect->Release();
    EXPECT_TRUE(backend_.effects[0].destroyed);
}

TEST_F(DirectInput, AnEffectCreatedWithoutParametersIsSentOnceComplete) {
    VirtualJoystick wheel("Test FF Wheel", 2, 0, 1);
    backend_.actuators["Test FF Wheel"] = 1;
    IDirectInputDevice8A* device = Open("Test FF Wheel");
    ASSERT_NE(device, nullptr);
    IDirectInputEffect* effect = nullptr;
    ASSERT_EQ(device->CreateEffect(GUID_Sine, nullptr, &effect, nullptr), DI_OK);
    EXPECT_EQ(effect->Start(1, 0), DIERR_INCOMPLETEEFFECT);

    DIPERIODIC periodic{5000, 0, 0, 100000};
    DIEFFECT parameters{};
    parameters.dwSize = sizeof(DIEFFECT);
    parameters.cbTypeSpecificParams = sizeof(periodic);
    parameters.lpvTypeSpecificParams = &periodic;
    EXPECT_EQ(effect->SetParameters(&parameters, DIEP_TYPESPECIFICPARAMS), DI_DOWNLOADSKIPPED); // no axis yet
    EXPECT_TRUE(backend_.effects.empty());
    DWORD axis = 4;
    parameters.dwFlags = DIEFF_CARTESIAN | DIEFF_OBJECTOFFSETS;
    parameters.cAxes = 1;
    parameters.rgdwAxes = &axis;
    EXPECT_EQ(effect->SetParameters(&parameters, DIEP_AXES), DI_OK);
    ASSERT_EQ(backend_.effects.size(), 1U);
    EXPECT_EQ(backend_.effects[0].parameters.periodic.period, 100);
    EXPECT_EQ(backend_.effects[0].parameters.periodic.direction.dir[1], 1); // along Y
    effect->Release();
}

} // namespace
