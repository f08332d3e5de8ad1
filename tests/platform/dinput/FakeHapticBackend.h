#pragma once

#include "platform/dinput/SdlBackend.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vex::platform::dinput::test {

/// SDL's joysticks (virtual ones in the tests) with a scripted force-feedback part, since virtual
/// joysticks have none: a joystick whose name is in `actuators` reports that many actuator axes and
/// every effect type. Effects are recorded instead of played. With `failInit` the service does not
/// start, as on a machine where SDL cannot run.
class FakeHapticBackend : public SdlBackend {
public:
    struct Effect {
        int joystick = -1;
        SDL_HapticEffect parameters{};
        int updates = 0;
        int runs = 0;
        std::uint32_t iterations = 0;
        int stops = 0;
        bool destroyed = false;
    };

    bool Init() override { return !failInit && SdlBackend::Init(); }

    std::vector<JoystickDescription> ListJoysticks() override {
        std::vector<JoystickDescription> joysticks = SdlBackend::ListJoysticks();
        for (const JoystickDescription& joystick : joysticks) names_[joystick.id] = joystick.name;
        return joysticks;
    }

    bool OpenJoystick(int id, JoystickLayout& layout) override {
        if (!SdlBackend::OpenJoystick(id, layout)) return false;
        auto found = actuators.find(names_[id]);
        if (found != actuators.end()) {
            layout.hapticAxes = found->second;
            layout.hapticEffects = SDL_HAPTIC_CONSTANT | SDL_HAPTIC_RAMP | SDL_HAPTIC_SINE |
                                   SDL_HAPTIC_TRIANGLE | SDL_HAPTIC_SAWTOOTHUP | SDL_HAPTIC_SAWTOOTHDOWN;
        }
        return true;
    }

    int NewEffect(int id, SDL_HapticEffect& parameters) override {
        if (refuseEffects) return -1;
        Effect& effect = effects.emplace_back();
        effect.joystick = id;
        effect.parameters = parameters;
        return static_cast<int>(effects.size()) - 1;
    }
    bool UpdateEffect(int id, int handle, SDL_HapticEffect& parameters) override {
        Effect* effect = Find(id, handle);
        if (effect == nullptr) return false;
        effect->parameters = parameters;
        ++effect->updates;
        return true;
    }
    bool RunEffect(int id, int handle, std::uint32_t iterations) override {
        Effect* effect = Find(id, handle);
        if (effect == nullptr) return false;
        ++effect->runs;
        effect->iterations = iterations;
        return true;
    }
    bool StopEffect(int id, int handle) override {
        Effect* effect = Find(id, handle);
        if (effect != nullptr) ++effect->stops;
        return effect != nullptr;
    }
    void DestroyEffect(int id, int handle) override {
        if (Effect* effect = Find(id, handle)) effect->destroyed = true;
    }

    std::map<std::string, int> actuators;
    bool failInit = false;
    bool refuseEffects = false;
    std::vector<Effect> effects; // indexed by handle

private:
    // A live effect of joystick `id`; null for a wrong joystick or a destroyed effect.
    Effect* Find(int id, int handle) {
        if (handle < 0 || handle >= static_cast<int>(effects.size())) return nullptr;
        Effect& effect = effects[static_cast<std::size_t>(handle)];
        return effect.joystick == id && !effect.destroyed ? &effect : nullptr;
    }

    std::map<int, std::string> names_;
};

} // namespace vex::platform::dinput::test
