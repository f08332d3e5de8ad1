#pragma once

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdint>

namespace vex::platform::dinput::test {

/// USB ids of the virtual controllers; real devices of the machine are hidden from the tests.
inline constexpr std::uint16_t kTestVendor = 0x1209;
inline constexpr std::uint16_t kTestProduct = 0x7001;

/// Starts SDL's joystick service for a test with only virtual controllers visible, and stops it.
class SdlJoysticks {
public:
    SdlJoysticks() {
        SDL_SetHint(SDL_HINT_GAMECONTROLLER_IGNORE_DEVICES_EXCEPT, "0x1209/0x7001");
        started_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
        EXPECT_TRUE(started_) << SDL_GetError();
    }
    ~SdlJoysticks() {
        if (started_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    SdlJoysticks(const SdlJoysticks&) = delete;
    SdlJoysticks& operator=(const SdlJoysticks&) = delete;

private:
    bool started_;
};

/// A controller plugged in for the length of a test: a virtual SDL joystick whose axes, hats and
/// buttons the test sets. Destroying it (or unplug) takes it away.
class VirtualJoystick {
public:
    VirtualJoystick(const char* name, int axes, int hats, int buttons, std::uint16_t vendor = kTestVendor,
                    std::uint16_t product = kTestProduct, SDL_JoystickType type = SDL_JOYSTICK_TYPE_WHEEL) {
        SDL_VirtualJoystickDesc description{};
        description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        description.type = static_cast<Uint16>(type);
        description.naxes = static_cast<Uint16>(axes);
        description.nhats = static_cast<Uint16>(hats);
        description.nbuttons = static_cast<Uint16>(buttons);
        description.vendor_id = vendor;
        description.product_id = product;
        description.name = name;
        const int index = SDL_JoystickAttachVirtualEx(&description);
        joystick_ = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
        EXPECT_NE(joystick_, nullptr) << SDL_GetError();
        id_ = joystick_ != nullptr ? SDL_JoystickInstanceID(joystick_) : -1;
    }
    ~VirtualJoystick() { Unplug(); }
    VirtualJoystick(const VirtualJoystick&) = delete;
    VirtualJoystick& operator=(const VirtualJoystick&) = delete;

    void SetAxis(int axis, std::int16_t value) { SDL_JoystickSetVirtualAxis(joystick_, axis, value); }
    void SetHat(int hat, std::uint8_t value) { SDL_JoystickSetVirtualHat(joystick_, hat, value); }
    void SetButton(int button, bool pressed) {
        SDL_JoystickSetVirtualButton(joystick_, button, pressed ? 1 : 0);
    }

    /// Takes the controller away, as pulling its plug does.
    void Unplug() {
        if (joystick_ == nullptr) return;
        for (int i = 0, count = SDL_NumJoysticks(); i < count; ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
        }
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
    }

    /// The backend's id of the controller.
    int id() const { return id_; }

private:
    SDL_Joystick* joystick_ = nullptr;
    int id_ = -1;
};

} // namespace vex::platform::dinput::test
