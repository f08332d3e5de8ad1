#pragma once

#include "platform/dinput/Backend.h"

#include <SDL2/SDL_haptic.h>
#include <SDL2/SDL_joystick.h>

#include <map>

namespace vex::platform::dinput {

/// The joystick and force-feedback service of SDL2: joysticks, wheels, pedals and gamepads with
/// their haptic part where the device has one.
class SdlBackend : public Backend {
public:
    SdlBackend() = default;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;
    ~SdlBackend() override;

    bool Init() override;
    void Quit() override;
    std::vector<JoystickDescription> ListJoysticks() override;
    bool OpenJoystick(int id, JoystickLayout& layout) override;
    void CloseJoystick(int id) override;
    bool IsJoystickOpen(int id) const override { return open_.count(id) != 0; }
    void Update() override;
    bool ReadJoystick(int id, JoystickReading& reading) override;
    int NewEffect(int id, SDL_HapticEffect& effect) override;
    bool UpdateEffect(int id, int effect, SDL_HapticEffect& parameters) override;
    bool RunEffect(int id, int effect, std::uint32_t iterations) override;
    bool StopEffect(int id, int effect) override;
    void DestroyEffect(int id, int effect) override;

private:
    struct Open {
        SDL_Joystick* joystick = nullptr;
        SDL_Haptic* haptic = nullptr;
        int references = 0;
    };

    SDL_Haptic* FindHaptic(int id) const;

    std::map<int, Open> open_;
    int hapticStarts_ = 0; // Init calls that started the haptic part too
};

} // namespace vex::platform::dinput
