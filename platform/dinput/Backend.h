#pragma once

#include <SDL2/SDL_haptic.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vex::platform::dinput {

/// What a joystick is, as far as the machine says, before it is opened.
struct JoystickDescription {
    int id = -1; ///< stays the same while the joystick is plugged in
    std::string name;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    bool gamepad = false; ///< a gamepad rather than a stick, wheel or pedals
};

/// The objects of an opened joystick and what its force feedback can do.
struct JoystickLayout {
    int axes = 0;
    int hats = 0;
    int buttons = 0;
    int hapticAxes = 0;             ///< the first this many axes have an actuator
    unsigned int hapticEffects = 0; ///< SDL_HAPTIC_* bits of the effects it plays
};

/// One reading of an opened joystick: axes in -32768..32767, hats as SDL_HAT_* bits, buttons 0 or 1.
struct JoystickReading {
    std::vector<std::int16_t> axes;
    std::vector<std::uint8_t> hats;
    std::vector<std::uint8_t> buttons;
};

/// The joystick and force-feedback service the DirectInput objects run on. The SDL one is used
/// unless another is set (tests set one with a scripted haptic, or one that cannot start).
/// Joysticks are named by their id; every call on an id that is not open fails.
class Backend {
public:
    virtual ~Backend() = default;

    /// Starts the service (once per call; Quit undoes one). False when it cannot run.
    virtual bool Init() = 0;
    /// Stops the service started by one Init.
    virtual void Quit() = 0;
    /// The joysticks plugged in now.
    virtual std::vector<JoystickDescription> ListJoysticks() = 0;
    /// Opens a joystick (again: another reference) with its haptic part; false when it is gone.
    virtual bool OpenJoystick(int id, JoystickLayout& layout) = 0;
    /// Drops one reference taken by OpenJoystick.
    virtual void CloseJoystick(int id) = 0;
    /// Whether a reference taken by OpenJoystick is still held on joystick `id`.
    virtual bool IsJoystickOpen(int id) const = 0;
    /// Fetches the newest state of every open joystick, and notices joysticks plugged in or out.
    virtual void Update() = 0;
    /// The state fetched by the last Update; false when the joystick was unplugged.
    virtual bool ReadJoystick(int id, JoystickReading& reading) = 0;
    /// Creates an effect on the joystick's actuators; its handle, or -1.
    virtual int NewEffect(int id, SDL_HapticEffect& effect) = 0;
    /// Replaces an effect's parameters (same type).
    virtual bool UpdateEffect(int id, int effect, SDL_HapticEffect& parameters) = 0;
    /// Plays an effect `iterations` times (SDL_HAPTIC_INFINITY: until stopped).
    virtual bool RunEffect(int id, int effect, std::uint32_t iterations) = 0;
    /// Stops an effect.
    virtual bool StopEffect(int id, int effect) = 0;
    /// Deletes an effect.
    virtual void DestroyEffect(int id, int effect) = 0;
};

/// The service the next DirectInput8Create uses; null brings back the SDL one. Objects already
/// created keep theirs. Returns the one set before (null when it was the SDL one).
Backend* SetBackend(Backend* backend);
/// The service DirectInput8Create uses now.
Backend& GetBackend();

} // namespace vex::platform::dinput
