#include "platform/dinput/Backend.h"

#include "platform/dinput/SdlBackend.h"

namespace vex::platform::dinput {

namespace {

Backend* chosen = nullptr;

} // namespace

Backend* SetBackend(Backend* backend) {
    Backend* before = chosen;
    chosen = backend;
    return before;
}

Backend& GetBackend() {
    if (chosen != nullptr) return *chosen;
    // Never destroyed: objects released during static destruction may still call it.
    static SdlBackend* sdl = new SdlBackend;
    return *sdl;
}

} // namespace vex::platform::dinput
