#include "platform/dinput/SdlBackend.h"

#include <SDL2/SDL.h>

namespace vex::platform::dinput {

namespace {

constexpr Uint32 kSubsystems = SDL_INIT_JOYSTICK | SDL_INIT_HAPTIC;

// The device index of the joystick with instance id `id`, or -1 when it is not plugged in.
int FindDeviceIndex(int id) {
    for (int i = 0, count = SDL_NumJoysticks(); i < count; ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) return i;
    }
    return -1;
}

} // namespace

SdlBackend::~SdlBackend() {
    for (auto& [id, open] : open_) {
        if (open.haptic != nullptr) SDL_HapticClose(open.haptic);
        SDL_JoystickClose(open.joystick);
    }
}

bool SdlBackend::Init() {
    // Devices are read in the background, whichever window is in front.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(kSubsystems) == 0) {
        ++hapticStarts_;
    } else if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        return false; // a machine without force-feedback support still has joysticks, this one has none
    }
    // Joysticks are polled: events would only pile up in a queue that nobody reads.
    SDL_JoystickEventState(SDL_IGNORE);
    return true;
}

void SdlBackend::Quit() {
    if (hapticStarts_ > 0) {
        --hapticStarts_;
        SDL_QuitSubSystem(SDL_INIT_HAPTIC);
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

std::vector<JoystickDescription> SdlBackend::ListJoysticks() {
    std::vector<JoystickDescription> joysticks;
    for (int i = 0, count = SDL_NumJoysticks(); i < count; ++i) {
        JoystickDescription& description = joysticks.emplace_back();
        description.id = SDL_JoystickGetDeviceInstanceID(i);
        const char* name = SDL_JoystickNameForIndex(i);
        description.name = name != nullptr ? name : "";
        description.vendor = SDL_JoystickGetDeviceVendor(i);
        description.product = SDL_JoystickGetDeviceProduct(i);
        description.gamepad = SDL_JoystickGetDeviceType(i) == SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    }
    return joysticks;
}

bool SdlBackend::OpenJoystick(int id, JoystickLayout& layout) {
    Open& open = open_[id];
    if (open.joystick == nullptr) {
        const int index = FindDeviceIndex(id);
        open.joystick = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
        if (open.joystick == nullptr) {
            open_.erase(id);
            return false;
        }
        if (SDL_JoystickIsHaptic(open.joystick) == SDL_TRUE)
            open.haptic = SDL_HapticOpenFromJoystick(open.joystick);
    }
    ++open.references;
    layout.axes = SDL_JoystickNumAxes(open.joystick);
    layout.hats = SDL_JoystickNumHats(open.joystick);
    layout.buttons = SDL_JoystickNumButtons(open.joystick);
    layout.hapticAxes = open.haptic != nullptr ? SDL_HapticNumAxes(open.haptic) : 0;
    layout.hapticEffects = open.haptic != nullptr ? SDL_HapticQuery(open.haptic) : 0;
    return true;
}

void SdlBackend::CloseJoystick(int id) {
    auto found = open_.find(id);
    if (found == open_.end() || --found->second.references > 0) return;
    if (found->second.haptic != nullptr) SDL_HapticClose(found->second.haptic);
    SDL_JoystickClose(found->second.joystick);
    open_.erase(found);
}

void SdlBackend::Update() {
    SDL_JoystickUpdate();
}

bool SdlBackend::ReadJoystick(int id, JoystickReading& reading) {
    auto found = open_.find(id);
    if (found == open_.end() || SDL_JoystickGetAttached(found->second.joystick) != SDL_TRUE) return false;
    SDL_Joystick* joystick = found->second.joystick;
    reading.axes.resize(static_cast<std::size_t>(SDL_max(SDL_JoystickNumAxes(joystick), 0)));
    for (std::size_t i = 0; i < reading.axes.size(); ++i)
        reading.axes[i] = SDL_JoystickGetAxis(joystick, static_cast<int>(i));
    reading.hats.resize(static_cast<std::size_t>(SDL_max(SDL_JoystickNumHats(joystick), 0)));
    for (std::size_t i = 0; i < reading.hats.size(); ++i)
        reading.hats[i] = SDL_JoystickGetHat(joystick, static_cast<int>(i));
    reading.buttons.resize(static_cast<std::size_t>(SDL_max(SDL_JoystickNumButtons(joystick), 0)));
    for (std::size_t i = 0; i < reading.buttons.size(); ++i)
        reading.buttons[i] = SDL_JoystickGetButton(joystick, static_cast<int>(i));
    return true;
}

SDL_Haptic* SdlBackend::FindHaptic(int id) const {
    auto found = open_.find(id);
    return found != open_.end() ? found->second.haptic : nullptr;
}

int SdlBackend::NewEffect(int id, SDL_HapticEffect& effect) {
    SDL_Haptic* haptic = FindHaptic(id);
    return haptic != nullptr ? SDL_HapticNewEffect(haptic, &effect) : -1;
}

bool SdlBackend::UpdateEffect(int id, int effect, SDL_HapticEffect& parameters) {
    SDL_Haptic* haptic = FindHaptic(id);
    return haptic != nullptr && SDL_HapticUpdateEffect(haptic, effect, &parameters) >= 0;
}

bool SdlBackend::RunEffect(int id, int effect, std::uint32_t iterations) {
    SDL_Haptic* haptic = FindHaptic(id);
    return haptic != nullptr && SDL_HapticRunEffect(haptic, effect, iterations) == 0;
}

bool SdlBackend::StopEffect(int id, int effect) {
    SDL_Haptic* haptic = FindHaptic(id);
    return haptic != nullptr && SDL_HapticStopEffect(haptic, effect) == 0;
}

void SdlBackend::DestroyEffect(int id, int effect) {
    if (SDL_Haptic* haptic = FindHaptic(id)) SDL_HapticDestroyEffect(haptic, effect);
}

} // namespace vex::platform::dinput
